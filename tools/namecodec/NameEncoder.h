#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Produces the stored forms of display names. The product only decodes; this runs the
// same key schedule forwards at development time (and in the tests).
namespace namecodec {

// Each plain byte is XORed with the high byte of the running key and written as two
// letters: 'A' + b / 26, then 'A' + b % 26 (so the first letter is A to J).
std::string EncodeName(std::string_view plain, std::uint16_t key);

// A key as typed on a command line: decimal ("27000") or hexadecimal ("0x6978"),
// 0 to 65535. std::nullopt for anything else.
std::optional<std::uint16_t> ParseNameKey(std::string_view text);

}  // namespace namecodec
