// What a terminal sends, as the dialog keys a Windows user presses.
#include "tui/KeyMap.h"

#include <gtest/gtest.h>

#include <string>

namespace tuitest {
namespace {

using afx::host::Describe;
using afx::host::InputEvent;
using tui::KeyContext;
using tui::Stroke;
using tui::TermKey;
using tui::TranslateKey;

std::string Translated(const Stroke& stroke, bool inField = false) {
    KeyContext context;
    context.focusTakesText = inField;
    const tui::KeyAction action = TranslateKey(stroke, context);
    if (action.redraw) return "redraw";
    return action.event ? Describe(*action.event) : "nothing";
}

TEST(KeyMap, TerminalKeysBecomeDialogKeys) {
    struct Case {
        Stroke stroke;
        std::string expected;
    };
    const Case cases[] = {
        {Stroke::Char('\t'), Describe(afx::host::KeyPress{afx::host::Key::Tab})},
        {Stroke::Key(TermKey::BackTab), Describe(afx::host::KeyPress{afx::host::Key::ShiftTab})},
        {Stroke::Char('\r'), Describe(afx::host::KeyPress{afx::host::Key::Enter})},
        {Stroke::Char('\n'), Describe(afx::host::KeyPress{afx::host::Key::Enter})},
        {Stroke::Key(TermKey::Enter), Describe(afx::host::KeyPress{afx::host::Key::Enter})},
        {Stroke::Char(0x1B), Describe(afx::host::KeyPress{afx::host::Key::Escape})},
        {Stroke::Char(' '), Describe(afx::host::KeyPress{afx::host::Key::Space})},
        {Stroke::Key(TermKey::Up), Describe(afx::host::KeyPress{afx::host::Key::Up})},
        {Stroke::Key(TermKey::End), Describe(afx::host::KeyPress{afx::host::Key::End})},
        {Stroke::Char(0x7F), Describe(afx::host::KeyPress{afx::host::Key::Backspace})},
        {Stroke::F(1), Describe(afx::host::KeyPress{afx::host::Key::F1})},
        {Stroke::F(4), Describe(afx::host::KeyPress{afx::host::Key::F4})},
        // Alt arrives as an Escape before the key.
        {Stroke::Char('n', true), Describe(afx::host::AltLetter{'n'})},
        {Stroke::Char('I', true), Describe(afx::host::AltLetter{'I'})},
        {Stroke::Char(' ', true), Describe(afx::host::KeyPress{afx::host::Key::AltSpace})},
        {Stroke::F(4, true), Describe(afx::host::KeyPress{afx::host::Key::AltF4})},
        {Stroke::Key(TermKey::Down, true), Describe(afx::host::KeyPress{afx::host::Key::AltDown})},
        // Characters type (or act as mnemonics where nothing takes them).
        {Stroke::Char('L'), Describe(afx::host::TypeText{"L"})},
        {Stroke::Char(U'端'), Describe(afx::host::TypeText{"端"})},
        // Keys a dialog has no use for do nothing; Ctrl+L paints the screen again.
        {Stroke::F(7), "nothing"},
        {Stroke::Key(TermKey::PageDown), "nothing"},
        {Stroke::Char(0x03), "nothing"},
        {Stroke::Char(0x9B), "nothing"},
        {Stroke::Char(U'é', true), "nothing"},
        {Stroke::Char(0x0C), "redraw"},
        {Stroke::Resize(), "nothing"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Translated(c.stroke), c.expected) << c.expected;
    }
}

TEST(KeyMap, SpaceTypesABlankInAnEditableField) {
    EXPECT_EQ(Translated(Stroke::Char(' '), true), Describe(afx::host::TypeText{" "}));
    EXPECT_EQ(Translated(Stroke::Char('\t'), true), Describe(afx::host::KeyPress{afx::host::Key::Tab}));
}

}  // namespace
}  // namespace tuitest
