#pragma once

#include "afx/win32/WinApi.h"

// Sends a message the way the framework's wrappers mean it: the messages that carry
// text carry UTF-8 (and afx::LvItem / afx::LvColumn for the list view), and go to the
// wide-character controls converted. Every other message passes unchanged.
namespace afx::win32 {

LRESULT SendConverted(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace afx::win32
