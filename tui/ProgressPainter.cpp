#include "afx/WinConstants.h"
#include "tui/PaintContext.h"

#include <algorithm>
#include <string>

namespace tui {

using afx::host::Control;

// "[██████████████         60%              ]": the done part filled, the percentage in
// the middle, its digits reversed where they lie over the filled part.
void PaintProgress(const PaintContext& context, const Control& control, CellRect cells) {
    Canvas& canvas = context.canvas;
    const Style field{Role::Field};
    canvas.Fill(cells, field);
    int x = cells.x;
    int width = cells.width;
    if ((control.style & WS_BORDER) != 0 && width >= 3) {
        canvas.Put(cells.x, cells.y, "[", Style{Role::Face});
        canvas.Put(cells.Right() - 1, cells.y, "]", Style{Role::Face});
        ++x;
        width -= 2;
    }
    const long long range = static_cast<long long>(control.rangeHigh) - control.rangeLow;
    const long long done =
        range > 0 ? std::clamp(static_cast<long long>(control.position) - control.rangeLow, 0LL, range) : 0;
    const int filled = range > 0 ? static_cast<int>(width * done / range) : 0;
    const Style fill{Role::ProgressFill};
    for (int column = 0; column < filled; ++column) canvas.Put(x + column, cells.y, "█", fill);
    const std::string percent = std::to_string(range > 0 ? done * 100 / range : 0) + "%";
    const int textX = x + (width - static_cast<int>(percent.size())) / 2;
    for (std::size_t i = 0; i < percent.size(); ++i) {
        const int column = textX + static_cast<int>(i);
        if (column < x || column >= x + width) continue;
        canvas.Put(column, cells.y, std::string(1, percent[i]), column - x < filled ? fill.With(kAttrReverse) : field);
    }
}

// "├─────█─────┤": a track and its thumb.
void PaintSlider(const PaintContext& context, const Control& control, CellRect cells, bool focused) {
    Canvas& canvas = context.canvas;
    const Style style = TextStyle(control);
    if (cells.width < 3) return;
    canvas.Put(cells.x, cells.y, "├", style);
    canvas.HorizontalLine(cells.x + 1, cells.y, cells.width - 2, Line::Single, style);
    canvas.Put(cells.Right() - 1, cells.y, "┤", style);
    const long long range = static_cast<long long>(control.rangeHigh) - control.rangeLow;
    const long long at = range > 0 ? std::clamp(static_cast<long long>(control.position) - control.rangeLow, 0LL, range) : 0;
    const int thumb = cells.x + 1 + (range > 0 ? static_cast<int>((cells.width - 3) * at / range) : 0);
    canvas.Put(thumb, cells.y, "█", focused ? Style{Role::ButtonFocus} : style);
    if (focused) canvas.SetCursor({thumb, cells.y});
    context.Hit(cells, HitTarget::Kind::Control, control.id);
}

}  // namespace tui
