#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Texts from the model (captions, rows, and strings that came from the spooler) turned
// into what a terminal can show without being driven by them: one glyph per cell, or
// two for East Asian wide characters. Control characters, escape sequences, invisible
// format characters (bidirectional overrides, zero-width spaces) and bytes that are not
// UTF-8 become their escaped spelling ("\x1b", "\u202e"), one cell per character of it,
// so nothing but printable text ever reaches the terminal.
namespace tui {

struct Glyph {
    std::string text;      // one character and its combining marks, or one character of an escape
    int width = 1;         // cells: 1 or 2
    bool escaped = false;  // part of an escape's spelling
    std::size_t source = 0;  // byte offset in the text of the character it shows
};

// Reads glyphs off a UTF-8 text; plain ASCII takes the short road.
class GlyphReader {
public:
    explicit GlyphReader(std::string_view utf8) : m_text(utf8) {}

    // False at the end of the text.
    bool Next(Glyph& glyph);

private:
    bool NextEscaped(Glyph& glyph);
    void AttachMarks(Glyph& glyph);
    void StartEscape(std::string spelling);

    std::string_view m_text;
    std::size_t m_at = 0;
    std::string m_escape;  // the rest of an escape's spelling, not yet handed out
    std::size_t m_escapeAt = 0;
    std::size_t m_escapeSource = 0;
    std::size_t m_lastSource = 0;
};

// The cells `utf8` takes once made safe.
int SafeWidth(std::string_view utf8);

// `utf8` made safe, as one string (for messages outside the screen grid).
std::string SafeString(std::string_view utf8);

}  // namespace tui
