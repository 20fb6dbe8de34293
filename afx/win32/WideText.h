#pragma once

#include <string>
#include <string_view>

// The framework's texts are UTF-8; the Windows user interface takes UTF-16, so the
// Chinese texts read right whatever the system's ANSI code page is.
namespace afx::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// Copies `text` into a caller's buffer of `capacity` bytes, NUL-terminated, cut at a
// character boundary when it does not fit. Returns the bytes copied (without the NUL).
std::size_t CopyToBuffer(std::string_view text, char* buffer, std::size_t capacity);

}  // namespace afx::win32
