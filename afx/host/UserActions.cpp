#include "afx/host/UserActions.h"

#include "afx/CommonControls.h"
#include "afx/WinConstants.h"
#include "afx/host/Controls.h"
#include "afx/host/Navigation.h"
#include "afx/host/Text.h"

#include <vector>

namespace afx::host {

int IndexOf(const Window& window, const Control& control) {
    return static_cast<int>(&control - window.controls.data());
}

void NotifyCommand(WindowManager& manager, Window& window, const Control& control, UINT code) {
    SendToWindow(manager, window, WM_COMMAND, MakeWParam(static_cast<unsigned>(control.id), code),
                 ToLParam(control.handle));
}

void ClickButton(WindowManager& manager, Window& window, Control& control) {
    const DWORD type = control.style & BS_TYPEMASK;
    if (control.kind == ControlKind::CheckBox && type == BS_AUTOCHECKBOX) {
        control.check = control.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
        manager.Notify(ChangeKind::ControlChanged, window, &control);
    } else if (control.kind == ControlKind::RadioButton && type == BS_AUTORADIOBUTTON) {
        const int self = IndexOf(window, control);
        for (int index : GroupMembers(window, self)) {
            Control& other = window.controls[static_cast<std::size_t>(index)];
            const bool isAutoRadio = other.kind == ControlKind::RadioButton &&
                                     (other.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
            // Hidden or disabled radio buttons keep their state, as the group walk skips them.
            if (index != self && isAutoRadio && other.visible && other.enabled && other.check != BST_UNCHECKED) {
                other.check = BST_UNCHECKED;
                manager.Notify(ChangeKind::ControlChanged, window, &other);
            }
        }
        if (control.check != BST_CHECKED) {
            control.check = BST_CHECKED;
            manager.Notify(ChangeKind::ControlChanged, window, &control);
        }
    }
    NotifyCommand(manager, window, control, BN_CLICKED);
}

void ChooseComboRow(WindowManager& manager, Window& window, Control& control, int row, bool always) {
    if (row < 0 || row >= static_cast<int>(control.items.size())) {
        return;
    }
    const bool changes = control.selection != row;
    control.selection = row;
    control.highlight = row;
    if (changes) {
        manager.Notify(ChangeKind::ControlChanged, window, &control);
    }
    if (changes || always) {
        NotifyCommand(manager, window, control, CBN_SELCHANGE);
    }
}

void SetDropped(WindowManager& manager, Window& window, Control& control, bool dropped) {
    if (control.kind != ControlKind::ComboBox || control.dropped == dropped) {
        return;
    }
    control.dropped = dropped;
    control.highlight = dropped ? control.selection : -1;
    manager.Notify(ChangeKind::ControlChanged, window, &control);
    NotifyCommand(manager, window, control, dropped ? CBN_DROPDOWN : CBN_CLOSEUP);
}

void ChooseListRow(WindowManager& manager, Window& window, Control& control, int row) {
    const int count = static_cast<int>(control.rows.size());
    if (row >= count) {
        return;
    }
    std::vector<std::pair<int, UINT>> changes;  // row, old state
    for (int index = 0; index < count; ++index) {
        UINT& state = control.rows[static_cast<std::size_t>(index)].state;
        const UINT old = state;
        if (index == row) {
            state |= LVIS_SELECTED | LVIS_FOCUSED;
        } else if (row >= 0) {
            state &= ~(LVIS_SELECTED | LVIS_FOCUSED);
        } else {
            state &= ~LVIS_SELECTED;  // a click on the empty part keeps the focused row
        }
        if (state != old) {
            changes.emplace_back(index, old);
        }
    }
    if (changes.empty()) {
        return;
    }
    manager.Notify(ChangeKind::ControlChanged, window, &control);
    for (const auto& [index, old] : changes) {
        NmListView notice;
        notice.hdr = NmHdr{control.handle, static_cast<UINT_PTR>(control.id), LVN_ITEMCHANGED};
        notice.iItem = index;
        notice.uOldState = old;
        notice.uNewState = control.rows[static_cast<std::size_t>(index)].state;
        notice.uChanged = LVIF_STATE;
        SendToWindow(manager, window, WM_NOTIFY, static_cast<WPARAM>(control.id), ToLParam(&notice));
    }
}

void TypeIntoEdit(WindowManager& manager, Window& window, Control& control, std::string_view text) {
    control.text.append(text);
    manager.Notify(ChangeKind::ControlChanged, window, &control);
    NotifyCommand(manager, window, control, EN_CHANGE);
}

void EraseLastChar(WindowManager& manager, Window& window, Control& control) {
    if (control.text.empty()) {
        return;
    }
    control.text.resize(control.text.size() - LastCharLength(control.text));
    manager.Notify(ChangeKind::ControlChanged, window, &control);
    NotifyCommand(manager, window, control, EN_CHANGE);
}

void SetFocusTo(WindowManager& manager, Window& window, int index) {
    if (window.focus == index) {
        return;
    }
    if (Control* previous = const_cast<Control*>(window.FocusedControl()); previous != nullptr && previous->dropped) {
        SetDropped(manager, window, *previous, false);
    }
    window.focus = index;
    manager.Notify(ChangeKind::FocusChanged, window, window.FocusedControl());
}

}  // namespace afx::host
