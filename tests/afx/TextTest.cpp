#include "afx/host/MessageBoxes.h"
#include "afx/host/Text.h"

#include <gtest/gtest.h>

namespace {

using afx::host::DisplayWidth;

TEST(DisplayWidth, CountsWideCharactersTwiceAndMarksNone) {
    const struct {
        std::string_view text;
        int cells;
    } cases[] = {
        {"", 0},
        {"COM1:", 5},
        {"宋体", 4},
        {"关于 VORNEX(&A)...", 18},
        {"e\xCC\x81", 1},           // e and a combining acute accent
        {"\xFF\xFE", 2},            // not UTF-8: a cell per byte
        {"\xE5\xAE", 2},            // a character cut short
        {"ＡＢ", 4},               // full-width letters
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DisplayWidth(c.text), c.cells) << c.text;
    }
}

TEST(WrapText, BreaksAtSpacesOrAnywhereInChinese) {
    using afx::host::WrapText;
    EXPECT_EQ(WrapText("one two three", 8), (std::vector<std::string>{"one two", "three"}));
    EXPECT_EQ(WrapText("a\nb", 8), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(WrapText("错误：无法设置有关的注册表信息", 10),
              (std::vector<std::string>{"错误：无法", "设置有关的", "注册表信息"}));
    EXPECT_EQ(WrapText("abcdefghij", 4), (std::vector<std::string>{"abcd", "efgh", "ij"}));
    EXPECT_EQ(WrapText("", 4), (std::vector<std::string>{""}));
}

}  // namespace
