#pragma once

#include "afx/WinDefs.h"

#include <string_view>

// The host's help viewer. Internal to afx/host.
namespace afx::host {

// Shows help topic `context` of the help file in a message box owned by the active
// window ("VORNEX Help"); says so when the file or the topic is missing.
void ShowHelpTopic(std::string_view helpFilePath, DWORD context);

}  // namespace afx::host
