#pragma once

#include "afx/AfxIds.h"
#include "afx/WinConstants.h"
#include "afx/WinDefs.h"

#include <string_view>

// Free functions of the framework.

// A message box owned by the active window (disabled while the box is up), captioned
// with the application's title. A box without an icon of its own gets the exclamation
// icon for MB_OK and MB_OKCANCEL, the question icon for MB_YESNO and MB_YESNOCANCEL.
// Returns the button pressed (IDOK...), or 0 when the box could not be shown.
int AfxMessageBox(std::string_view text, UINT type = MB_OK, UINT helpId = 0);
// The same with a text from the string table.
int AfxMessageBox(UINT promptId, UINT type = MB_OK, UINT helpId = static_cast<UINT>(-1));

// Lets dialogs host ActiveX controls. No template holds one, so there is nothing to do.
void AfxEnableControlContainer();

// Icon resource `id` (res/), or null when there is none. Icons are shared and never
// released.
HICON AfxLoadIcon(UINT id);
