#include "afx/host/Text.h"

#include <cstdint>

namespace afx::host {
namespace {

struct Range {
    char32_t first;
    char32_t last;
};

// East Asian wide and full-width blocks.
constexpr Range kWide[] = {
    {0x1100, 0x115F},   {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},
    {0xFE30, 0xFE4F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},   {0x1F300, 0x1F64F},
    {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
};

// Combining marks, drawn over the character before them.
constexpr Range kCombining[] = {
    {0x0300, 0x036F}, {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF}, {0x20D0, 0x20FF}, {0xFE20, 0xFE2F},
};

template <std::size_t N>
bool In(const Range (&ranges)[N], char32_t c) {
    for (const Range& range : ranges) {
        if (c >= range.first && c <= range.last) {
            return true;
        }
    }
    return false;
}

// Decodes one character at `at`; `length` 1 and U+FFFD for a byte that starts none.
char32_t Decode(std::string_view text, std::size_t at, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t needed = 0;
    char32_t value = 0;
    if (lead < 0x80) {
        length = 1;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        needed = 1;
        value = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        needed = 2;
        value = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        needed = 3;
        value = lead & 0x07u;
    } else {
        length = 1;
        return 0xFFFD;
    }
    if (at + needed >= text.size()) {
        length = 1;
        return 0xFFFD;
    }
    for (std::size_t i = 1; i <= needed; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            length = 1;
            return 0xFFFD;
        }
        value = (value << 6) | (next & 0x3Fu);
    }
    length = needed + 1;
    return value;
}

char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

int DisplayWidth(std::string_view utf8) {
    int cells = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        std::size_t length = 1;
        const char32_t c = Decode(utf8, at, length);
        at += length;
        if (In(kCombining, c)) {
            continue;
        }
        cells += In(kWide, c) ? 2 : 1;
    }
    return cells;
}

bool EqualNoCase(std::string_view left, std::string_view right) {
    if (left.size() != right.size()) {
        return false;
    }
    for (std::size_t i = 0; i < left.size(); ++i) {
        if (Fold(left[i]) != Fold(right[i])) {
            return false;
        }
    }
    return true;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

std::size_t LastCharLength(std::string_view text) {
    std::size_t length = 0;
    while (length < text.size() && length < 4) {
        ++length;
        const auto byte = static_cast<unsigned char>(text[text.size() - length]);
        if ((byte & 0xC0) != 0x80) {
            break;
        }
    }
    return length;
}

}  // namespace afx::host
