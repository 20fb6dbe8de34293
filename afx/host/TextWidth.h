#pragma once

#include <string_view>

namespace afx::host {

// Terminal cells a UTF-8 text takes: East Asian wide and full-width characters take
// two, combining marks none, everything else one. Bytes that are not valid UTF-8 take
// one cell each.
int DisplayWidth(std::string_view utf8);

}  // namespace afx::host
