#include "tui/MouseRouter.h"

#include "afx/host/Model.h"

namespace tui {
namespace {

using afx::host::ClickCloseBox;
using afx::host::ClickControl;
using afx::host::ClickRow;
using afx::host::Control;
using afx::host::ControlKind;
using afx::host::Key;
using afx::host::KeyPress;
using afx::host::Window;
using Kind = HitTarget::Kind;

constexpr int kWheelRows = 3;

const Control* DroppedCombo(const Window& window) {
    for (const Control& control : window.controls) {
        if (control.kind == ControlKind::ComboBox && control.dropped && control.visible) return &control;
    }
    return nullptr;
}

// A click that lands beside the open menu or list only closes it.
std::optional<MouseAction> CloseWhatIsOpen(const Window& window, const HitTarget* hit) {
    if (window.systemMenuOpen) {
        const bool onMenu = hit != nullptr && hit->window == window.handle &&
                            (hit->kind == Kind::Menu || hit->kind == Kind::MenuItem || hit->kind == Kind::MenuBox);
        if (!onMenu) return MouseAction{KeyPress{Key::Escape}};
    }
    if (const Control* combo = DroppedCombo(window)) {
        const bool onList = hit != nullptr && hit->window == window.handle && hit->id == combo->id &&
                            (hit->kind == Kind::ComboItem || hit->kind == Kind::Menu || hit->kind == Kind::ScrollBar);
        if (!onList) return MouseAction{ClickControl{combo->id}};
    }
    return std::nullopt;
}

MouseAction Scroll(const Window& window, ViewState& view, int id, int rows) {
    const Control* control = window.FindControl(id);
    if (control == nullptr) return {};
    view.ScrollBy(control->handle, rows);
    return MouseAction{std::nullopt, true};
}

MouseAction LeftClick(const Window& window, ViewState& view, const HitTarget& hit) {
    switch (hit.kind) {
        case Kind::CloseBox: return {ClickCloseBox{}};
        case Kind::MenuBox: return {KeyPress{Key::AltSpace}};
        case Kind::Control: return {ClickControl{hit.id}};
        case Kind::ListRow:
        case Kind::ComboItem: return {ClickRow{hit.id, hit.row}};
        case Kind::ScrollBar: return Scroll(window, view, hit.id, hit.row);
        case Kind::MenuItem: return {afx::host::ChooseMenuItem{hit.menuId}};
        case Kind::Minimised: return {afx::host::RestoreWindow{}};
        case Kind::Window:
        case Kind::Caption:
        case Kind::ListHeader:
        case Kind::Menu: return {};
    }
    return {};
}

}  // namespace

MouseAction RouteMouse(const afx::host::Desktop& desktop, ViewState& view, MouseButton button, int x, int y) {
    const Window* active = desktop.ActiveWindow();
    if (active == nullptr) return MouseAction{std::nullopt, false, true};
    const HitTarget* hit = view.HitAt(x, y);

    if (button == MouseButton::WheelUp || button == MouseButton::WheelDown) {
        if (hit == nullptr || hit->window != active->handle) return {};
        if (hit->kind != Kind::ListRow && hit->kind != Kind::ScrollBar && hit->kind != Kind::ComboItem &&
            hit->kind != Kind::ListHeader) {
            return {};
        }
        return Scroll(*active, view, hit->id, button == MouseButton::WheelUp ? -kWheelRows : kWheelRows);
    }
    if (std::optional<MouseAction> closing = CloseWhatIsOpen(*active, hit)) return *closing;
    if (hit == nullptr || hit->window != active->handle) {
        return MouseAction{std::nullopt, false, true};  // a window beneath a modal one
    }
    if (button == MouseButton::Right) {
        if (hit->kind == Kind::Caption || hit->kind == Kind::MenuBox) return {KeyPress{Key::AltSpace}};
        return {};
    }
    return LeftClick(*active, view, *hit);
}

}  // namespace tui
