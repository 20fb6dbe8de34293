#include "tui/PaintContext.h"
#include "tui/TextLayout.h"

#include <algorithm>

namespace tui {
namespace {

using afx::host::Control;

constexpr int kFaceDu = 12;  // a closed combo box's own height in dialog units

}  // namespace

// "[VORNEX T-80        v]": the selected row and the arrow that opens the list. A
// focused drop-down list shows its text highlighted, as Windows does.
void PaintComboFace(const PaintContext& context, const Control& control, CellRect cells, bool focused) {
    Canvas& canvas = context.canvas;
    const Style style = TextStyle(control, Role::Field);
    canvas.Fill(cells, style);
    context.Hit(cells, HitTarget::Kind::Control, control.id);
    if (cells.width < 4) return;
    canvas.Put(cells.x, cells.y, "[", style);
    canvas.Put(cells.Right() - 2, cells.y, "v", control.enabled ? Style{Role::Button} : style);
    canvas.Put(cells.Right() - 1, cells.y, "]", style);
    const CellRect text{cells.x + 1, cells.y, cells.width - 4, 1};
    const Style textStyle = focused ? Style{Role::Selection} : style;
    if (focused) canvas.Fill(text, textStyle);
    if (control.selection >= 0 && control.selection < static_cast<int>(control.items.size())) {
        canvas.Write(text.x, text.y, control.items[static_cast<std::size_t>(control.selection)], textStyle, text.width);
    }
    if (focused) canvas.SetCursor({text.x, text.y});
}

// The open list under the face (over it when the screen ends first), as many rows as
// the template's height allows, scrolled to keep the highlighted row in view.
void PaintComboList(const PaintContext& context, const Control& control, CellRect face) {
    Canvas& canvas = context.canvas;
    const int count = static_cast<int>(control.items.size());
    const int maxRows = std::max(1, (control.rect.cy - kFaceDu) / kDuPerCellY);
    const int rows = std::clamp(count, 1, maxRows);
    const int height = rows + 1;  // the rows and one border line
    const bool below = face.Bottom() + height <= context.screen.height || face.y - height < 0;
    const CellRect box{face.x, below ? face.Bottom() : face.y - height, face.width, height};
    const int firstRow = below ? box.y : box.y + 1;

    const Style style{Role::Menu};
    canvas.Fill(box, style);
    const int borderY = below ? box.Bottom() - 1 : box.y;
    canvas.HorizontalLine(box.x + 1, borderY, box.width - 2, Line::Single, style);
    canvas.Put(box.x, borderY, below ? "└" : "┌", style);
    canvas.Put(box.Right() - 1, borderY, below ? "┘" : "┐", style);
    for (int y = firstRow; y < firstRow + rows; ++y) {
        canvas.Put(box.x, y, "│", style);
        canvas.Put(box.Right() - 1, y, "│", style);
    }
    context.Hit(box, HitTarget::Kind::Menu, control.id);

    const int highlight = control.highlight >= 0 ? control.highlight : control.selection;
    const int top = context.view.ScrollFor(control.handle, highlight, count, rows);
    const int textWidth = box.width - 2;
    for (int row = top; row < std::min(count, top + rows); ++row) {
        const int y = firstRow + row - top;
        const CellRect line{box.x + 1, y, textWidth, 1};
        const Style look = row == highlight ? Style{Role::Selection} : style;
        canvas.Fill(line, look);
        canvas.Write(line.x, y, control.items[static_cast<std::size_t>(row)], look, textWidth);
        context.Hit(line, HitTarget::Kind::ComboItem, control.id, row);
        if (row == highlight) canvas.SetCursor({line.x, y});
    }
    if (count > rows) PaintScrollBar(context, control.id, box.Right() - 1, firstRow, rows, top, rows, count);
}

}  // namespace tui
