#include "afx/host/InputEvent.h"

#include <type_traits>

namespace afx::host {

const char* KeyName(Key key) {
    switch (key) {
        case Key::Enter: return "Enter";
        case Key::Escape: return "Esc";
        case Key::Tab: return "Tab";
        case Key::ShiftTab: return "Shift+Tab";
        case Key::Up: return "Up";
        case Key::Down: return "Down";
        case Key::Left: return "Left";
        case Key::Right: return "Right";
        case Key::Home: return "Home";
        case Key::End: return "End";
        case Key::Space: return "Space";
        case Key::Backspace: return "Backspace";
        case Key::F1: return "F1";
        case Key::F4: return "F4";
        case Key::AltDown: return "Alt+Down";
        case Key::AltF4: return "Alt+F4";
        case Key::AltSpace: return "Alt+Space";
    }
    return "?";
}

std::string Describe(const InputEvent& event) {
    return std::visit(
        [](const auto& e) -> std::string {
            using E = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<E, KeyPress>) {
                return std::string("key ") + KeyName(e.key);
            } else if constexpr (std::is_same_v<E, AltLetter>) {
                return std::string("key Alt+") + e.letter;
            } else if constexpr (std::is_same_v<E, TypeText>) {
                return "type \"" + e.text + "\"";
            } else if constexpr (std::is_same_v<E, ClickControl>) {
                return "click " + std::to_string(e.id);
            } else if constexpr (std::is_same_v<E, ClickRow>) {
                return "row " + std::to_string(e.id) + " " + std::to_string(e.row);
            } else if constexpr (std::is_same_v<E, PressControl>) {
                return "press " + std::to_string(e.id);
            } else if constexpr (std::is_same_v<E, ClickCloseBox>) {
                return "close box";
            } else if constexpr (std::is_same_v<E, ChooseMenuItem>) {
                return "system menu " + std::to_string(e.id);
            } else if constexpr (std::is_same_v<E, MinimizeWindow>) {
                return "minimise";
            } else {
                return "restore";
            }
        },
        event);
}

}  // namespace afx::host
