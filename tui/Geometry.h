#pragma once

#include "afx/host/Model.h"

// Where the host's windows and controls fall on the terminal's character grid. A dialog
// unit is a quarter of a character cell across and an eighth of one down, so positions
// round to the nearest cell; a control one text line high sits on the cell row that
// holds its vertical centre.
namespace tui {

inline constexpr int kDuPerCellX = 4;
inline constexpr int kDuPerCellY = 8;

struct CellSize {
    int width = 0;
    int height = 0;
};

struct CellRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int Right() const { return x + width; }    // one past the last column
    int Bottom() const { return y + height; }  // one past the last row
    bool Empty() const { return width <= 0 || height <= 0; }
    bool Contains(int column, int row) const {
        return column >= x && column < Right() && row >= y && row < Bottom();
    }
    CellRect Intersect(const CellRect& other) const;
    CellRect Inset(int cells) const { return {x + cells, y + cells, width - 2 * cells, height - 2 * cells}; }
};

// Dialog units to cells, rounding half up (positions are never negative).
int CellsAcross(int du);
int CellsDown(int du);

// The screen of a desktop in cells: 100 x 32 for the default desktop.
CellSize ScreenCells(afx::host::DuSize screen);

struct WindowPlacement {
    CellRect frame;   // border and caption row included
    CellRect client;  // inside the frame
};

// A window's frame around its client area, moved as little as needed to stay on a
// screen of `screen` cells.
WindowPlacement PlaceWindow(const afx::host::Window& window, CellSize screen);

// Controls one text line high take one cell row; frames, lists and icons their area.
bool IsSingleLine(const afx::host::Control& control);

// A control's cells on the screen, given its window's client area.
CellRect PlaceControl(const afx::host::Control& control, const CellRect& client);

// A list view column's width in cells: 6 pixels make a cell (1.5 pixels a dialog unit).
int ColumnCells(int pixels);

}  // namespace tui
