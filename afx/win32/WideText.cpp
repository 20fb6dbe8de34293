#include "afx/win32/WinApi.h"

#include "afx/win32/WideText.h"

#include <cstring>

namespace afx::win32 {

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) {
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
    }
    return wide;
}

std::string Narrow(std::wstring_view utf16) {
    if (utf16.empty()) {
        return {};
    }
    const int length =
        ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0) {
        ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), narrow.data(), length, nullptr,
                              nullptr);
    }
    return narrow;
}

std::size_t CopyToBuffer(std::string_view text, char* buffer, std::size_t capacity) {
    if (buffer == nullptr || capacity == 0) {
        return 0;
    }
    std::size_t count = text.size() < capacity - 1 ? text.size() : capacity - 1;
    // Never leave half of a multi-byte character at the end.
    while (count > 0 && count < text.size() && (static_cast<unsigned char>(text[count]) & 0xC0u) == 0x80u) {
        --count;
    }
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return count;
}

}  // namespace afx::win32
