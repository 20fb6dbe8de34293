#include "tui/TextLayout.h"

#include <algorithm>

namespace tui {
namespace {

bool IsSpace(const Glyph& glyph) { return !glyph.escaped && glyph.text == " "; }

int WidthOf(const std::vector<Glyph>& glyphs, std::size_t from, std::size_t to) {
    int width = 0;
    for (std::size_t i = from; i < to; ++i) width += glyphs[i].width;
    return width;
}

void WrapParagraph(std::vector<Glyph> glyphs, int maxCells, std::vector<TextLine>& lines) {
    std::size_t start = 0;
    while (true) {
        // Take glyphs while they fit; a glyph wider than the whole line goes alone.
        std::size_t end = start;
        int width = 0;
        while (end < glyphs.size() && (width + glyphs[end].width <= maxCells || end == start)) {
            width += glyphs[end].width;
            ++end;
        }
        std::size_t next = end;
        if (end < glyphs.size()) {
            if (IsSpace(glyphs[end])) {
                next = end + 1;  // the space that did not fit ends the line
            } else {
                for (std::size_t i = end; i > start + 1; --i) {
                    if (IsSpace(glyphs[i - 1])) {
                        end = i - 1;
                        next = i;
                        break;
                    }
                }
            }
        }
        TextLine line;
        line.glyphs.assign(glyphs.begin() + static_cast<std::ptrdiff_t>(start),
                           glyphs.begin() + static_cast<std::ptrdiff_t>(end));
        line.width = WidthOf(glyphs, start, end);
        lines.push_back(std::move(line));
        start = next;
        if (start >= glyphs.size()) break;
    }
}

}  // namespace

CaptionText ParseCaption(std::string_view caption, bool prefix) {
    CaptionText parsed;
    if (!prefix) {
        parsed.text.assign(caption);
        return parsed;
    }
    parsed.text.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != '&' && parsed.mnemonicAt == std::string::npos) {
                parsed.mnemonicAt = parsed.text.size();
            }
        }
        parsed.text.push_back(caption[i]);
    }
    return parsed;
}

std::vector<TextLine> WrapLines(std::string_view text, int maxCells) {
    maxCells = std::max(maxCells, 1);
    std::vector<TextLine> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        const std::string_view paragraph = text.substr(start, end == std::string_view::npos ? end : end - start);
        std::vector<Glyph> glyphs;
        GlyphReader reader(paragraph);
        Glyph glyph;
        while (reader.Next(glyph)) {
            glyph.source += start;
            glyphs.push_back(glyph);
        }
        if (glyphs.empty()) {
            lines.emplace_back();
        } else {
            WrapParagraph(std::move(glyphs), maxCells, lines);
        }
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

int DrawLine(Canvas& canvas, int x, int y, int width, const TextLine& line, Style style, Align align,
             std::size_t mnemonicAt) {
    int column = x;
    if (line.width < width) {
        if (align == Align::Center) column += (width - line.width) / 2;
        if (align == Align::Right) column += width - line.width;
    }
    const int first = column;
    const int limit = x + width;
    for (const Glyph& glyph : line.glyphs) {
        if (column + glyph.width > limit) break;
        const bool mnemonic = !glyph.escaped && glyph.source == mnemonicAt;
        canvas.PutGlyph(column, y, glyph, mnemonic ? style.With(kAttrUnderline) : style);
        column += glyph.width;
    }
    return first;
}

TextLine OneLine(std::string_view text, int maxCells) {
    TextLine line;
    GlyphReader reader(text);
    Glyph glyph;
    while (reader.Next(glyph)) {
        if (line.width + glyph.width > maxCells) break;
        line.width += glyph.width;
        line.glyphs.push_back(glyph);
    }
    return line;
}

int DrawCaption(Canvas& canvas, int x, int y, int width, const CaptionText& caption, Style style, Align align) {
    return DrawLine(canvas, x, y, width, OneLine(caption.text, std::max(width, 0)), style, align,
                    caption.mnemonicAt);
}

}  // namespace tui
