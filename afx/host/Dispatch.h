#pragma once

#include "afx/host/InputEvent.h"
#include "afx/host/Model.h"
#include "afx/host/WindowManager.h"

#include <string>

// Handing the user's input to the active window. Internal to afx/host.
namespace afx::host {

// Whether an event reached the window, and if not, why.
struct Delivery {
    bool delivered = true;
    std::string reason;

    static Delivery Done() { return {}; }
    static Delivery Refused(std::string why) { return {false, std::move(why)}; }
};

Delivery DeliverEvent(WindowManager& manager, Window& window, const InputEvent& event);

// The keyboard as a dialog takes it (IsDialogMessage): Tab, arrows, Enter, Esc...
Delivery HandleKey(WindowManager& manager, Window& window, Key key);
// Alt+letter, and a plain letter where the focused control does not take characters.
Delivery HandleMnemonic(WindowManager& manager, Window& window, char letter);
// The open system menu takes the keys.
Delivery HandleMenuKey(WindowManager& manager, Window& window, Key key);
Delivery ChooseSystemMenuItem(WindowManager& manager, Window& window, UINT id);
Delivery OpenSystemMenu(WindowManager& manager, Window& window);

}  // namespace afx::host
