#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vornexctl {

// The length of the well-formed UTF-8 sequence at the start of `bytes` (1 to 4), or 0
// when it does not start with one (overlong forms, surrogates and values above
// U+10FFFF are not well-formed). `codePoint` receives the character.
std::size_t DecodeUtf8(std::string_view bytes, char32_t& codePoint);

void AppendUtf8(std::string& out, char32_t codePoint);

// A control character: C0, DEL or C1.
constexpr bool IsControl(char32_t codePoint)
{
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
}

}  // namespace vornexctl
