#pragma once

#include "tui/Canvas.h"
#include "tui/SafeText.h"

#include <string>
#include <string_view>
#include <vector>

// Captions with their mnemonic marks and texts wrapped into lines, as the controls show
// them.
namespace tui {

// A caption as shown: "&&" is one ampersand, "&N" shows N underlined.
struct CaptionText {
    std::string text;
    std::size_t mnemonicAt = std::string::npos;  // byte offset of the underlined character
};

CaptionText ParseCaption(std::string_view caption, bool prefix);

// One line of glyphs and its width in cells.
struct TextLine {
    std::vector<Glyph> glyphs;
    int width = 0;
};

// Splits at line feeds, then wraps each paragraph at spaces to `maxCells` (a word too
// long for a line is cut between characters).
std::vector<TextLine> WrapLines(std::string_view text, int maxCells);

enum class Align { Left, Center, Right };

// Draws a line in `width` cells from x; the glyph at `mnemonicAt` underlined. Returns the
// column of its first glyph.
int DrawLine(Canvas& canvas, int x, int y, int width, const TextLine& line, Style style, Align align,
             std::size_t mnemonicAt = std::string::npos);

// A caption on one line, cut to `width` cells; returns the column of its first glyph.
int DrawCaption(Canvas& canvas, int x, int y, int width, const CaptionText& caption, Style style,
                Align align = Align::Left);

// The caption's glyphs on one line, as many as fit in `maxCells`.
TextLine OneLine(std::string_view text, int maxCells);

}  // namespace tui
