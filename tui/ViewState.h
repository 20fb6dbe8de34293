#pragma once

#include "afx/WinDefs.h"
#include "tui/Geometry.h"

#include <map>
#include <vector>

// What the view keeps between frames that the model does not hold: how far each list is
// scrolled, and what lies under each cell of the last frame, for the mouse.
namespace tui {

struct HitTarget {
    enum class Kind {
        Window,     // the body of a window, nothing in particular
        Caption,    // its title row
        CloseBox,
        MenuBox,    // the box that opens the system menu
        Control,    // a control as a whole
        ListRow,    // a row of a list view (row -1: its empty part)
        ListHeader, // a list view's column headers
        ScrollBar,  // a list's scroll bar: `row` is the rows to scroll by
        ComboItem,  // a row of an open combo list
        Menu,       // an open system menu, between its items
        MenuItem,   // `menuId` is the item's command
        Minimised,  // a minimised window's bar
    };

    Kind kind = Kind::Window;
    HWND window = nullptr;
    int id = 0;    // the control
    int row = 0;   // the row, or the scroll amount
    UINT menuId = 0;
};

struct HitRegion {
    CellRect rect;
    HitTarget target;
};

class ViewState {
public:
    // A list's first visible row. The tracked row (the selection) is kept in view when
    // it changes; scrolling by hand moves the view until the selection next moves.
    int ScrollFor(HWND list, int trackedRow, int rowCount, int visibleRows);
    void ScrollBy(HWND list, int rows);

    // Regions of the last frame, bottom first; the last one that holds a cell is on top.
    void ClearRegions() { m_regions.clear(); }
    void AddRegion(const CellRect& rect, const HitTarget& target);
    const HitTarget* HitAt(int x, int y) const;

private:
    struct Scroll {
        int top = 0;
        int tracked = -2;  // the selection the view last followed
        int maxTop = 0;
    };
    std::map<HWND, Scroll> m_scrolls;
    std::vector<HitRegion> m_regions;
};

}  // namespace tui
