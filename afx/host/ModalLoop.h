#pragma once

#include "afx/host/Model.h"
#include "afx/host/WindowManager.h"

// The host's modal loop. Internal to afx/host.
namespace afx::host {

// Runs `window` (already on the desktop) modally: disables its owner, initialises it
// (WM_INITDIALOG for a dialog), shows it, hands it input until it ends, re-enables the
// owner and removes the window. The window's result; when the input ran out first, the
// loop ends with IDCANCEL for a dialog and 0 for a message box.
INT_PTR RunModalLoop(WindowManager& manager, Window& window);

}  // namespace afx::host
