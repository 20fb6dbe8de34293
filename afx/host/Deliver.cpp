#include "afx/WinConstants.h"
#include "afx/host/Controls.h"
#include "afx/host/Desktop.h"
#include "afx/host/Dispatch.h"
#include "afx/host/InputSource.h"
#include "afx/host/Text.h"
#include "afx/host/UserActions.h"

#include <string>
#include <type_traits>

namespace afx::host {
namespace {

bool IsButtonKind(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::CheckBox || kind == ControlKind::RadioButton;
}

// The control a mouse event names, if the user could reach it.
Control* Reachable(Window& window, int id, Delivery& refusal) {
    Control* control = window.FindControl(id);
    if (control == nullptr) {
        refusal = Delivery::Refused("the window has no control " + std::to_string(id));
    } else if (!control->visible) {
        refusal = Delivery::Refused("control " + std::to_string(id) + " is hidden");
    } else if (!control->enabled) {
        refusal = Delivery::Refused("control " + std::to_string(id) + " is disabled");
    } else {
        return control;
    }
    return nullptr;
}

void FocusIfItCan(WindowManager& manager, Window& window, Control& control) {
    if (control.CanTakeFocus()) {
        SetFocusTo(manager, window, IndexOf(window, control));
    }
}

Delivery Click(WindowManager& manager, Window& window, int id) {
    Delivery refusal;
    Control* control = Reachable(window, id, refusal);
    if (control == nullptr) {
        return refusal;
    }
    FocusIfItCan(manager, window, *control);
    switch (control->kind) {
        case ControlKind::PushButton:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            ClickButton(manager, window, *control);
            break;
        case ControlKind::ComboBox:
            SetDropped(manager, window, *control, !control->dropped);
            break;
        case ControlKind::ListView:
            ChooseListRow(manager, window, *control, -1);  // the empty part of the list
            break;
        default:
            break;  // labels, frames, fields: at most the focus moves
    }
    return Delivery::Done();
}

Delivery ClickRowOf(WindowManager& manager, Window& window, int id, int row) {
    Delivery refusal;
    Control* control = Reachable(window, id, refusal);
    if (control == nullptr) {
        return refusal;
    }
    if (control->kind == ControlKind::ComboBox) {
        if (row < 0 || row >= static_cast<int>(control->items.size())) {
            return Delivery::Refused("combo box " + std::to_string(id) + " has no row " + std::to_string(row));
        }
        FocusIfItCan(manager, window, *control);
        SetDropped(manager, window, *control, false);
        ChooseComboRow(manager, window, *control, row, true);
        return Delivery::Done();
    }
    if (control->kind == ControlKind::ListView) {
        if (row < -1 || row >= static_cast<int>(control->rows.size())) {
            return Delivery::Refused("list " + std::to_string(id) + " has no row " + std::to_string(row));
        }
        FocusIfItCan(manager, window, *control);
        ChooseListRow(manager, window, *control, row);
        return Delivery::Done();
    }
    return Delivery::Refused("control " + std::to_string(id) + " has no rows");
}

Delivery Press(WindowManager& manager, Window& window, int id) {
    Delivery refusal;
    Control* control = Reachable(window, id, refusal);
    if (control == nullptr) {
        return refusal;
    }
    if (!IsButtonKind(control->kind)) {
        return Delivery::Refused("control " + std::to_string(id) + " is not a button");
    }
    FocusIfItCan(manager, window, *control);
    ClickButton(manager, window, *control);
    return Delivery::Done();
}

// Type-ahead: the next row after `current` whose text starts with `prefix`.
int FindByPrefix(const std::vector<std::string>& texts, int current, std::string_view prefix) {
    const int count = static_cast<int>(texts.size());
    for (int step = 1; step <= count; ++step) {
        const int index = ((current < 0 ? -1 : current) + step) % count;
        if (StartsWithNoCase(texts[static_cast<std::size_t>(index)], prefix)) {
            return index;
        }
    }
    return -1;
}

Delivery Type(WindowManager& manager, Window& window, const std::string& text) {
    Control* focused = const_cast<Control*>(window.FocusedControl());
    if (focused != nullptr && focused->kind == ControlKind::Edit) {
        if (focused->IsReadOnly()) {
            return Delivery::Refused("the field is read-only");
        }
        TypeIntoEdit(manager, window, *focused, text);
        return Delivery::Done();
    }
    if (focused != nullptr && (focused->kind == ControlKind::ComboBox || focused->kind == ControlKind::ListView)) {
        std::vector<std::string> texts = focused->items;
        int current = focused->selection;
        if (focused->kind == ControlKind::ListView) {
            texts.clear();
            for (const ListRow& row : focused->rows) texts.emplace_back(row.Text(0));
            current = focused->SelectedRow();
        }
        const int row = FindByPrefix(texts, current, text.substr(0, 1));
        if (row < 0) {
            return Delivery::Refused("no row starts with \"" + text.substr(0, 1) + "\"");
        }
        if (focused->kind == ControlKind::ComboBox) {
            ChooseComboRow(manager, window, *focused, row, false);
        } else {
            ChooseListRow(manager, window, *focused, row);
        }
        return Delivery::Done();
    }
    // Where nothing takes characters, a letter works as a mnemonic.
    for (char letter : text) {
        Delivery delivery = HandleMnemonic(manager, window, letter);
        if (!delivery.delivered) {
            return delivery;
        }
    }
    return Delivery::Done();
}

bool AllowedWhileIconic(const InputEvent& event) {
    if (std::holds_alternative<RestoreWindow>(event) || std::holds_alternative<ChooseMenuItem>(event)) {
        return true;
    }
    const auto* key = std::get_if<KeyPress>(&event);
    return key != nullptr && (key->key == Key::AltSpace || key->key == Key::AltF4);
}

}  // namespace

Delivery DeliverEvent(WindowManager& manager, Window& window, const InputEvent& event) {
    if (window.iconic && !window.systemMenuOpen && !AllowedWhileIconic(event)) {
        return Delivery::Refused("the window is minimised");
    }
    if (window.systemMenuOpen) {
        if (const auto* key = std::get_if<KeyPress>(&event)) {
            return HandleMenuKey(manager, window, key->key);
        }
        if (const auto* alt = std::get_if<AltLetter>(&event)) {
            for (const MenuItem& item : window.systemMenu) {
                if (item.IsEnabled() && MnemonicOf(item.text) == MnemonicOf(std::string("&") + alt->letter)) {
                    return ChooseSystemMenuItem(manager, window, item.id);
                }
            }
            return Delivery::Refused(std::string("no menu item has the mnemonic ") + alt->letter);
        }
        if (!std::holds_alternative<ChooseMenuItem>(event)) {
            // A click elsewhere dismisses the menu and goes no further.
            window.systemMenuOpen = false;
            window.menuHighlight = -1;
            manager.Notify(ChangeKind::WindowChanged, window);
            return Delivery::Refused("the open system menu took the click and closed");
        }
    }
    return std::visit(
        [&](const auto& e) -> Delivery {
            using E = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<E, KeyPress>) {
                return HandleKey(manager, window, e.key);
            } else if constexpr (std::is_same_v<E, AltLetter>) {
                return HandleMnemonic(manager, window, e.letter);
            } else if constexpr (std::is_same_v<E, TypeText>) {
                return e.text.empty() ? Delivery::Done() : Type(manager, window, e.text);
            } else if constexpr (std::is_same_v<E, ClickControl>) {
                return Click(manager, window, e.id);
            } else if constexpr (std::is_same_v<E, ClickRow>) {
                return ClickRowOf(manager, window, e.id, e.row);
            } else if constexpr (std::is_same_v<E, PressControl>) {
                return Press(manager, window, e.id);
            } else if constexpr (std::is_same_v<E, ClickCloseBox>) {
                if (!window.HasSystemMenu()) return Delivery::Refused("the window has no close box");
                return ChooseSystemMenuItem(manager, window, SC_CLOSE);
            } else if constexpr (std::is_same_v<E, ChooseMenuItem>) {
                return ChooseSystemMenuItem(manager, window, e.id);
            } else if constexpr (std::is_same_v<E, MinimizeWindow>) {
                if (window.iconic) return Delivery::Refused("the window is minimised already");
                SendToWindow(manager, window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
                return Delivery::Done();
            } else {
                if (!window.iconic) return Delivery::Refused("the window is not minimised");
                SendToWindow(manager, window, WM_SYSCOMMAND, SC_RESTORE, 0);
                return Delivery::Done();
            }
        },
        event);
}

bool Desktop::Deliver(const InputEvent& event) {
    WindowManager manager(*this);
    Window* window = manager.Active();
    const Delivery delivery =
        window != nullptr ? DeliverEvent(manager, *window, event) : Delivery::Refused("no window takes input");
    Window* notified = window != nullptr ? manager.LookupWindow(window->handle) : nullptr;
    if (!delivery.delivered) {
        m_lastRefusal = delivery.reason;
        if (m_input != nullptr) {
            m_input->OnRefused(event, delivery.reason);
        }
        if (notified != nullptr) {
            manager.Notify(ChangeKind::InputRefused, *notified);
        }
        return false;
    }
    if (notified != nullptr) {
        manager.Notify(ChangeKind::InputDelivered, *notified);
    }
    return true;
}

}  // namespace afx::host
