#include "tools/vornexctl/Escaping.h"

#include <gtest/gtest.h>

namespace {

struct EscapeCase {
    const char* what;
    std::string raw;
    std::string shown;
};

TEST(EscapeField, ShowsControlsAndBadBytesAndKeepsTheRest)
{
    using namespace std::string_literals;
    const EscapeCase cases[] = {
        {"plain port name", "COM1:", "COM1:"},
        {"Windows path keeps its backslashes", "C:\\WINDOWS\\system32", "C:\\WINDOWS\\system32"},
        {"tab, line feed, carriage return", "a\tb\nc\r", "a\\tb\\nc\\r"},
        {"terminal escape sequence", "\x1b[2Jx", "\\x1b[2Jx"},
        {"NUL and DEL", "a\0b\x7f"s, "a\\x00b\\x7f"},
        {"UTF-8 text passes", "caf\xc3\xa9 \xe5\xae\x8b", "caf\xc3\xa9 \xe5\xae\x8b"},
        {"C1 control in UTF-8 form (CSI)", "\xc2\x9b" "31m", "\\xc2\\x9b" "31m"},
        {"byte that is not UTF-8", "\xff\xe9", "\\xff\\xe9"},
        {"truncated sequence", "ab\xe5\xae", "ab\\xe5\\xae"},
        {"overlong slash", "\xc0\xaf", "\\xc0\\xaf"},
        {"UTF-16 surrogate in UTF-8 form", "\xed\xa0\x80", "\\xed\\xa0\\x80"},
    };
    for (const EscapeCase& c : cases)
        EXPECT_EQ(vornexctl::EscapeField(c.raw), c.shown) << c.what;
}

TEST(EscapeField, EscapingTwiceChangesNothing)
{
    // Messages may escape a name and then the whole sentence again.
    const std::string once = vornexctl::EscapeField("x\x1b\ty\xff");
    EXPECT_EQ(vornexctl::EscapeField(once), once);
}

TEST(EscapeLines, KeepsLineEndsAndEndsTheLastLine)
{
    EXPECT_EQ(vornexctl::EscapeLines("COM1:\nbad\x1b\tport\n"), "COM1:\nbad\\x1b\\tport\n");
    EXPECT_EQ(vornexctl::EscapeLines("no line feed"), "no line feed\n");
    EXPECT_EQ(vornexctl::EscapeLines("\n\n"), "\n\n");
    EXPECT_EQ(vornexctl::EscapeLines(""), "");
}

}  // namespace
