#pragma once

#include "afx/host/Model.h"
#include "afx/host/WindowManager.h"

#include <string>
#include <string_view>

// How the host's virtual controls and windows answer messages. Internal to afx/host.
namespace afx::host {

// A message the program sends to a control (SendMessage on a control's handle). The
// program's own changes raise no notification to the dialog.
LRESULT ControlProc(WindowManager& manager, Window& window, Control& control, UINT message,
                    WPARAM wParam, LPARAM lParam);

// A control's window text; a combo box's is its selected row.
std::string ControlText(const Control& control);
void SetControlText(WindowManager& manager, Window& window, Control& control, std::string_view text);

// A message to a dialog or message box: the dialog object's message map first, then
// the default processing.
LRESULT SendToWindow(WindowManager& manager, Window& window, UINT message, WPARAM wParam, LPARAM lParam);

// What a dialog does with a message nobody handled (DefDlgProc): the system commands,
// WM_CLOSE as the Cancel command, icons, painting; a message box's buttons.
LRESULT DefaultWindowProcessing(WindowManager& manager, Window& window, UINT message, WPARAM wParam,
                                LPARAM lParam);

// Minimises or restores the window and repaints it.
void SetIconic(WindowManager& manager, Window& window, bool iconic);

// The client area in pixels: 1.5 pixels per dialog unit both ways (the 9-point font's
// base units, 6 x 12 pixels).
CRect ClientRectOf(const DuRect& rect);

}  // namespace afx::host
