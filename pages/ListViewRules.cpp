#include "pages/ListViewRules.h"

namespace pages {

void ApplyListStyle(CListCtrl& list)
{
    const DWORD style = list.GetExtendedStyle();
    list.SetExtendedStyle((style & ~LVS_EX_TRACKSELECT) | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
}

std::optional<int> FindSelectedRow(const CListCtrl& list)
{
    for (int row = 0; row < list.GetItemCount(); ++row)
        if (list.GetItemState(row, LVIS_SELECTED) == LVIS_SELECTED)
            return row;
    return std::nullopt;
}

void SelectRow(CListCtrl& list, int row) { list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED | LVIS_FOCUSED); }

}  // namespace pages
