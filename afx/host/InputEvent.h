#pragma once

#include "afx/WinDefs.h"

#include <cstdint>
#include <string>
#include <variant>

// What a person does at the keyboard or with the mouse, as the host's modal loops take
// it. Every event goes to the active window (the topmost enabled one).
namespace afx::host {

enum class Key : std::uint8_t {
    Enter,      // clicks a focused push button, else the OK command (or the default button)
    Escape,     // the Cancel command; closes an open combo list or menu first
    Tab,
    ShiftTab,
    Up,
    Down,
    Left,
    Right,
    Home,
    End,
    Space,      // clicks the focused button, toggles the focused check box
    Backspace,  // edit fields
    F1,         // the Help command
    F4,         // opens or closes the focused combo box's list
    AltDown,    // the same
    AltF4,      // closes the window, as the close box does
    AltSpace,   // opens the system menu
};

struct KeyPress {
    Key key;
};

// Alt with a letter or digit: presses the control whose caption marks it with '&'.
struct AltLetter {
    char letter;
};

// Text typed at the keyboard into the focused control.
struct TypeText {
    std::string text;
};

// A mouse click on control `id`: a button clicks, a combo box opens or closes its list,
// a list view's empty part clears the selection.
struct ClickControl {
    int id;
};

// A mouse click on row `row` of list view `id` (-1: its empty part), or on item `row`
// of combo box `id`'s list.
struct ClickRow {
    int id;
    int row;
};

// "Press" button `id`, as a click would: for scripts that name buttons.
struct PressControl {
    int id;
};

struct ClickCloseBox {};

// A click on an item of the system menu.
struct ChooseMenuItem {
    UINT id;
};

// The window's minimise and restore (the taskbar's doing; the dialogs have no
// minimise box).
struct MinimizeWindow {};
struct RestoreWindow {};

using InputEvent = std::variant<KeyPress, AltLetter, TypeText, ClickControl, ClickRow, PressControl,
                                ClickCloseBox, ChooseMenuItem, MinimizeWindow, RestoreWindow>;

// "key Enter", "alt N", "type \"COM5:\"", "click 1009", "row 1021 3", ...
std::string Describe(const InputEvent& event);
const char* KeyName(Key key);

}  // namespace afx::host
