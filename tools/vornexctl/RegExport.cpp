#include "tools/vornexctl/RegExport.h"

#include "machine/RegData.h"
#include "platform/Registry.h"
#include "tools/vornexctl/Escaping.h"
#include "tools/vornexctl/MachineText.h"
#include "tools/vornexctl/Utf8.h"

#include <algorithm>
#include <cstdio>

namespace vornexctl {

namespace {

// regedit ends a line of hex bytes once it reaches this column, then goes on after
// a backslash on a new line indented by two spaces.
constexpr std::size_t kHexWrapColumn = 77;
constexpr std::size_t kContinuationIndent = 2;

bool HoldsControl(std::u32string_view text)
{
    return std::ranges::any_of(text, [](char32_t c) { return IsControl(c); });
}

// "text" with backslashes and quotes escaped, as UTF-8.
std::string QuotedText(std::u32string_view text)
{
    std::string out = "\"";
    for (char32_t c : text) {
        if (c == U'\\' || c == U'"')
            out += '\\';
        AppendUtf8(out, c);
    }
    out += '"';
    return out;
}

std::string Hex2(unsigned value)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02x", value & 0xFFu);
    return text;
}

// Appends the bytes as "xx,xx,..." to `line`, whose last line is `column` UTF-16
// units long so far.
void AppendHexBytes(std::string& line, std::size_t column, std::span<const std::uint8_t> bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        line += Hex2(bytes[i]);
        if (i + 1 == bytes.size())
            break;
        line += ',';
        column += 3;
        if (column >= kHexWrapColumn) {
            line += "\\\n";
            line.append(kContinuationIndent, ' ');
            column = kContinuationIndent;
        }
    }
}

// A REG_SZ that is exactly one control-free text and its terminating NUL.
bool IsPlainString(std::span<const std::uint8_t> data, std::u32string& text)
{
    if (data.empty() || data.back() != 0)
        return false;
    const auto body = data.first(data.size() - 1);
    if (std::ranges::find(body, std::uint8_t{0}) != body.end())
        return false;
    text = DecodeMachineText(std::string_view(reinterpret_cast<const char*>(body.data()), body.size()));
    return !HoldsControl(text);
}

std::string HexTypeTag(std::uint32_t type)
{
    if (type == platform::kRegBinary)
        return "hex:";
    char text[24];
    std::snprintf(text, sizeof text, "hex(%x):", static_cast<unsigned>(type));
    return text;
}

bool IsStringType(std::uint32_t type)
{
    return type == platform::kRegSz || type == platform::kRegExpandSz || type == platform::kRegMultiSz;
}

}  // namespace

bool FormatRegValue(const machine::StoredValue& value, std::string& line, std::string& why)
{
    const std::u32string name = DecodeMachineText(value.name);
    if (HoldsControl(name)) {
        why = "the value name \"" + EscapeField(value.name) + "\" holds a control character";
        return false;
    }
    line = value.name.empty() ? "@" : QuotedText(name);
    line += '=';

    std::u32string text;
    if (value.type == platform::kRegSz && IsPlainString(value.data, text)) {
        line += QuotedText(text);
        return true;
    }
    if (value.type == platform::kRegDword) {
        if (const auto number = machine::DecodeDword(value.data)) {
            char digits[16];
            std::snprintf(digits, sizeof digits, "dword:%08x", static_cast<unsigned>(*number));
            line += digits;
            return true;
        }
    }
    // Everything else as hex bytes; the string types as the UTF-16 a Unicode
    // registry holds, which is what hex(1), hex(2) and hex(7) mean in this format.
    const std::vector<std::uint8_t> bytes = IsStringType(value.type) ? WidenToUtf16Le(value.data) : value.data;
    line += HexTypeTag(value.type);
    const std::size_t column = Utf16Length(DecodeMachineText(line));
    AppendHexBytes(line, column, bytes);
    return true;
}

RegFileBuilder::RegFileBuilder()
{
    m_text = kRegFileHeader;
    m_text += "\n\n";
}

bool RegFileBuilder::AddKey(const machine::RegistryKeyRecord& key)
{
    const std::u32string path = DecodeMachineText(key.path);
    if (HoldsControl(path)) {
        m_error = "the key \"" + EscapeField(key.path) + "\" has a control character in its name";
        return false;
    }
    std::string section = "[";
    for (char32_t c : path)
        AppendUtf8(section, c);
    section += "]\n";
    for (const machine::StoredValue& value : key.values) {
        std::string line;
        std::string why;
        if (!FormatRegValue(value, line, why)) {
            m_error = "in the key \"" + EscapeField(key.path) + "\", " + why;
            return false;
        }
        section += line;
        section += '\n';
    }
    section += '\n';
    m_text += section;
    return true;
}

std::string EncodeRegFile(std::string_view text, RegFileEncoding encoding)
{
    if (encoding == RegFileEncoding::Utf8)
        return std::string(text);
    std::vector<std::uint8_t> bytes{0xFF, 0xFE};
    for (char32_t c : DecodeMachineText(text)) {
        if (c == U'\n')
            AppendUtf16Le(bytes, U'\r');
        AppendUtf16Le(bytes, c);
    }
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace vornexctl
