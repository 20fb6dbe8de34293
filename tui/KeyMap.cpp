#include "tui/KeyMap.h"

#include <string>

namespace tui {
namespace {

using afx::host::AltLetter;
using afx::host::Key;
using afx::host::KeyPress;
using afx::host::TypeText;

constexpr char32_t kEscape = 0x1B;
constexpr char32_t kCtrlL = 0x0C;
constexpr char32_t kCtrlH = 0x08;
constexpr char32_t kDelete = 0x7F;

std::string Utf8(char32_t c) {
    std::string text;
    if (c < 0x80) {
        text.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        text.push_back(static_cast<char>(0xC0 | (c >> 6)));
        text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        text.push_back(static_cast<char>(0xE0 | (c >> 12)));
        text.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        text.push_back(static_cast<char>(0xF0 | (c >> 18)));
        text.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
    return text;
}

bool IsAsciiAlnum(char32_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

KeyAction Press(Key key) { return {KeyPress{key}, false}; }

KeyAction WithAlt(const Stroke& stroke) {
    if (stroke.kind == Stroke::Kind::Char) {
        if (stroke.ch == ' ') return Press(Key::AltSpace);
        if (IsAsciiAlnum(stroke.ch)) return {AltLetter{static_cast<char>(stroke.ch)}, false};
        return {};
    }
    switch (stroke.key) {
        case TermKey::Function: return stroke.function == 4 ? Press(Key::AltF4) : KeyAction{};
        case TermKey::Down:
        case TermKey::Up: return Press(Key::AltDown);
        default: return {};
    }
}

KeyAction Character(char32_t c, const KeyContext& context) {
    switch (c) {
        case kEscape: return Press(Key::Escape);
        case '\t': return Press(Key::Tab);
        case '\r':
        case '\n': return Press(Key::Enter);
        case kDelete:
        case kCtrlH: return Press(Key::Backspace);
        case kCtrlL: return {std::nullopt, true};
        case ' ': return context.focusTakesText ? KeyAction{TypeText{" "}, false} : Press(Key::Space);
        default: break;
    }
    if (c < 0x20 || (c >= 0x80 && c < 0xA0) || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {};
    return {TypeText{Utf8(c)}, false};
}

KeyAction Special(const Stroke& stroke) {
    switch (stroke.key) {
        case TermKey::Up: return Press(Key::Up);
        case TermKey::Down: return Press(Key::Down);
        case TermKey::Left: return Press(Key::Left);
        case TermKey::Right: return Press(Key::Right);
        case TermKey::Home: return Press(Key::Home);
        case TermKey::End: return Press(Key::End);
        case TermKey::BackTab: return Press(Key::ShiftTab);
        case TermKey::Enter: return Press(Key::Enter);
        case TermKey::Backspace: return Press(Key::Backspace);
        case TermKey::Function:
            if (stroke.function == 1) return Press(Key::F1);
            if (stroke.function == 4) return Press(Key::F4);
            return {};
        default: return {};
    }
}

}  // namespace

KeyAction TranslateKey(const Stroke& stroke, const KeyContext& context) {
    if (stroke.kind != Stroke::Kind::Char && stroke.kind != Stroke::Kind::Key) return {};
    if (stroke.alt) return WithAlt(stroke);
    return stroke.kind == Stroke::Kind::Char ? Character(stroke.ch, context) : Special(stroke);
}

}  // namespace tui
