#pragma once

#include "res/DialogTemplate.h"

// The dialog templates of the "Local Port" monitor (ids in MonitorDialogIds.h). Only
// the host shows them: on Windows the monitor brings its own.
namespace monitorui {

const res::DialogTemplate& PortNameTemplate();
const res::DialogTemplate& ComSettingsTemplate();
const res::DialogTemplate& LptTimeoutTemplate();

}  // namespace monitorui
