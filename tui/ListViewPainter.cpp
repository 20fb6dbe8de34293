#include "afx/CommonControls.h"
#include "afx/WinConstants.h"
#include "tui/PaintContext.h"
#include "tui/TextLayout.h"

#include <algorithm>
#include <vector>

namespace tui {
namespace {

using afx::host::Control;

constexpr DWORD kLvsTypeMask = 0x0003;
constexpr DWORD kLvsNoColumnHeader = 0x4000;
constexpr int kLvcfmtJustifyMask = 0x0003;

struct ColumnSpan {
    int x = 0;      // first cell
    int width = 0;  // cells, its divider included
};

std::vector<ColumnSpan> LayColumns(const Control& list, int left) {
    std::vector<ColumnSpan> spans;
    int x = left;
    for (const afx::host::ListColumn& column : list.columns) {
        const int width = ColumnCells(column.width);
        spans.push_back({x, width});
        x += width;
    }
    return spans;
}

Align AlignOf(int format) {
    switch (format & kLvcfmtJustifyMask) {
        case LVCFMT_RIGHT: return Align::Right;
        case LVCFMT_CENTER: return Align::Center;
        default: return Align::Left;
    }
}

// The text of one cell: a blank cell of padding, the text, the divider in the last cell.
void PaintCellText(Canvas& canvas, const ColumnSpan& span, int y, std::string_view text, int format, Style style) {
    if (span.width < 3) return;
    DrawLine(canvas, span.x + 1, y, span.width - 2, OneLine(text, span.width - 2), style, AlignOf(format));
}

}  // namespace

void PaintScrollBar(const PaintContext& context, int id, int x, int top, int height, int first, int visible,
                    int count) {
    Canvas& canvas = context.canvas;
    if (height < 2 || count <= visible) return;
    const Style style{Role::Button};
    canvas.Put(x, top, "^", style);
    canvas.Put(x, top + height - 1, "v", style);
    context.Hit({x, top, 1, 1}, HitTarget::Kind::ScrollBar, id, -1);
    context.Hit({x, top + height - 1, 1, 1}, HitTarget::Kind::ScrollBar, id, 1);
    const int track = height - 2;
    if (track <= 0) return;
    const int thumb = std::clamp(track * visible / count, 1, track);
    const int maxFirst = count - visible;
    const int thumbAt = maxFirst > 0 ? ((track - thumb) * first + maxFirst / 2) / maxFirst : 0;
    for (int row = 0; row < track; ++row) {
        const bool inThumb = row >= thumbAt && row < thumbAt + thumb;
        canvas.Put(x, top + 1 + row, inThumb ? "█" : "░", style);
        if (!inThumb) {
            context.Hit({x, top + 1 + row, 1, 1}, HitTarget::Kind::ScrollBar, id, row < thumbAt ? -visible : visible);
        }
    }
}

// Report view: headed columns, rows scrolled to keep the selection in view, the
// selection across the whole row with LVS_EX_FULLROWSELECT (else on the item's text),
// dividers between the columns' cells with LVS_EX_GRIDLINES. Without the focus the
// selection shows, dimmer, only with LVS_SHOWSELALWAYS.
void PaintListView(const PaintContext& context, const Control& list, CellRect cells, bool focused) {
    Canvas& canvas = context.canvas;
    const Style field = TextStyle(list, Role::Field);
    canvas.Fill(cells, field);
    context.Hit(cells, HitTarget::Kind::ListHeader, list.id);
    CellRect inner = cells;
    if ((list.style & WS_BORDER) != 0) {
        canvas.Box(cells, Line::Single, focused ? field.With(kAttrBold) : field);
        inner = cells.Inset(1);
    }
    if (inner.Empty()) return;

    const bool report = (list.style & kLvsTypeMask) == LVS_REPORT;
    const bool header = report && (list.style & kLvsNoColumnHeader) == 0 && !list.columns.empty();
    const int bodyTop = inner.y + (header ? 1 : 0);
    const int bodyRows = inner.Bottom() - bodyTop;
    const int count = static_cast<int>(list.rows.size());
    const bool scrolls = count > bodyRows && bodyRows >= 2;
    const int rowsWidth = inner.width - (scrolls ? 1 : 0);

    int focusedRow = -1;
    for (int row = 0; row < count; ++row) {
        if ((list.rows[static_cast<std::size_t>(row)].state & LVIS_FOCUSED) != 0) focusedRow = row;
    }
    const int selected = list.SelectedRow();
    const int tracked = selected >= 0 ? selected : focusedRow;
    const int top = context.view.ScrollFor(list.handle, tracked, count, bodyRows);

    std::vector<ColumnSpan> spans = report ? LayColumns(list, inner.x) : std::vector<ColumnSpan>{};
    if (!report) spans.push_back({inner.x, rowsWidth});
    const bool grid = report && (list.listExStyle & LVS_EX_GRIDLINES) != 0;
    const bool fullRow = report && (list.listExStyle & LVS_EX_FULLROWSELECT) != 0;
    const bool showSelection = focused || (list.style & LVS_SHOWSELALWAYS) != 0;
    const Style selection{focused ? Role::Selection : Role::SelectionInactive};

    const CellRect saved = canvas.Clip();
    canvas.SetClip(CellRect{inner.x, inner.y, rowsWidth, inner.height}.Intersect(saved));
    if (header) {
        const Style look = TextStyle(list, Role::Button);
        canvas.Fill({inner.x, inner.y, rowsWidth, 1}, look);
        for (std::size_t column = 0; column < spans.size(); ++column) {
            PaintCellText(canvas, spans[column], inner.y, list.columns[column].text, list.columns[column].format, look);
            canvas.Put(spans[column].x + spans[column].width - 1, inner.y, "│", look);
        }
    }
    for (int row = top; row < std::min(count, top + bodyRows); ++row) {
        const afx::host::ListRow& item = list.rows[static_cast<std::size_t>(row)];
        const int y = bodyTop + row - top;
        const bool isSelected = showSelection && (item.state & LVIS_SELECTED) != 0;
        if (isSelected && fullRow) canvas.Fill({inner.x, y, rowsWidth, 1}, selection);
        for (std::size_t column = 0; column < spans.size(); ++column) {
            const ColumnSpan& span = spans[column];
            Style look = isSelected && fullRow ? selection : field;
            if (isSelected && !fullRow && column == 0) {
                look = selection;
                canvas.Fill({span.x, y, std::min(span.width - 1, SafeWidth(item.Text(0)) + 2), 1}, look);
            }
            const int format = column < list.columns.size() ? list.columns[column].format : 0;
            PaintCellText(canvas, span, y, item.Text(column), format, look);
            if (grid) canvas.Put(span.x + span.width - 1, y, "│", isSelected && fullRow ? selection : field);
        }
        // With the focus and no selection, the focused row is underlined.
        if (focused && selected < 0 && row == focusedRow) canvas.AddAttrs({inner.x, y, rowsWidth, 1}, kAttrUnderline);
        context.Hit({inner.x, y, rowsWidth, 1}, HitTarget::Kind::ListRow, list.id, row);
    }
    canvas.SetClip(saved);

    const int shown = std::max(0, std::min(count - top, bodyRows));
    context.Hit({inner.x, bodyTop + shown, rowsWidth, bodyRows - shown}, HitTarget::Kind::ListRow, list.id, -1);
    if (scrolls) PaintScrollBar(context, list.id, inner.Right() - 1, bodyTop, bodyRows, top, bodyRows, count);
    if (focused) {
        const int cursorRow = tracked >= top && tracked < top + bodyRows ? tracked - top : 0;
        canvas.SetCursor({inner.x, bodyTop + cursorRow});
    }
}

}  // namespace tui
