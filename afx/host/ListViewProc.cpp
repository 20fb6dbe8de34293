#include "afx/host/ControlProcs.h"

#include "afx/CommonControls.h"
#include "afx/host/Text.h"

#include <algorithm>

namespace afx::host {
namespace {

bool ValidRow(const Control& control, int row) {
    return row >= 0 && row < static_cast<int>(control.rows.size());
}

void ApplyItemState(Control& control, std::size_t row, UINT state, UINT mask) {
    UINT& current = control.rows[row].state;
    current = (current & ~mask) | (state & mask);
    // One selected row in a single-selection list, one focused row in any list.
    const bool single = (control.style & LVS_SINGLESEL) != 0;
    for (std::size_t other = 0; other < control.rows.size(); ++other) {
        if (other == row) {
            continue;
        }
        if (single && (current & mask & LVIS_SELECTED) != 0) {
            control.rows[other].state &= ~LVIS_SELECTED;
        }
        if ((current & mask & LVIS_FOCUSED) != 0) {
            control.rows[other].state &= ~LVIS_FOCUSED;
        }
    }
}

LRESULT InsertRow(Control& control, const LvItem* item) {
    if (item == nullptr || item->iItem < 0 || item->iSubItem != 0) {
        return -1;
    }
    // An index beyond the row count appends.
    const std::size_t index = std::min(static_cast<std::size_t>(item->iItem), control.rows.size());
    ListRow row;
    row.texts.emplace_back((item->mask & LVIF_TEXT) != 0 && item->pszText != nullptr ? item->pszText : "");
    if ((item->mask & LVIF_PARAM) != 0) {
        row.data = item->lParam;
    }
    control.rows.insert(control.rows.begin() + static_cast<std::ptrdiff_t>(index), std::move(row));
    if ((item->mask & LVIF_STATE) != 0) {
        ApplyItemState(control, index, item->state, item->stateMask);
    }
    return static_cast<LRESULT>(index);
}

LRESULT SetItemState(Control& control, int item, const LvItem* record) {
    if (record == nullptr) {
        return FALSE;
    }
    if (item == -1) {
        // Every row; a single-selection list cannot have them all selected.
        UINT mask = record->stateMask;
        if ((control.style & LVS_SINGLESEL) != 0 && (record->state & LVIS_SELECTED) != 0) {
            mask &= ~LVIS_SELECTED;
        }
        for (ListRow& row : control.rows) {
            row.state = (row.state & ~mask) | (record->state & mask);
        }
        return TRUE;
    }
    if (!ValidRow(control, item)) {
        return FALSE;
    }
    ApplyItemState(control, static_cast<std::size_t>(item), record->state, record->stateMask);
    return TRUE;
}

LRESULT NextItem(const Control& control, int start, UINT flags) {
    UINT wanted = 0;
    if ((flags & LVNI_SELECTED) != 0) wanted |= LVIS_SELECTED;
    if ((flags & LVNI_FOCUSED) != 0) wanted |= LVIS_FOCUSED;
    for (int row = std::max(start + 1, 0); row < static_cast<int>(control.rows.size()); ++row) {
        if ((control.rows[static_cast<std::size_t>(row)].state & wanted) == wanted) {
            return row;
        }
    }
    return -1;
}

int AutoWidth(const Control& control, std::size_t column) {
    int cells = DisplayWidth(control.columns[column].text);
    for (const ListRow& row : control.rows) {
        cells = std::max(cells, DisplayWidth(row.Text(column)));
    }
    return cells * 6 + 12;
}

}  // namespace

LRESULT ListViewProc(WindowManager& manager, Window& window, Control& control, UINT message, WPARAM wParam,
                     LPARAM lParam) {
    auto changed = [&](LRESULT result) {
        manager.Notify(ChangeKind::ControlChanged, window, &control);
        return result;
    };
    const int item = AsInt(wParam);
    switch (message) {
        case LVM_GETITEMCOUNT:
            return static_cast<LRESULT>(control.rows.size());
        case LVM_INSERTITEM: {
            const LRESULT index = InsertRow(control, FromLParam<const LvItem>(lParam));
            return index >= 0 ? changed(index) : index;
        }
        case LVM_DELETEITEM:
            if (!ValidRow(control, item)) {
                return FALSE;
            }
            control.rows.erase(control.rows.begin() + item);
            return changed(TRUE);
        case LVM_DELETEALLITEMS:
            control.rows.clear();  // the columns stay
            return changed(TRUE);
        case LVM_SETITEMTEXT: {
            const auto* record = FromLParam<const LvItem>(lParam);
            const int columns = std::max<int>(1, static_cast<int>(control.columns.size()));
            if (record == nullptr || !ValidRow(control, item) || record->iSubItem < 0 || record->iSubItem >= columns) {
                return FALSE;
            }
            std::vector<std::string>& texts = control.rows[static_cast<std::size_t>(item)].texts;
            const auto sub = static_cast<std::size_t>(record->iSubItem);
            if (texts.size() <= sub) {
                texts.resize(sub + 1);
            }
            texts[sub] = record->pszText != nullptr ? record->pszText : "";
            return changed(TRUE);
        }
        case LVM_GETITEMTEXT: {
            auto* record = FromLParam<LvItem>(lParam);
            if (record == nullptr || record->cchTextMax <= 0) {
                return 0;
            }
            const std::string_view text = ValidRow(control, item) && record->iSubItem >= 0
                                              ? control.rows[static_cast<std::size_t>(item)].Text(
                                                    static_cast<std::size_t>(record->iSubItem))
                                              : std::string_view();
            return CopyOut(text, record->pszText, static_cast<std::size_t>(record->cchTextMax));
        }
        case LVM_GETITEMSTATE:
            return ValidRow(control, item) ? static_cast<LRESULT>(control.rows[static_cast<std::size_t>(item)].state &
                                                                  static_cast<UINT>(lParam))
                                           : 0;
        case LVM_SETITEMSTATE: {
            const LRESULT done = SetItemState(control, item, FromLParam<const LvItem>(lParam));
            return done ? changed(done) : done;
        }
        case LVM_GETNEXTITEM:
            return NextItem(control, item, LoWord(static_cast<std::uintmax_t>(lParam)));
        case LVM_GETSELECTEDCOUNT:
            return std::count_if(control.rows.begin(), control.rows.end(),
                                 [](const ListRow& row) { return (row.state & LVIS_SELECTED) != 0; });
        case LVM_INSERTCOLUMN: {
            const auto* record = FromLParam<const LvColumn>(lParam);
            if (record == nullptr || item < 0) {
                return -1;
            }
            const std::size_t index = std::min(static_cast<std::size_t>(item), control.columns.size());
            ListColumn column;
            if ((record->mask & LVCF_TEXT) != 0 && record->pszText != nullptr) column.text = record->pszText;
            if ((record->mask & LVCF_FMT) != 0) column.format = record->fmt;
            if ((record->mask & LVCF_WIDTH) != 0) column.width = record->cx;
            control.columns.insert(control.columns.begin() + static_cast<std::ptrdiff_t>(index), std::move(column));
            for (ListRow& row : control.rows) {
                if (index > 0 && row.texts.size() > index) {
                    row.texts.insert(row.texts.begin() + static_cast<std::ptrdiff_t>(index), std::string());
                }
            }
            return changed(static_cast<LRESULT>(index));
        }
        case LVM_DELETECOLUMN:
            if (item < 0 || item >= static_cast<int>(control.columns.size())) {
                return FALSE;
            }
            control.columns.erase(control.columns.begin() + item);
            for (ListRow& row : control.rows) {
                if (row.texts.size() > static_cast<std::size_t>(item) && item > 0) {
                    row.texts.erase(row.texts.begin() + item);
                }
            }
            return changed(TRUE);
        case LVM_SETCOLUMNWIDTH: {
            if (item < 0 || item >= static_cast<int>(control.columns.size())) {
                return FALSE;
            }
            const int width = static_cast<short>(LoWord(static_cast<std::uintmax_t>(lParam)));
            // Negative widths ask for a width that fits the texts.
            control.columns[static_cast<std::size_t>(item)].width =
                width >= 0 ? width : AutoWidth(control, static_cast<std::size_t>(item));
            return changed(TRUE);
        }
        case LVM_GETCOLUMNWIDTH:
            return item >= 0 && item < static_cast<int>(control.columns.size())
                       ? control.columns[static_cast<std::size_t>(item)].width
                       : 0;
        case LVM_SETEXTENDEDLISTVIEWSTYLE: {
            const DWORD previous = control.listExStyle;
            const auto mask = wParam == 0 ? ~DWORD{0} : static_cast<DWORD>(wParam);
            control.listExStyle = (previous & ~mask) | (static_cast<DWORD>(lParam) & mask);
            return previous != control.listExStyle ? changed(previous) : previous;
        }
        case LVM_GETEXTENDEDLISTVIEWSTYLE:
            return control.listExStyle;
        case LVM_ENSUREVISIBLE:
            return TRUE;  // the view keeps the selected row in sight itself
        default:
            return 0;
    }
}

}  // namespace afx::host
