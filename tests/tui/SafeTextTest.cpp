// Texts from the model reach the terminal only as printable glyphs: what could drive
// the terminal (control characters, escape sequences, C1 codes, invisible direction
// overrides, broken UTF-8) is spelled out instead, and wide characters take two cells.
#include "tui/SafeText.h"

#include <gtest/gtest.h>

#include <string>

namespace tuitest {
namespace {

using tui::Glyph;
using tui::GlyphReader;
using tui::SafeString;
using tui::SafeWidth;

struct Case {
    const char* name;
    std::string text;
    std::string shown;
    int cells;
};

TEST(SafeText, ShowsEveryUnsafeCharacterEscaped) {
    const Case cases[] = {
        {"plain ASCII", "LPT1:", "LPT1:", 5},
        {"escape sequence", "\x1b[2J\x1b]0;pwned\x07", "\\x1b[2J\\x1b]0;pwned\\x07", 23},
        {"line breaks and tab", "a\nb\r\tc", "a\\nb\\r\\tc", 9},
        {"DEL", "x\x7fy", "x\\x7fy", 6},
        {"C1 CSI as UTF-8", "\xc2\x9b" "31m", "\\u009b31m", 9},
        {"bidi override", "abc\xe2\x80\xae" "def", "abc\\u202edef", 12},
        {"zero-width space", "a\xe2\x80\x8b" "b", "a\\u200bb", 8},
        {"byte order mark", "\xef\xbb\xbfX", "\\ufeffX", 7},
        {"invalid byte", "A\xff" "B", "A\\xffB", 6},
        {"lone continuation byte", "\x80", "\\x80", 4},
        {"overlong slash", "\xc0\xaf", "\\xc0\\xaf", 8},
        {"UTF-16 surrogate", "\xed\xa0\x80", "\\xed\\xa0\\x80", 12},
        {"cut off at the end", "ok\xe4\xb8", "ok\\xe4\\xb8", 10},
        {"Chinese, two cells each", "端口设置", "端口设置", 8},
        {"full-width colon", "错误：", "错误：", 6},
        {"combining mark joins its letter", "e\xcc\x81t\xc3\xa9", "e\xcc\x81t\xc3\xa9", 3},
        {"combining mark with nothing to sit on", "\xcc\x81x", "\\u0301x", 7},
        {"more marks than a cell holds", "a\xcc\x81\xcc\x81\xcc\x81\xcc\x81\xcc\x81",
         "a\xcc\x81\xcc\x81\xcc\x81\xcc\x81\\u0301", 7},
        {"tag characters", "\xf3\xa0\x80\x81", "\\U000e0001", 10},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SafeString(c.text), c.shown) << c.name;
        EXPECT_EQ(SafeWidth(c.text), c.cells) << c.name;
    }
}

TEST(SafeText, NothingUnsafeSurvivesArbitraryBytes) {
    // Every byte value, alone and after a lead byte of each length.
    std::string everything;
    for (int lead : {0, 0xC3, 0xE4, 0xF0}) {
        for (int byte = 0; byte < 256; ++byte) {
            if (lead != 0) everything.push_back(static_cast<char>(lead));
            everything.push_back(static_cast<char>(byte));
        }
    }
    GlyphReader reader(everything);
    Glyph glyph;
    int glyphs = 0;
    while (reader.Next(glyph)) {
        ++glyphs;
        ASSERT_TRUE(glyph.width == 1 || glyph.width == 2);
        for (unsigned char c : glyph.text) {
            ASSERT_FALSE(c < 0x20 || c == 0x7F) << "control byte " << int(c) << " in glyph " << glyphs;
        }
        ASSERT_NE(glyph.text, "\xc2\x9b");  // C1 CSI
        ASSERT_NE(glyph.text, "\xe2\x80\xae");  // right-to-left override
    }
    EXPECT_GT(glyphs, 1024);
}

TEST(SafeText, EscapedGlyphsPointAtTheCharacterTheyStandFor) {
    GlyphReader reader("a\x1b" "b");
    Glyph glyph;
    std::vector<std::pair<std::string, std::size_t>> seen;
    while (reader.Next(glyph)) seen.emplace_back(glyph.text, glyph.source);
    const std::vector<std::pair<std::string, std::size_t>> expected = {
        {"a", 0}, {"\\", 1}, {"x", 1}, {"1", 1}, {"b", 1}, {"b", 2}};
    EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace tuitest
