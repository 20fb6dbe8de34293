#pragma once

#include "afx/win32/WinApi.h"

#include <string_view>

namespace afx::win32 {

// F1: the help file beside the program at topic `context`. A Windows help file opens in
// the system's help viewer; the plain-text help file that VORNEX ships (the format of
// afx/host/HelpFile.h, readable on every Windows, also those without a help viewer) shows
// its topic in a message box; a missing file or topic is said in one.
void ShowHelpTopic(std::string_view helpFilePath, DWORD context);

}  // namespace afx::win32
