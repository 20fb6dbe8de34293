#include "tools/vornexctl/RegExport.h"

#include "machine/RegData.h"
#include "platform/Registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace {

using machine::StoredValue;
using vornexctl::RegFileBuilder;

std::vector<std::uint8_t> Bytes(std::string_view text)
{
    return {text.begin(), text.end()};
}

StoredValue Sz(std::string name, std::string_view text)
{
    return {std::move(name), platform::kRegSz, machine::EncodeSz(text)};
}

std::string ValueLine(const StoredValue& value)
{
    std::string line;
    std::string why;
    EXPECT_TRUE(vornexctl::FormatRegValue(value, line, why)) << why;
    return line;
}

// A tiny key with one value of each kind, as regedit would write it.
TEST(RegFileBuilder, WritesTheFormatRegeditImports)
{
    const std::vector<std::string> files{"TTFSUB.GPD", "UNIRES.DLL"};
    const machine::RegistryKeyRecord key{
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Vornex",
        {
            Sz("", "C:\\Path \"q\""),
            {"Count", platform::kRegDword, machine::EncodeDword(90)},
            {"Dependent Files", platform::kRegMultiSz, machine::EncodeMultiSz(files)},
            {"Root", platform::kRegExpandSz, machine::EncodeSz("%SystemRoot%")},
            {"Blob", platform::kRegBinary, {0x01, 0x02, 0xAB}},
            Sz("Empty", ""),
            Sz("Quote\"d\\name", "x"),
        }};
    const machine::RegistryKeyRecord subKey{"HKEY_LOCAL_MACHINE\\SOFTWARE\\Vornex\\Empty Key", {}};

    RegFileBuilder builder;
    ASSERT_TRUE(builder.AddKey(key));
    ASSERT_TRUE(builder.AddKey(subKey));
    EXPECT_EQ(builder.Text(),
              "Windows Registry Editor Version 5.00\n"
              "\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vornex]\n"
              "@=\"C:\\\\Path \\\"q\\\"\"\n"
              "\"Count\"=dword:0000005a\n"
              "\"Dependent Files\"=hex(7):54,00,54,00,46,00,53,00,55,00,42,00,2e,00,47,00,50,00,\\\n"
              "  44,00,00,00,55,00,4e,00,49,00,52,00,45,00,53,00,2e,00,44,00,4c,00,4c,00,00,\\\n"
              "  00,00,00\n"
              "\"Root\"=hex(2):25,00,53,00,79,00,73,00,74,00,65,00,6d,00,52,00,6f,00,6f,00,74,\\\n"
              "  00,25,00,00,00\n"
              "\"Blob\"=hex:01,02,ab\n"
              "\"Empty\"=\"\"\n"
              "\"Quote\\\"d\\\\name\"=\"x\"\n"
              "\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vornex\\Empty Key]\n"
              "\n");
}

struct ValueCase {
    const char* what;
    StoredValue value;
    std::string line;
};

