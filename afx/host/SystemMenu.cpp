#include "afx/WinConstants.h"
#include "afx/host/Controls.h"
#include "afx/host/Dispatch.h"

namespace afx::host {
namespace {

int NextEnabledItem(const Window& window, int from, bool backward) {
    const int count = static_cast<int>(window.systemMenu.size());
    for (int step = 1; step <= count; ++step) {
        const int start = from < 0 ? (backward ? 0 : count - 1) : from;
        const int index = backward ? (start - step + count * 2) % count : (start + step) % count;
        if (window.systemMenu[static_cast<std::size_t>(index)].IsEnabled()) {
            return index;
        }
    }
    return -1;
}

void CloseMenu(WindowManager& manager, Window& window) {
    window.systemMenuOpen = false;
    window.menuHighlight = -1;
    manager.Notify(ChangeKind::WindowChanged, window);
}

}  // namespace

Delivery OpenSystemMenu(WindowManager& manager, Window& window) {
    if (window.systemMenu.empty()) {
        return Delivery::Refused("the window has no system menu");
    }
    if (window.systemMenuOpen) {
        CloseMenu(manager, window);
        return Delivery::Done();
    }
    window.systemMenuOpen = true;
    window.menuHighlight = NextEnabledItem(window, -1, false);
    manager.Notify(ChangeKind::WindowChanged, window);
    return Delivery::Done();
}

Delivery ChooseSystemMenuItem(WindowManager& manager, Window& window, UINT id) {
    for (const MenuItem& item : window.systemMenu) {
        if (item.id != id || item.IsSeparator()) {
            continue;
        }
        if (!item.IsEnabled()) {
            return Delivery::Refused("the menu item is grayed");
        }
        if (window.systemMenuOpen) {
            CloseMenu(manager, window);
        }
        SendToWindow(manager, window, WM_SYSCOMMAND, id, 0);
        return Delivery::Done();
    }
    return Delivery::Refused("the system menu has no item " + std::to_string(id));
}

Delivery HandleMenuKey(WindowManager& manager, Window& window, Key key) {
    switch (key) {
        case Key::Up:
        case Key::Down:
            window.menuHighlight = NextEnabledItem(window, window.menuHighlight, key == Key::Up);
            manager.Notify(ChangeKind::WindowChanged, window);
            return Delivery::Done();
        case Key::Enter:
        case Key::Space: {
            const int index = window.menuHighlight;
            if (index < 0) {
                return Delivery::Refused("no menu item is highlighted");
            }
            return ChooseSystemMenuItem(manager, window, window.systemMenu[static_cast<std::size_t>(index)].id);
        }
        case Key::Escape:
        case Key::AltSpace:
            CloseMenu(manager, window);
            return Delivery::Done();
        case Key::AltF4:
            CloseMenu(manager, window);
            return ChooseSystemMenuItem(manager, window, SC_CLOSE);
        default:
            return Delivery::Refused("the open menu takes no such key");
    }
}

}  // namespace afx::host
