#pragma once

#include "afx/host/InputEvent.h"
#include "afx/win32/WinApi.h"

#include <optional>
#include <string>

// A flow's actions as a person's input reaches real windows: keys posted to the
// focused control, clicks as button clicks or mouse messages, choices in a combo box's
// list as the selection and its notification. Everything is posted, so an action that
// opens a modal dialog leaves the robot free to watch it.
namespace robot {

class Screen;

// Delivers `event` to `active` (the active window). Returns the reason when the screen
// refuses it, as it would refuse a person: a hidden or disabled control, a control the
// window does not have, a menu item it does not offer.
std::optional<std::string> Perform(const afx::host::InputEvent& event, HWND active, const Screen& screen);

}  // namespace robot