// Data that is not one plain string goes out as hex so that it comes back exactly
// and no control character lands in the file.
TEST(FormatRegValue, WritesUnusualDataAsHex)
{
    using namespace std::string_literals;
    const ValueCase cases[] = {
        {"line feed in a string", Sz("Odd", "a\nb"), "\"Odd\"=hex(1):61,00,0a,00,62,00,00,00"},
        {"escape in a string", Sz("E", "\x1b[0m"), "\"E\"=hex(1):1b,00,5b,00,30,00,6d,00,00,00"},
        {"C1 byte in a string", Sz("C", "\x9b"), "\"C\"=hex(1):9b,00,00,00"},
        {"string without terminator", {"N", platform::kRegSz, Bytes("ab")}, "\"N\"=hex(1):61,00,62,00"},
        {"string with an inner NUL", {"I", platform::kRegSz, Bytes("a\0b\0"s)}, "\"I\"=hex(1):61,00,00,00,62,00,00,00"},
        {"empty string data", {"Z", platform::kRegSz, {}}, "\"Z\"=hex(1):"},
        {"DWORD of two bytes", {"D", platform::kRegDword, {0x01, 0x02}}, "\"D\"=hex(4):01,02"},
        {"QWORD", {"Q", 11, {1, 0, 0, 0, 0, 0, 0, 0}}, "\"Q\"=hex(b):01,00,00,00,00,00,00,00"},
        {"REG_NONE", {"X", 0, {0xff}}, "\"X\"=hex(0):ff"},
        {"empty binary", {"B", platform::kRegBinary, {}}, "\"B\"=hex:"},
        {"Latin-1 byte in a multi-string", {"M", platform::kRegMultiSz, Bytes("\xe9\0\0"s)}, "\"M\"=hex(7):e9,00,00,00,00,00"},
        {"UTF-8 in a multi-string", {"M", platform::kRegMultiSz, Bytes("\xc3\xa9\0\0"s)}, "\"M\"=hex(7):e9,00,00,00,00,00"},
        {"Latin-1 byte in a name", Sz("Caf\xe9", "1"), "\"Caf\xc3\xa9\"=\"1\""},
        {"UTF-8 in a string", Sz("U", "\xe5\xae\x8b"), "\"U\"=\"\xe5\xae\x8b\""},
    };
    for (const ValueCase& c : cases)
        EXPECT_EQ(ValueLine(c.value), c.line) << c.what;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// regedit ends a hex line once it reaches column 77, then continues after "\" on a
// line indented by two spaces; the bytes read back in order.
TEST(FormatRegValue, WrapsLongHexDataAsRegeditDoes)
{
    struct WrapCase {
        std::size_t nameLength;
        std::size_t byteCount;
        std::vector<std::size_t> bytesPerLine;
    };
    const WrapCase cases[] = {
        {4, 50, {22, 25, 3}},   // "Data"=hex: is 11 columns
        {4, 22, {22}},          // fits exactly: no continuation after the last byte
        {4, 23, {22, 1}},
        {80, 3, {1, 2}},        // a name past the limit: the first line holds one byte
        {0, 60, {24, 25, 11}},  // the default value: @=hex: is 6 columns
    };
    for (const WrapCase& c : cases) {
        std::vector<std::uint8_t> data(c.byteCount);
        for (std::size_t i = 0; i < data.size(); ++i)
            data[i] = static_cast<std::uint8_t>(i * 7);
        const std::string name = c.nameLength == 4 ? "Data" : std::string(c.nameLength, 'n');
        const std::vector<std::string> lines = Lines(ValueLine({name, platform::kRegBinary, data}));

        ASSERT_EQ(lines.size(), c.bytesPerLine.size()) << name.size() << "/" << c.byteCount;
        std::string hex;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            std::string body = lines[i];
            if (i > 0) {
                ASSERT_EQ(body.substr(0, 2), "  ");
                body = body.substr(2);
            } else {
                body = body.substr(body.find("hex:") + 4);
            }
            if (i + 1 < lines.size()) {
                ASSERT_EQ(body.back(), '\\');
                body.pop_back();
            }
            if (c.nameLength < 77) {
                EXPECT_LE(lines[i].size(), 80u);
            }
            const std::size_t commas = static_cast<std::size_t>(std::count(body.begin(), body.end(), ','));
            EXPECT_EQ(commas + (i + 1 == lines.size() ? 1 : 0), c.bytesPerLine[i]) << "line " << i;
            hex += body;
        }
        std::string expected;
        char pair[4];
        for (std::size_t i = 0; i < data.size(); ++i) {
            std::snprintf(pair, sizeof pair, i + 1 < data.size() ? "%02x," : "%02x", data[i]);
            expected += pair;
        }
        EXPECT_EQ(hex, expected);
    }
}

TEST(RegFileBuilder, RefusesNamesWithControlCharacters)
{
    RegFileBuilder builder;
    const std::string header = builder.Text();

    EXPECT_FALSE(builder.AddKey({"HKEY_LOCAL_MACHINE\\Ports", {Sz("COM1:", "ok"), Sz("EVIL\x1b[2J:", "")}}));
    EXPECT_NE(builder.Error().find("EVIL\\x1b[2J:"), std::string::npos) << builder.Error();
    EXPECT_NE(builder.Error().find("HKEY_LOCAL_MACHINE\\Ports"), std::string::npos) << builder.Error();

    EXPECT_FALSE(builder.AddKey({"HKEY_LOCAL_MACHINE\\Bad\nKey", {}}));
    EXPECT_NE(builder.Error().find("Bad\\nKey"), std::string::npos) << builder.Error();

    EXPECT_EQ(builder.Text(), header) << "a refused key adds nothing";
}

TEST(EncodeRegFile, Utf16IsWhatRegeditWrites)
{
    using namespace std::string_literals;
    const std::string text = "A\n\xc3\xa9\xf0\x9f\x98\x80\n";
    EXPECT_EQ(vornexctl::EncodeRegFile(text, vornexctl::RegFileEncoding::Utf8), text);
    EXPECT_EQ(vornexctl::EncodeRegFile(text, vornexctl::RegFileEncoding::Utf16Le),
              "\xff\xfe" "A\0\r\0\n\0" "\xe9\0" "\x3d\xd8\x00\xde" "\r\0\n\0"s);
}

}  // namespace
