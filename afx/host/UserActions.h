#pragma once

#include "afx/host/Model.h"
#include "afx/host/WindowManager.h"

#include <string_view>

// What the user does to a control: the change and the notification the dialog gets for
// it. Internal to afx/host.
namespace afx::host {

// WM_COMMAND(id, code) from the control to its dialog.
void NotifyCommand(WindowManager& manager, Window& window, const Control& control, UINT code);

// A click on a button: an automatic check box toggles; an automatic radio button
// checks itself and unchecks the other visible, enabled radio buttons of its group;
// then BN_CLICKED.
void ClickButton(WindowManager& manager, Window& window, Control& control);

// The user's choice of combo row `row`: CBN_SELCHANGE when the selection changes, or
// always when `always` (a click on a row of the open list).
void ChooseComboRow(WindowManager& manager, Window& window, Control& control, int row, bool always);

// Opens or closes a combo box's list (CBN_DROPDOWN, CBN_CLOSEUP).
void SetDropped(WindowManager& manager, Window& window, Control& control, bool dropped);

// The user's choice of list row `row` (selected and focused), or -1 to clear the
// selection: LVN_ITEMCHANGED for every row whose state changes.
void ChooseListRow(WindowManager& manager, Window& window, Control& control, int row);

// Typing into an edit field (EN_CHANGE); Backspace removes the last character.
void TypeIntoEdit(WindowManager& manager, Window& window, Control& control, std::string_view text);
void EraseLastChar(WindowManager& manager, Window& window, Control& control);

// Moves the keyboard focus to control `index` (-1: none); an open combo list closes.
void SetFocusTo(WindowManager& manager, Window& window, int index);

int IndexOf(const Window& window, const Control& control);

}  // namespace afx::host
