#pragma once

#include "afx/WinDefs.h"

// Command ids and help numbers of the framework itself.

// The Help command: F1 on any dialog sends it; the application's message map routes
// it to CWinApp::OnHelp.
inline constexpr UINT ID_HELP = 0xE146;  // 57670

// A dialog's help context is this base plus its template id.
inline constexpr DWORD HID_BASE_RESOURCE = 0x00020000u;  // 131072
