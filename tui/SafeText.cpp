#include "tui/SafeText.h"

#include "afx/host/Text.h"

#include <cstdio>

namespace tui {
namespace {

constexpr int kMaxCombiningMarks = 4;  // a terminal cell holds a few at most

struct Decoded {
    char32_t value = 0;
    std::size_t length = 1;
    bool valid = false;
};

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
Decoded DecodeAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {lead, 1, true};
    std::size_t needed = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        needed = 1, value = lead & 0x1Fu, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        needed = 2, value = lead & 0x0Fu, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        needed = 3, value = lead & 0x07u, minimum = 0x10000;
    } else {
        return {};
    }
    if (at + needed >= text.size()) return {};
    for (std::size_t i = 1; i <= needed; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return {};
        value = (value << 6) | (next & 0x3Fu);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return {};
    return {value, needed + 1, true};
}

// Characters that print nothing visible or change how the terminal lays text out.
bool IsUnsafe(char32_t c) {
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return true;  // C0, DEL, C1
    switch (c) {
        case 0x00AD:  // soft hyphen
        case 0x061C:  // Arabic letter mark
        case 0x115F:
        case 0x1160:
        case 0x180E:
        case 0x2028:  // line and paragraph separators
        case 0x2029:
        case 0x3164:
        case 0xFEFF:  // byte order mark
        case 0xFFA0:
            return true;
        default:
            break;
    }
    return (c >= 0x200B && c <= 0x200F) ||  // zero-width spaces and joiners, direction marks
           (c >= 0x202A && c <= 0x202E) ||  // direction embeddings and overrides
           (c >= 0x2060 && c <= 0x206F) ||  // word joiner, invisible operators, isolates
           (c >= 0xFFF9 && c <= 0xFFFB) ||  // interlinear annotation
           c == 0xFFFE || c == 0xFFFF ||    // not characters
           (c >= 0xE0000 && c <= 0xE0FFF);  // tags and variation selectors
}

std::string ByteEscape(unsigned char byte) {
    switch (byte) {
        case '\n': return "\\n";
        case '\r': return "\\r";
        case '\t': return "\\t";
        default: break;
    }
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02x", byte);
    return text;
}

std::string CodePointEscape(char32_t c) {
    char text[16];
    if (c <= 0xFFFF) {
        std::snprintf(text, sizeof text, "\\u%04x", static_cast<unsigned>(c));
    } else {
        std::snprintf(text, sizeof text, "\\U%08x", static_cast<unsigned>(c));
    }
    return text;
}

}  // namespace

void GlyphReader::StartEscape(std::string spelling) {
    m_escape = std::move(spelling);
    m_escapeAt = 0;
    m_escapeSource = m_lastSource;
}

bool GlyphReader::NextEscaped(Glyph& glyph) {
    glyph.text.assign(1, m_escape[m_escapeAt++]);
    glyph.width = 1;
    glyph.escaped = true;
    glyph.source = m_escapeSource;
    if (m_escapeAt == m_escape.size()) {
        m_escape.clear();
        m_escapeAt = 0;
    }
    return true;
}

bool GlyphReader::Next(Glyph& glyph) {
    if (!m_escape.empty()) return NextEscaped(glyph);
    if (m_at >= m_text.size()) return false;
    m_lastSource = m_at;
    glyph.source = m_at;

    const char first = m_text[m_at];
    const auto byte = static_cast<unsigned char>(first);
    if (byte >= 0x20 && byte < 0x7F) {  // printable ASCII
        glyph.text.assign(1, first);
        glyph.width = 1;
        glyph.escaped = false;
        ++m_at;
        if (m_at < m_text.size() && static_cast<unsigned char>(m_text[m_at]) >= 0x80) AttachMarks(glyph);
        return true;
    }

    const Decoded decoded = DecodeAt(m_text, m_at);
    if (!decoded.valid) {
        ++m_at;
        StartEscape(ByteEscape(byte));
        return NextEscaped(glyph);
    }
    const std::string_view bytes = m_text.substr(m_at, decoded.length);
    m_at += decoded.length;
    if (decoded.value < 0x80) {
        StartEscape(ByteEscape(byte));
        return NextEscaped(glyph);
    }
    const int width = afx::host::DisplayWidth(bytes);
    if (IsUnsafe(decoded.value) || width == 0) {  // a mark with nothing to sit on
        StartEscape(CodePointEscape(decoded.value));
        return NextEscaped(glyph);
    }
    glyph.text.assign(bytes);
    glyph.width = width;
    glyph.escaped = false;
    AttachMarks(glyph);
    return true;
}

// Combining marks join the character before them, up to what a cell holds.
void GlyphReader::AttachMarks(Glyph& glyph) {
    for (int marks = 0; marks < kMaxCombiningMarks && m_at < m_text.size(); ++marks) {
        const Decoded next = DecodeAt(m_text, m_at);
        if (!next.valid || next.value < 0x300 || IsUnsafe(next.value)) break;
        const std::string_view mark = m_text.substr(m_at, next.length);
        if (afx::host::DisplayWidth(mark) != 0) break;
        glyph.text.append(mark);
        m_at += next.length;
    }
}

int SafeWidth(std::string_view utf8) {
    int cells = 0;
    GlyphReader reader(utf8);
    Glyph glyph;
    while (reader.Next(glyph)) cells += glyph.width;
    return cells;
}

std::string SafeString(std::string_view utf8) {
    std::string safe;
    GlyphReader reader(utf8);
    Glyph glyph;
    while (reader.Next(glyph)) safe += glyph.text;
    return safe;
}

}  // namespace tui
