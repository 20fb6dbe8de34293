#include "tui/Geometry.h"

#include "tui/StyleBits.h"

#include <algorithm>

namespace tui {
namespace {

constexpr int kPixelsPerCell = 6;
// A closed combo box is as high as a line of text and its margins; the template's
// height is that of the open list.
constexpr int kComboFaceDu = 12;
constexpr int kOneLineDu = 16;  // under two text lines

int RoundDiv(int value, int divisor) {
    return value >= 0 ? (value + divisor / 2) / divisor : -((-value + divisor / 2) / divisor);
}

// Moves [start, start + length) into [0, limit) when it fits, else to 0.
int KeepInside(int start, int length, int limit) {
    if (start + length > limit) start = limit - length;
    return std::max(start, 0);
}

}  // namespace

CellRect CellRect::Intersect(const CellRect& other) const {
    const int left = std::max(x, other.x);
    const int top = std::max(y, other.y);
    const int right = std::min(Right(), other.Right());
    const int bottom = std::min(Bottom(), other.Bottom());
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

int CellsAcross(int du) { return RoundDiv(du, kDuPerCellX); }

int CellsDown(int du) { return RoundDiv(du, kDuPerCellY); }

CellSize ScreenCells(afx::host::DuSize screen) {
    return {screen.cx / kDuPerCellX, screen.cy / kDuPerCellY};
}

WindowPlacement PlaceWindow(const afx::host::Window& window, CellSize screen) {
    const res::DuRect& rect = window.rect;
    // The size from the size alone, so a dialog looks the same wherever it stands, and
    // rounded up, so that no margin of the template is lost.
    CellRect client{CellsAcross(rect.x), CellsDown(rect.y), std::max(1, (rect.cx + kDuPerCellX - 1) / kDuPerCellX),
                    std::max(1, (rect.cy + kDuPerCellY - 1) / kDuPerCellY)};
    CellRect frame{client.x - 1, client.y - 1, client.width + 2, client.height + 2};
    const int x = KeepInside(frame.x, frame.width, screen.width);
    const int y = KeepInside(frame.y, frame.height, screen.height);
    client.x += x - frame.x;
    client.y += y - frame.y;
    frame.x = x;
    frame.y = y;
    return {frame, client};
}

bool IsSingleLine(const afx::host::Control& control) {
    using afx::host::ControlKind;
    switch (control.kind) {
        case ControlKind::PushButton:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
        case ControlKind::ComboBox:
        case ControlKind::ProgressBar:
        case ControlKind::Slider:
            return true;
        case ControlKind::Static:
            return control.rect.cy < kOneLineDu;
        case ControlKind::Edit:
            return control.rect.cy < kOneLineDu || (control.style & style::kEsMultiLine) == 0;
        case ControlKind::GroupBox:
        case ControlKind::Icon:
        case ControlKind::ListView:
            return false;
    }
    return true;
}

CellRect PlaceControl(const afx::host::Control& control, const CellRect& client) {
    const res::DuRect& du = control.rect;
    CellRect cells;
    cells.x = client.x + CellsAcross(du.x);
    cells.width = std::max(1, CellsAcross(du.x + du.cx) - CellsAcross(du.x));
    if (IsSingleLine(control)) {
        const int height = control.kind == afx::host::ControlKind::ComboBox ? kComboFaceDu : du.cy;
        cells.y = client.y + std::max(0, du.y + height / 2) / kDuPerCellY;
        cells.height = 1;
    } else {
        cells.y = client.y + CellsDown(du.y);
        cells.height = std::max(1, CellsDown(du.y + du.cy) - CellsDown(du.y));
    }
    return cells;
}

int ColumnCells(int pixels) { return std::max(0, RoundDiv(pixels, kPixelsPerCell)); }

}  // namespace tui
