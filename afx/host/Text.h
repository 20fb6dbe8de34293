#pragma once

#include <string_view>

// Measuring and comparing UTF-8 texts as the host's windows show them.
namespace afx::host {

// Terminal cells a UTF-8 text takes: East Asian wide and full-width characters take
// two, combining marks none, everything else one. Bytes that are not valid UTF-8 take
// one cell each.
int DisplayWidth(std::string_view utf8);

// Equal when ASCII letters are folded to one case (as the list boxes compare).
bool EqualNoCase(std::string_view left, std::string_view right);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

// The byte length of the last UTF-8 character of `text` (0 when empty).
std::size_t LastCharLength(std::string_view text);

}  // namespace afx::host
