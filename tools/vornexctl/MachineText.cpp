#include "tools/vornexctl/MachineText.h"

#include "tools/vornexctl/Utf8.h"

namespace vornexctl {

std::u32string DecodeMachineText(std::string_view bytes)
{
    std::u32string text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        char32_t codePoint = 0;
        std::size_t length = DecodeUtf8(bytes, codePoint);
        if (length == 0) {
            codePoint = static_cast<unsigned char>(bytes[0]);
            length = 1;
        }
        text.push_back(codePoint);
        bytes.remove_prefix(length);
    }
    return text;
}

std::string MachineTextToUtf8(std::string_view bytes)
{
    std::string out;
    for (char32_t codePoint : DecodeMachineText(bytes))
        AppendUtf8(out, codePoint);
    return out;
}

void AppendUtf16Le(std::vector<std::uint8_t>& out, char32_t codePoint)
{
    auto putUnit = [&out](char32_t unit) {
        out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        out.push_back(static_cast<std::uint8_t>(unit >> 8 & 0xFF));
    };
    if (codePoint < 0x10000) {
        putUnit(codePoint);
    } else {
        const char32_t offset = codePoint - 0x10000;
        putUnit(0xD800 + (offset >> 10));
        putUnit(0xDC00 + (offset & 0x3FF));
    }
}

std::vector<std::uint8_t> WidenToUtf16Le(std::span<const std::uint8_t> bytes)
{
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::vector<std::uint8_t> wide;
    wide.reserve(bytes.size() * 2);
    for (char32_t codePoint : DecodeMachineText(text))
        AppendUtf16Le(wide, codePoint);
    return wide;
}

std::size_t Utf16Length(std::u32string_view text)
{
    std::size_t units = 0;
    for (char32_t codePoint : text)
        units += codePoint < 0x10000 ? 1 : 2;
    return units;
}

}  // namespace vornexctl
