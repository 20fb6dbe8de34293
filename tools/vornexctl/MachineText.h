#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vornexctl {

// The machine keeps its registry texts as 8-bit strings, as the ANSI calls hand them
// over, and does not say in which code page. The tool reads them as UTF-8 where they
// form valid UTF-8 (what a host program writes) and any other byte as the Latin-1
// character of the same number, so every byte survives and ASCII stays ASCII.
std::u32string DecodeMachineText(std::string_view bytes);

// The same text as UTF-8.
std::string MachineTextToUtf8(std::string_view bytes);

// The bytes of a registry string value widened to UTF-16LE, as a Unicode registry
// holds them: each NUL byte becomes a NUL character, so terminators are kept.
std::vector<std::uint8_t> WidenToUtf16Le(std::span<const std::uint8_t> bytes);

void AppendUtf16Le(std::vector<std::uint8_t>& out, char32_t codePoint);

// How many UTF-16 units the text takes (the unit in which Windows counts columns).
std::size_t Utf16Length(std::u32string_view text);

}  // namespace vornexctl
