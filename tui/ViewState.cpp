#include "tui/ViewState.h"

#include <algorithm>

namespace tui {

int ViewState::ScrollFor(HWND list, int trackedRow, int rowCount, int visibleRows) {
    Scroll& scroll = m_scrolls[list];
    visibleRows = std::max(visibleRows, 1);
    if (trackedRow != scroll.tracked && trackedRow >= 0) {
        if (trackedRow < scroll.top) scroll.top = trackedRow;
        if (trackedRow >= scroll.top + visibleRows) scroll.top = trackedRow - visibleRows + 1;
    }
    scroll.tracked = trackedRow;
    scroll.maxTop = std::max(0, rowCount - visibleRows);
    scroll.top = std::clamp(scroll.top, 0, scroll.maxTop);
    return scroll.top;
}

void ViewState::ScrollBy(HWND list, int rows) {
    Scroll& scroll = m_scrolls[list];
    scroll.top = std::clamp(scroll.top + rows, 0, scroll.maxTop);
}

void ViewState::AddRegion(const CellRect& rect, const HitTarget& target) {
    if (!rect.Empty()) m_regions.push_back({rect, target});
}

const HitTarget* ViewState::HitAt(int x, int y) const {
    for (auto region = m_regions.rbegin(); region != m_regions.rend(); ++region) {
        if (region->rect.Contains(x, y)) return &region->target;
    }
    return nullptr;
}

}  // namespace tui
