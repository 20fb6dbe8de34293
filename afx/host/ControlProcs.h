#pragma once

#include "afx/host/Model.h"
#include "afx/host/WindowManager.h"

#include <string>
#include <string_view>

// One message procedure per kind of virtual control, and what they share. Internal to
// afx/host; ControlProc (Controls.h) picks the procedure.
namespace afx::host {

LRESULT ButtonProc(WindowManager& manager, Window& window, Control& control, UINT message, WPARAM wParam);
LRESULT ComboProc(WindowManager& manager, Window& window, Control& control, UINT message, WPARAM wParam,
                  LPARAM lParam);
LRESULT ListViewProc(WindowManager& manager, Window& window, Control& control, UINT message, WPARAM wParam,
                     LPARAM lParam);
LRESULT ProgressProc(WindowManager& manager, Window& window, Control& control, UINT message, WPARAM wParam,
                     LPARAM lParam);

// The NUL-terminated text a message carries in lParam; empty for none.
std::string TextFrom(LPARAM lParam);

// Copies at most size - 1 bytes and a terminating NUL; the number of bytes copied.
LRESULT CopyOut(std::string_view text, char* buffer, std::size_t size);

// WPARAM and LPARAM values that carry a signed int (an index, -1 for none).
int AsInt(WPARAM value);
int AsInt(LPARAM value);

}  // namespace afx::host
