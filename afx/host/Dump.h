#pragma once

#include "afx/host/Model.h"

#include <string>

namespace afx::host {

class Desktop;

// The screen as text, one line per window and per control, for flow scripts' "dump"
// and for debugging:
//
//   window 0x101 dialog 102 "Detail Setting" at 18,8 364x239 active owner none
//     sysmenu: Restore(grayed) | Move(grayed) | Close | - | 关于 VORNEX(&A)...
//     combo 1011 at 77,19 145x165 tabstop focus: 5 items, selected 1 "..."
//     ...
std::string DumpDesktop(const Desktop& desktop);
std::string DumpWindow(const Window& window, bool active);
std::string DumpControl(const Control& control, bool focused);

}  // namespace afx::host
