#pragma once

#include "res/DialogTemplate.h"

#include <span>

// The five dialog templates of VORNEX (ids in res/ResourceIds.h).
namespace res {

// Null when no template has that id.
const DialogTemplate* FindDialogTemplate(unsigned id);

// All templates, by ascending id.
std::span<const DialogTemplate> AllDialogTemplates();

// One accessor per template, defined beside its data.
const DialogTemplate& AboutBoxTemplate();
const DialogTemplate& DetailTemplate();
const DialogTemplate& SelectOsTemplate();
const DialogTemplate& CreatePortTemplate();
const DialogTemplate& SelectPortTemplate();

}  // namespace res
