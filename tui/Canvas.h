#pragma once

#include "tui/Geometry.h"
#include "tui/SafeText.h"
#include "tui/Style.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The screen as a grid of cells, drawn by the painters and copied to the terminal by the
// terminal layer. Tests render into one and read it back as text, with no terminal.
namespace tui {

struct Cell {
    std::string glyph = " ";  // UTF-8, already safe to send to a terminal
    Style style;
    bool tail = false;  // the right half of the wide character in the cell before
    bool operator==(const Cell&) const = default;
};

struct CellPoint {
    int x = 0;
    int y = 0;
};

enum class Line { Single, Double };

class Canvas {
public:
    Canvas(CellSize size, Style background);

    CellSize Size() const { return m_size; }
    const Cell& At(int x, int y) const;

    // Drawing stays inside the clip (the whole canvas unless set).
    void SetClip(const CellRect& clip);
    void ResetClip();
    const CellRect& Clip() const { return m_clip; }

    void Fill(const CellRect& rect, Style style);
    // One glyph of our own drawing (a frame corner, a mark).
    void Put(int x, int y, std::string_view glyph, Style style);
    // One glyph of a model's text (escaped glyphs are marked).
    void PutGlyph(int x, int y, const Glyph& glyph, Style style);
    // A text from the model: made safe, cut at `maxCells`; returns the cells written.
    int Write(int x, int y, std::string_view utf8, Style style, int maxCells);
    // Adds attributes to the cells of `rect` without changing their glyphs.
    void AddAttrs(const CellRect& rect, std::uint8_t attrs);
    void SetRole(const CellRect& rect, Role role);

    void HorizontalLine(int x, int y, int width, Line line, Style style);
    void Box(const CellRect& rect, Line line, Style style);

    // Where the terminal's cursor goes: the focused control.
    void SetCursor(CellPoint point) { m_cursor = point; }
    void ClearCursor() { m_cursor.reset(); }
    const std::optional<CellPoint>& Cursor() const { return m_cursor; }

    // The grid as text, one string per row, trailing blanks removed.
    std::vector<std::string> Lines() const;
    std::string Text() const;
    // Rows [top, top + height) between columns [left, left + width), as Text does.
    std::string TextOf(const CellRect& rect) const;

private:
    bool Inside(int x, int y) const { return m_clip.Contains(x, y); }
    Cell& CellAt(int x, int y) { return m_cells[static_cast<std::size_t>(y * m_size.width + x)]; }
    // Writes a glyph of `width` cells, mending any wide character it cuts in half.
    void Set(int x, int y, std::string_view glyph, int width, Style style);

    CellSize m_size;
    CellRect m_clip;
    std::vector<Cell> m_cells;
    std::optional<CellPoint> m_cursor;
};

}  // namespace tui
