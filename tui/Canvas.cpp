#include "tui/Canvas.h"

#include "tui/SafeText.h"

namespace tui {
namespace {

struct LineGlyphs {
    const char* horizontal;
    const char* vertical;
    const char* topLeft;
    const char* topRight;
    const char* bottomLeft;
    const char* bottomRight;
};

constexpr LineGlyphs kSingle{"─", "│", "┌", "┐", "└", "┘"};
constexpr LineGlyphs kDouble{"═", "║", "╔", "╗", "╚", "╝"};

const LineGlyphs& GlyphsOf(Line line) { return line == Line::Double ? kDouble : kSingle; }

std::string TrimRight(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace

Canvas::Canvas(CellSize size, Style background)
    : m_size(size),
      m_clip{0, 0, size.width, size.height},
      m_cells(static_cast<std::size_t>(size.width * size.height), Cell{" ", background, false}) {}

const Cell& Canvas::At(int x, int y) const { return m_cells[static_cast<std::size_t>(y * m_size.width + x)]; }

void Canvas::SetClip(const CellRect& clip) { m_clip = clip.Intersect({0, 0, m_size.width, m_size.height}); }

void Canvas::ResetClip() { m_clip = {0, 0, m_size.width, m_size.height}; }

void Canvas::Set(int x, int y, std::string_view glyph, int width, Style style) {
    // A wide character cut in half by this glyph leaves a blank in its other half.
    auto unpair = [this, y](int column) {
        if (column < 0 || column >= m_size.width) return;
        Cell& cell = CellAt(column, y);
        if (cell.tail && column > 0) {
            CellAt(column - 1, y).glyph = " ";
        } else if (column + 1 < m_size.width && CellAt(column + 1, y).tail) {
            Cell& tail = CellAt(column + 1, y);
            tail.glyph = " ";
            tail.tail = false;
        }
        cell.tail = false;
    };
    unpair(x);
    if (width == 2) unpair(x + 1);
    Cell& cell = CellAt(x, y);
    cell.glyph.assign(glyph);
    cell.style = style;
    if (width == 2) {
        Cell& tail = CellAt(x + 1, y);
        tail.glyph.clear();
        tail.style = style;
        tail.tail = true;
    }
}

void Canvas::Fill(const CellRect& rect, Style style) {
    const CellRect area = rect.Intersect(m_clip);
    for (int y = area.y; y < area.Bottom(); ++y) {
        for (int x = area.x; x < area.Right(); ++x) Set(x, y, " ", 1, style);
    }
}

void Canvas::Put(int x, int y, std::string_view glyph, Style style) {
    if (Inside(x, y)) Set(x, y, glyph, 1, style);
}

void Canvas::PutGlyph(int x, int y, const Glyph& glyph, Style style) {
    if (!Inside(x, y)) return;
    const Style look = glyph.escaped ? style.With(kAttrEscaped) : style;
    if (glyph.width == 2 && !Inside(x + 1, y)) {
        Set(x, y, " ", 1, look);  // half a character would not show
    } else {
        Set(x, y, glyph.text, glyph.width, look);
    }
}

int Canvas::Write(int x, int y, std::string_view utf8, Style style, int maxCells) {
    int used = 0;
    GlyphReader reader(utf8);
    Glyph glyph;
    while (used < maxCells && reader.Next(glyph)) {
        if (used + glyph.width > maxCells) break;
        PutGlyph(x + used, y, glyph, style);
        used += glyph.width;
    }
    return used;
}

void Canvas::AddAttrs(const CellRect& rect, std::uint8_t attrs) {
    const CellRect area = rect.Intersect(m_clip);
    for (int y = area.y; y < area.Bottom(); ++y) {
        for (int x = area.x; x < area.Right(); ++x) {
            Cell& cell = CellAt(x, y);
            cell.style = cell.style.With(attrs);
        }
    }
}

void Canvas::SetRole(const CellRect& rect, Role role) {
    const CellRect area = rect.Intersect(m_clip);
    for (int y = area.y; y < area.Bottom(); ++y) {
        for (int x = area.x; x < area.Right(); ++x) CellAt(x, y).style.role = role;
    }
}

void Canvas::HorizontalLine(int x, int y, int width, Line line, Style style) {
    for (int column = x; column < x + width; ++column) Put(column, y, GlyphsOf(line).horizontal, style);
}

void Canvas::Box(const CellRect& rect, Line line, Style style) {
    if (rect.width < 2 || rect.height < 2) return;
    const LineGlyphs& glyphs = GlyphsOf(line);
    const int right = rect.Right() - 1;
    const int bottom = rect.Bottom() - 1;
    HorizontalLine(rect.x + 1, rect.y, rect.width - 2, line, style);
    HorizontalLine(rect.x + 1, bottom, rect.width - 2, line, style);
    for (int y = rect.y + 1; y < bottom; ++y) {
        Put(rect.x, y, glyphs.vertical, style);
        Put(right, y, glyphs.vertical, style);
    }
    Put(rect.x, rect.y, glyphs.topLeft, style);
    Put(right, rect.y, glyphs.topRight, style);
    Put(rect.x, bottom, glyphs.bottomLeft, style);
    Put(right, bottom, glyphs.bottomRight, style);
}

std::vector<std::string> Canvas::Lines() const {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(m_size.height));
    for (int y = 0; y < m_size.height; ++y) {
        std::string line;
        for (int x = 0; x < m_size.width; ++x) line += At(x, y).glyph;
        lines.push_back(TrimRight(std::move(line)));
    }
    return lines;
}

std::string Canvas::Text() const { return TextOf({0, 0, m_size.width, m_size.height}); }

std::string Canvas::TextOf(const CellRect& rect) const {
    const CellRect area = rect.Intersect({0, 0, m_size.width, m_size.height});
    std::string text;
    for (int y = area.y; y < area.Bottom(); ++y) {
        std::string line;
        for (int x = area.x; x < area.Right(); ++x) {
            const Cell& cell = At(x, y);
            line += cell.tail && x == area.x ? std::string(" ") : cell.glyph;
        }
        text += TrimRight(std::move(line));
        text += '\n';
    }
    return text;
}

}  // namespace tui
