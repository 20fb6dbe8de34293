#pragma once

#include <cstdint>

// One thing read from the terminal: a character, a special key, a mouse button, a change
// of size, or the end of the input. Alt shows as `alt` (terminals send it as an Escape
// before the key).
namespace tui {

enum class TermKey : std::uint8_t {
    None,
    Up,
    Down,
    Left,
    Right,
    Home,
    End,
    PageUp,
    PageDown,
    BackTab,
    Enter,
    Backspace,
    Delete,
    Function,  // F1...F12: `function` says which
};

enum class MouseButton : std::uint8_t { Left, Right, WheelUp, WheelDown };

struct Stroke {
    enum class Kind : std::uint8_t { Char, Key, Mouse, Resize, End };

    Kind kind = Kind::End;
    char32_t ch = 0;  // Char
    TermKey key = TermKey::None;
    int function = 0;  // TermKey::Function
    bool alt = false;
    MouseButton button = MouseButton::Left;  // Mouse, at (x, y) on the terminal
    int x = 0;
    int y = 0;

    static Stroke Char(char32_t c, bool alt = false) { return {Kind::Char, c, TermKey::None, 0, alt, {}, 0, 0}; }
    static Stroke Key(TermKey key, bool alt = false) { return {Kind::Key, 0, key, 0, alt, {}, 0, 0}; }
    static Stroke F(int number, bool alt = false) { return {Kind::Key, 0, TermKey::Function, number, alt, {}, 0, 0}; }
    static Stroke Mouse(MouseButton button, int x, int y) { return {Kind::Mouse, 0, TermKey::None, 0, false, button, x, y}; }
    static Stroke Resize() { return {Kind::Resize, 0, TermKey::None, 0, false, {}, 0, 0}; }
};

}  // namespace tui
