#include "afx/host/Desktop.h"

#include "afx/host/Dump.h"
#include "afx/host/WindowManager.h"

#include <algorithm>

namespace afx::host {
namespace {

Desktop* g_current = nullptr;

}  // namespace

Desktop::Desktop(DuSize screen) : m_screen(screen) {}

Desktop::~Desktop() = default;

void Desktop::SetScreenSize(DuSize screen) { m_screen = screen; }

std::vector<const Window*> Desktop::Stack() const {
    std::vector<const Window*> stack;
    stack.reserve(m_windows.size());
    for (const std::unique_ptr<Window>& window : m_windows) {
        stack.push_back(window.get());
    }
    return stack;
}

const Window* Desktop::ActiveWindow() const {
    return WindowManager(const_cast<Desktop&>(*this)).Active();
}

const Window* Desktop::Find(HWND handle) const {
    return WindowManager(const_cast<Desktop&>(*this)).LookupWindow(handle);
}

const Window* Desktop::FindByTemplate(unsigned templateId) const {
    for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it) {
        if ((*it)->kind == WindowKind::Dialog && (*it)->templateId == templateId) {
            return it->get();
        }
    }
    return nullptr;
}

const Control* Desktop::FocusedControl() const {
    const Window* active = ActiveWindow();
    return active != nullptr ? active->FocusedControl() : nullptr;
}

const Control* Desktop::FindControl(HWND handle) const {
    return WindowManager(const_cast<Desktop&>(*this)).Lookup(handle).control;
}

void Desktop::SetInput(InputSource* input) {
    m_input = input;
    m_inputError.reset();
}

void Desktop::AddObserver(DesktopObserver* observer) {
    if (observer != nullptr && std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end()) {
        m_observers.push_back(observer);
    }
}

void Desktop::RemoveObserver(DesktopObserver* observer) { std::erase(m_observers, observer); }

std::string Desktop::Dump() const { return DumpDesktop(*this); }

DesktopScope::DesktopScope(Desktop& desktop) : m_previous(g_current) { g_current = &desktop; }

DesktopScope::~DesktopScope() { g_current = m_previous; }

Desktop* CurrentDesktop() { return g_current; }

}  // namespace afx::host
