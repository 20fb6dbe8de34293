#pragma once

#include "afx/host/InputEvent.h"
#include "tui/Stroke.h"

#include <optional>

// The keyboard of a Windows dialog user, from what a terminal sends: Tab and Shift+Tab,
// arrows, Space, Enter, Esc, Alt+letter, Alt+Space, Alt+F4, Alt+Down, F1, F4; characters
// typed go to the focused field (or act as mnemonics where nothing takes them).
namespace tui {

struct KeyContext {
    bool focusTakesText = false;  // an editable field has the focus: Space types a blank
};

struct KeyAction {
    std::optional<afx::host::InputEvent> event;
    bool redraw = false;  // Ctrl+L: paint the whole terminal afresh
};

// Nothing in the result means the key does nothing in a dialog.
KeyAction TranslateKey(const Stroke& stroke, const KeyContext& context);

}  // namespace tui
