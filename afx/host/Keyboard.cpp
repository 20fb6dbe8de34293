#include "afx/AfxIds.h"
#include "afx/CommonControls.h"
#include "afx/WinConstants.h"
#include "afx/host/Controls.h"
#include "afx/host/Dispatch.h"
#include "afx/host/Navigation.h"
#include "afx/host/UserActions.h"

#include <algorithm>

namespace afx::host {
namespace {

bool IsButton(const Control& control) {
    return control.kind == ControlKind::PushButton || control.kind == ControlKind::CheckBox ||
           control.kind == ControlKind::RadioButton;
}

bool IsAutoRadio(const Control& control) {
    return control.kind == ControlKind::RadioButton && (control.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

// A command the dialog manager sends on the user's behalf (OK, Cancel, Help), from the
// button with that id when there is one.
void SendCommand(WindowManager& manager, Window& window, int id) {
    const Control* button = window.FindControl(id);
    SendToWindow(manager, window, WM_COMMAND, MakeWParam(static_cast<unsigned>(id), BN_CLICKED),
                 button != nullptr ? ToLParam(button->handle) : 0);
}

Delivery Enter(WindowManager& manager, Window& window, Control* focused) {
    if (focused != nullptr && focused->IsPushButton()) {
        ClickButton(manager, window, *focused);
        return Delivery::Done();
    }
    // No push button has the focus: the default push button's command, else IDOK.
    const auto defaultButton = std::find_if(window.controls.begin(), window.controls.end(),
                                            [](const Control& control) { return control.IsDefaultPushButton(); });
    if (defaultButton != window.controls.end() && (!defaultButton->visible || !defaultButton->enabled)) {
        return Delivery::Refused("the default button is not available");
    }
    SendCommand(manager, window, defaultButton != window.controls.end() ? defaultButton->id : IDOK);
    return Delivery::Done();
}

Delivery Tab(WindowManager& manager, Window& window, bool backward) {
    const int next = NextTabStop(window, window.focus, backward);
    if (next < 0) {
        return Delivery::Refused("no control takes the focus with Tab");
    }
    SetFocusTo(manager, window, next);
    return Delivery::Done();
}

// Arrow keys on a button move through its group; an automatic radio button reached so
// is clicked.
Delivery ArrowInGroup(WindowManager& manager, Window& window, bool backward) {
    const int next = NextInGroup(window, window.focus, backward);
    if (next == window.focus) {
        return Delivery::Done();
    }
    SetFocusTo(manager, window, next);
    Control& control = window.controls[static_cast<std::size_t>(next)];
    if (IsAutoRadio(control)) {
        ClickButton(manager, window, control);
    }
    return Delivery::Done();
}

int Moved(int current, int count, Key key) {
    switch (key) {
        case Key::Up:
        case Key::Left: return std::max(current - 1, 0);
        case Key::Down:
        case Key::Right: return current < 0 ? 0 : std::min(current + 1, count - 1);
        case Key::Home: return 0;
        case Key::End: return count - 1;
        default: return current;
    }
}

Delivery ComboKey(WindowManager& manager, Window& window, Control& combo, Key key) {
    const int count = static_cast<int>(combo.items.size());
    if (key == Key::F4 || key == Key::AltDown) {
        if (combo.dropped) {
            const int highlight = combo.highlight;
            SetDropped(manager, window, combo, false);
            ChooseComboRow(manager, window, combo, highlight, false);
        } else {
            SetDropped(manager, window, combo, true);
        }
        return Delivery::Done();
    }
    if (combo.dropped) {
        switch (key) {
            case Key::Enter: {
                const int highlight = combo.highlight;
                SetDropped(manager, window, combo, false);
                ChooseComboRow(manager, window, combo, highlight, false);
                return Delivery::Done();
            }
            case Key::Escape:
                SetDropped(manager, window, combo, false);
                return Delivery::Done();
            case Key::Up:
            case Key::Down:
            case Key::Home:
            case Key::End:
                if (count > 0) {
                    combo.highlight = Moved(combo.highlight, count, key);
                    manager.Notify(ChangeKind::ControlChanged, window, &combo);
                }
                return Delivery::Done();
            default:
                break;
        }
        return Delivery::Refused("the open list takes no such key");
    }
    if (count == 0) {
        return Delivery::Done();
    }
    ChooseComboRow(manager, window, combo, Moved(combo.selection, count, key), false);
    return Delivery::Done();
}

Delivery ListKey(WindowManager& manager, Window& window, Control& list, Key key) {
    const int count = static_cast<int>(list.rows.size());
    if (count == 0 || key == Key::Left || key == Key::Right) {
        return Delivery::Done();  // nothing to move to; sideways only scrolls
    }
    int current = -1;
    for (int row = 0; row < count; ++row) {
        if ((list.rows[static_cast<std::size_t>(row)].state & LVIS_FOCUSED) != 0) current = row;
    }
    if (current < 0) current = list.SelectedRow();
    ChooseListRow(manager, window, list, Moved(current, count, key));
    return Delivery::Done();
}

Delivery Navigate(WindowManager& manager, Window& window, Control* focused, Key key) {
    if (focused == nullptr) {
        return Delivery::Refused("no control has the focus");
    }
    switch (focused->kind) {
        case ControlKind::ComboBox:
            return ComboKey(manager, window, *focused, key);
        case ControlKind::ListView:
            return ListKey(manager, window, *focused, key);
        case ControlKind::Edit:
        case ControlKind::Slider:
            return Delivery::Done();  // the caret moves; nothing the model shows
        default:
            if (key == Key::Home || key == Key::End) {
                return Delivery::Done();
            }
            return ArrowInGroup(manager, window, key == Key::Up || key == Key::Left);
    }
}

}  // namespace

Delivery HandleKey(WindowManager& manager, Window& window, Key key) {
    Control* focused = const_cast<Control*>(window.FocusedControl());
    if (focused != nullptr && focused->kind == ControlKind::ComboBox && focused->dropped) {
        if (key == Key::Tab || key == Key::ShiftTab) {
            const int highlight = focused->highlight;
            SetDropped(manager, window, *focused, false);
            ChooseComboRow(manager, window, *focused, highlight, false);
        } else if (key != Key::F1 && key != Key::AltF4 && key != Key::AltSpace) {
            return ComboKey(manager, window, *focused, key);
        }
    }
    switch (key) {
        case Key::Tab:
        case Key::ShiftTab:
            return Tab(manager, window, key == Key::ShiftTab);
        case Key::Enter:
            return Enter(manager, window, focused);
        case Key::Escape:
            SendCommand(manager, window, IDCANCEL);
            return Delivery::Done();
        case Key::Space:
            if (focused == nullptr || !IsButton(*focused)) {
                return Delivery::Refused("Space presses only a button");
            }
            ClickButton(manager, window, *focused);
            return Delivery::Done();
        case Key::Up:
        case Key::Down:
        case Key::Left:
        case Key::Right:
        case Key::Home:
        case Key::End:
            return Navigate(manager, window, focused, key);
        case Key::F4:
        case Key::AltDown:
            if (focused == nullptr || focused->kind != ControlKind::ComboBox) {
                return Delivery::Refused("no combo box has the focus");
            }
            return ComboKey(manager, window, *focused, key);
        case Key::Backspace:
            if (focused == nullptr || focused->kind != ControlKind::Edit || focused->IsReadOnly()) {
                return Delivery::Refused("no editable field has the focus");
            }
            EraseLastChar(manager, window, *focused);
            return Delivery::Done();
        case Key::F1:
            if (window.kind != WindowKind::Dialog) {
                return Delivery::Refused("a message box has no help");
            }
            SendToWindow(manager, window, WM_COMMAND, MakeWParam(ID_HELP, 0), 0);
            return Delivery::Done();
        case Key::AltF4:
            if (!window.HasSystemMenu()) {
                return Delivery::Refused("the window has no close box");
            }
            return ChooseSystemMenuItem(manager, window, SC_CLOSE);
        case Key::AltSpace:
            return OpenSystemMenu(manager, window);
    }
    return Delivery::Refused("unknown key");
}

Delivery HandleMnemonic(WindowManager& manager, Window& window, char letter) {
    const int index = FindMnemonic(window, letter);
    if (index < 0) {
        return Delivery::Refused(std::string("no control has the mnemonic ") + letter);
    }
    Control& control = window.controls[static_cast<std::size_t>(index)];
    if (IsButton(control)) {
        SetFocusTo(manager, window, index);
        ClickButton(manager, window, control);
        return Delivery::Done();
    }
    // A label or group box passes the focus to the control after it.
    const int next = NextFocusable(window, index);
    if (next < 0) {
        return Delivery::Refused("no control follows the label");
    }
    SetFocusTo(manager, window, next);
    return Delivery::Done();
}

}  // namespace afx::host
