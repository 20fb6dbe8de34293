#pragma once

#include "afx/host/Desktop.h"
#include "afx/host/DesktopObserver.h"
#include "afx/host/Model.h"

#include <memory>
#include <string>

// The backend's side of the desktop: adding and removing windows, finding them by
// handle, telling the observers. Internal to afx/host.
namespace afx::host {

class InputSource;

// Handles of windows and controls are numbers from one counter that never repeats, so a
// handle kept after its window is gone names nothing. A window's menu and paint handles
// carry the window's number; icon handles carry their resource id.
HWND NewWindowHandle();
std::uintptr_t HandleNumber(const void* handle);
HMENU MenuHandleOf(const Window& window);
HDC PaintHandleOf(const Window& window);
HICON IconHandleFor(unsigned iconId);

class WindowManager {
public:
    explicit WindowManager(Desktop& desktop) : m_desktop(desktop) {}

    Desktop& GetDesktop() { return m_desktop; }
    DuSize ScreenSize() const { return m_desktop.m_screen; }

    // Puts the window on top of the stack.
    Window& Add(std::unique_ptr<Window> window);
    void Remove(HWND handle);

    struct Target {
        Window* window = nullptr;
        Control* control = nullptr;  // null when the handle is the window's own
    };
    Target Lookup(const void* handle);
    Window* LookupWindow(HWND handle);  // a dialog or message box itself
    Window* Active();                   // the topmost visible, enabled window

    // Observers: told after each change.
    void Notify(ChangeKind kind, const Window& window, const Control* control = nullptr);

    InputSource* Input() { return m_desktop.m_input; }
    bool Aborting() const { return m_desktop.m_inputError.has_value(); }
    void Abort(std::string reason);

private:
    Desktop& m_desktop;
};

// The current desktop's manager, or nothing outside every DesktopScope.
std::optional<WindowManager> CurrentManager();

}  // namespace afx::host
