#include "afx/host/Controls.h"

#include "afx/CommonControls.h"
#include "afx/WinConstants.h"
#include "afx/host/UserActions.h"
#include "afx/host/Text.h"

#include <algorithm>
#include <cstring>

namespace afx::host {
namespace {

std::string TextFrom(LPARAM lParam) {
    const char* text = FromLParam<const char>(lParam);
    return text != nullptr ? std::string(text) : std::string();
}

// Copies at most size - 1 bytes and a terminating NUL; the number of bytes copied.
LRESULT CopyOut(std::string_view text, char* buffer, std::size_t size) {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    const std::size_t count = std::min(text.size(), size - 1);
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<LRESULT>(count);
}

int AsInt(WPARAM value) { return static_cast<int>(static_cast<LONG_PTR>(value)); }
int AsInt(LPARAM value) { return static_cast<int>(value); }

bool ValidRow(const Control& control, int row) {
    return row >= 0 && row < static_cast<int>(control.rows.size());
}

LRESULT ButtonProc(WindowManager& manager, Window& window, Control& control, UINT message, WPARAM wParam) {
    const bool checkable = control.kind == ControlKind::CheckBox || control.kind == ControlKind::RadioButton;
    switch (message) {
        case BM_GETCHECK:
            return checkable ? control.check : BST_UNCHECKED;
        case BM_SETCHECK:
            // Only this button changes: the others of a radio group stay as they are.
            if (checkable && control.check != AsInt(wParam)) {
                control.check = AsInt(wParam);
                manager.Notify(ChangeKind::ControlChanged, window, &control);
            }
            return 0;
        case BM_GETSTATE: {
            const bool focused = window.FocusedControl() == &control;
            return (checkable ? control.check : 0) | (focused ? static_cast<int>(BST_FOCUS) : 0);
        }
        case BM_CLICK:
            if (control.visible && control.enabled) {
                ClickButton(manager, window, control);
            }
            return 0;
        default:
            return 0;
    }
}

LRESULT ComboProc(WindowManager& manager, Window& window, Control& control, UINT message, WPARAM wParam,
                  LPARAM lParam) {
    const int count = static_cast<int>(control.items.size());
    auto changed = [&] { manager.Notify(ChangeKind::ControlChanged, window, &control); };
    switch (message) {
        case CB_ADDSTRING:
            control.items.push_back(TextFrom(lParam));
            changed();
            return count;
        case CB_INSERTSTRING: {
            const int index = AsInt(wParam) < 0 ? count : AsInt(wParam);
            if (index > count) {
                return CB_ERR;
            }
            control.items.insert(control.items.begin() + index, TextFrom(lParam));
            if (control.selection >= index) {
                ++control.selection;
            }
            changed();
            return index;
        }
        case CB_DELETESTRING: {
            const int index = AsInt(wParam);
            if (index < 0 || index >= count) {
                return CB_ERR;
            }
            control.items.erase(control.items.begin() + index);
            if (control.selection == index) {
                control.selection = -1;
            } else if (control.selection > index) {
                --control.selection;
            }
            changed();
            return count - 1;
        }
        case CB_RESETCONTENT:
            control.items.clear();
            control.selection = -1;
            control.dropped = false;
            control.highlight = -1;
            changed();
            return CB_OKAY;
        case CB_GETCOUNT:
            return count;
        case CB_GETCURSEL:
            return control.selection >= 0 ? control.selection : CB_ERR;
        case CB_SETCURSEL: {
            // The program's choice: no CBN_SELCHANGE. Out of range clears the selection.
            const int index = AsInt(wParam);
            const int selection = index >= 0 && index < count ? index : -1;
            if (control.selection != selection) {
                control.selection = selection;
                changed();
            }
            return selection >= 0 ? selection : CB_ERR;
        }
        case CB_GETLBTEXTLEN: {
            const int index = AsInt(wParam);
            return index >= 0 && index < count ? static_cast<LRESULT>(control.items[static_cast<std::size_t>(index)].size())
                                               : CB_ERR;
        }
        case CB_GETLBTEXT: {
            const int index = AsInt(wParam);
            if (index < 0 || index >= count) {
                return CB_ERR;
            }
            const std::string& text = control.items[static_cast<std::size_t>(index)];
            return CopyOut(text, FromLParam<char>(lParam), text.size() + 1);
        }
        case CB_FINDSTRINGEXACT: {
            const std::string wanted = TextFrom(lParam);
            const int start = AsInt(wParam);
            for (int step = 1; step <= count; ++step) {
                const int index = ((start < 0 ? -1 : start) + step) % count;
                if (EqualNoCase(control.items[static_cast<std::size_t>(index)], wanted)) {
                    return index;
                }
            }
            return CB_ERR;
        }
        case CB_SHOWDROPDOWN:
            SetDropped(manager, window, control, wParam != 0);
            return TRUE;
        case CB_GETDROPPEDSTATE:
            return control.dropped ? TRUE : FALSE;
        default:
            return 0;
    }
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

LRESULT PackRange(const Control& control) {
    return MakeLParam(static_cast<unsigned>(control.rangeLow), static_cast<unsigned>(control.rangeHigh));
}

LRESULT ProgressProc(WindowManager& manager, Window& window, Control& control, UINT message, WPARAM wParam,
                     LPARAM lParam) {
    auto clampPosition = [&control](int position) {
        const int low = std::min(control.rangeLow, control.rangeHigh);
        const int high = std::max(control.rangeLow, control.rangeHigh);
        return std::clamp(position, low, high);
    };
    auto moveTo = [&](int position) -> LRESULT {
        const int previous = control.position;
        control.position = clampPosition(position);
        // Every report repaints, so a view shows each step even without input.
        manager.Notify(ChangeKind::ControlChanged, window, &control);
        return previous;
    };
    switch (message) {
        case PBM_SETRANGE:
        case PBM_SETRANGE32: {
            const LRESULT previous = PackRange(control);
            if (message == PBM_SETRANGE) {
                control.rangeLow = LoWord(static_cast<std::uintmax_t>(lParam));
                control.rangeHigh = HiWord(static_cast<std::uintmax_t>(lParam));
            } else {
                control.rangeLow = AsInt(wParam);
                control.rangeHigh = AsInt(lParam);
            }
            control.position = clampPosition(control.position);
            manager.Notify(ChangeKind::ControlChanged, window, &control);
            return previous;
        }
        case PBM_GETRANGE:
            return wParam != 0 ? control.rangeLow : control.rangeHigh;
        case PBM_SETPOS:
            return moveTo(AsInt(wParam));
        case PBM_DELTAPOS:
            return moveTo(control.position + AsInt(wParam));
        case PBM_GETPOS:
            return control.position;
        default:
            return 0;
    }
}

LRESULT EditProc(WindowManager& manager, Window& window, Control& control, UINT message, WPARAM wParam) {
    if (message == EM_SETREADONLY) {
        control.style = wParam != 0 ? (control.style | ES_READONLY) : (control.style & ~ES_READONLY);
        manager.Notify(ChangeKind::ControlChanged, window, &control);
        return TRUE;
    }
    return 0;
}

}  // namespace

std::string ControlText(const Control& control) {
    if (control.kind == ControlKind::ComboBox) {
        return control.selection >= 0 ? control.items[static_cast<std::size_t>(control.selection)] : std::string();
    }
    return control.text;
}

void SetControlText(WindowManager& manager, Window& window, Control& control, std::string_view text) {
    if (control.kind == ControlKind::ComboBox) {
        // A drop-down list shows only its rows: the text selects the row that has it.
        const auto found = std::find_if(control.items.begin(), control.items.end(),
                                        [text](const std::string& item) { return EqualNoCase(item, text); });
        control.selection = found == control.items.end() ? -1 : static_cast<int>(found - control.items.begin());
    } else {
        control.text.assign(text);
    }
    manager.Notify(ChangeKind::ControlChanged, window, &control);
}

LRESULT ControlProc(WindowManager& manager, Window& window, Control& control, UINT message, WPARAM wParam,
                    LPARAM lParam) {
    switch (message) {
        case WM_SETTEXT:
            SetControlText(manager, window, control, TextFrom(lParam));
            return TRUE;
        case WM_GETTEXT:
            return CopyOut(ControlText(control), FromLParam<char>(lParam), static_cast<std::size_t>(wParam));
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(ControlText(control).size());
        default:
            break;
    }
    switch (control.kind) {
        case ControlKind::PushButton:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
        case ControlKind::GroupBox:
            return ButtonProc(manager, window, control, message, wParam);
        case ControlKind::ComboBox:
            return ComboProc(manager, window, control, message, wParam, lParam);
        case ControlKind::ListView:
            return ListViewProc(manager, window, control, message, wParam, lParam);
        case ControlKind::ProgressBar:
            return ProgressProc(manager, window, control, message, wParam, lParam);
        case ControlKind::Edit:
            return EditProc(manager, window, control, message, wParam);
        default:
            return 0;
    }
}

CRect ClientRectOf(const DuRect& rect) {
    auto scale = [](int units, int base, int per) { return static_cast<LONG>((units * base + per / 2) / per); };
    return CRect{0, 0, scale(rect.cx, 6, 4), scale(rect.cy, 12, 8)};
}

}  // namespace afx::host
