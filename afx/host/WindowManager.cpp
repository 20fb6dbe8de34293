#include "afx/host/WindowManager.h"

#include <algorithm>
#include <vector>

namespace afx::host {
namespace {

// Handle numbers start high enough to be told apart from small integers in a dump.
std::uintptr_t g_nextHandle = 0x100;
constexpr std::uintptr_t kIconHandleBase = 0x7C000000;

}  // namespace

HWND NewWindowHandle() { return reinterpret_cast<HWND>(g_nextHandle++); }

std::uintptr_t HandleNumber(const void* handle) { return reinterpret_cast<std::uintptr_t>(handle); }

HMENU MenuHandleOf(const Window& window) { return reinterpret_cast<HMENU>(window.handle); }

HDC PaintHandleOf(const Window& window) { return reinterpret_cast<HDC>(window.handle); }

HICON IconHandleFor(unsigned iconId) { return reinterpret_cast<HICON>(kIconHandleBase + iconId); }

unsigned IconResourceId(HICON icon) {
    const std::uintptr_t number = HandleNumber(icon);
    return number > kIconHandleBase && number < kIconHandleBase + 0x10000
               ? static_cast<unsigned>(number - kIconHandleBase)
               : 0;
}

Window& WindowManager::Add(std::unique_ptr<Window> window) {
    m_desktop.m_windows.push_back(std::move(window));
    return *m_desktop.m_windows.back();
}

void WindowManager::Remove(HWND handle) {
    auto& windows = m_desktop.m_windows;
    const auto found = std::find_if(windows.begin(), windows.end(),
                                    [handle](const auto& window) { return window->handle == handle; });
    if (found == windows.end()) {
        return;
    }
    const std::unique_ptr<Window> closing = std::move(*found);
    windows.erase(found);
    Notify(ChangeKind::WindowClosed, *closing);
}

WindowManager::Target WindowManager::Lookup(const void* handle) {
    if (handle == nullptr) {
        return {};
    }
    for (const std::unique_ptr<Window>& window : m_desktop.m_windows) {
        if (window->handle == handle) {
            return {window.get(), nullptr};
        }
        for (Control& control : window->controls) {
            if (control.handle == handle) {
                return {window.get(), &control};
            }
        }
    }
    return {};
}

Window* WindowManager::LookupWindow(HWND handle) {
    const Target target = Lookup(handle);
    return target.control == nullptr ? target.window : nullptr;
}

Window* WindowManager::Active() {
    auto& windows = m_desktop.m_windows;
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if ((*it)->visible && (*it)->enabled) {
            return it->get();
        }
    }
    return nullptr;
}

void WindowManager::Notify(ChangeKind kind, const Window& window, const Control* control) {
    const Change change{kind, window.handle, control != nullptr ? control->handle : nullptr};
    // An observer may remove itself while being told.
    const std::vector<DesktopObserver*> observers = m_desktop.m_observers;
    for (DesktopObserver* observer : observers) {
        observer->OnDesktopChanged(m_desktop, change);
    }
    if (kind != ChangeKind::ActiveChanged) {
        Window* active = Active();
        HWND activeHandle = active != nullptr ? active->handle : nullptr;
        if (activeHandle != m_desktop.m_lastActive) {
            m_desktop.m_lastActive = activeHandle;
            if (active != nullptr) {
                Notify(ChangeKind::ActiveChanged, *active);
            }
        }
    }
}

void WindowManager::Abort(std::string reason) {
    if (!m_desktop.m_inputError) {
        m_desktop.m_inputError = std::move(reason);
    }
}

std::optional<WindowManager> CurrentManager() {
    Desktop* desktop = CurrentDesktop();
    if (desktop == nullptr) {
        return std::nullopt;
    }
    return WindowManager(*desktop);
}

}  // namespace afx::host
