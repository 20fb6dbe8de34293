// The framework's window-system calls, answered by the host's virtual windows.
#include "afx/Backend.h"

#include "afx/CDialog.h"
#include "afx/host/Controls.h"
#include "afx/host/DialogBuilder.h"
#include "afx/host/HelpViewer.h"
#include "afx/host/HostApp.h"
#include "afx/host/MessageBoxes.h"
#include "afx/host/ModalLoop.h"
#include "afx/host/UserActions.h"
#include "res/Icons.h"
#include "res/Templates.h"

namespace afx::backend {
namespace {

using host::Control;
using host::Window;
using host::WindowManager;

// Runs `action` with the current desktop's manager and what `handle` names; `fallback`
// when there is no desktop or the handle names nothing.
template <class Result, class Action>
Result OnTarget(const void* handle, Result fallback, Action action) {
    std::optional<WindowManager> manager = host::CurrentManager();
    if (!manager) {
        return fallback;
    }
    const WindowManager::Target target = manager->Lookup(handle);
    if (target.window == nullptr) {
        return fallback;
    }
    return action(*manager, *target.window, target.control);
}

// The window a menu or paint handle belongs to: they carry the window's number.
Window* WindowOfHandle(WindowManager& manager, const void* handle) {
    return manager.LookupWindow(reinterpret_cast<HWND>(const_cast<void*>(handle)));
}

}  // namespace

bool IsWindowHandle(HWND hWnd) {
    return OnTarget(hWnd, false, [](WindowManager&, Window&, Control*) { return true; });
}

CWnd* BoundObject(HWND hWnd) {
    return OnTarget<CWnd*>(hWnd, nullptr, [](WindowManager&, Window& window, Control* control) {
        return control == nullptr ? window.object : nullptr;
    });
}

LRESULT SendTo(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return OnTarget<LRESULT>(hWnd, 0, [&](WindowManager& manager, Window& window, Control* control) {
        return control != nullptr ? host::ControlProc(manager, window, *control, message, wParam, lParam)
                                  : host::SendToWindow(manager, window, message, wParam, lParam);
    });
}

LRESULT DefaultProcessing(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return OnTarget<LRESULT>(hWnd, 0, [&](WindowManager& manager, Window& window, Control* control) {
        return control != nullptr ? LRESULT{0}
                                  : host::DefaultWindowProcessing(manager, window, message, wParam, lParam);
    });
}

HWND DialogItem(HWND dialog, int id) {
    return OnTarget<HWND>(dialog, nullptr, [id](WindowManager&, Window& window, Control* control) -> HWND {
        if (control != nullptr) {
            return nullptr;
        }
        const Control* item = window.FindControl(id);
        return item != nullptr ? item->handle : nullptr;
    });
}

int ControlId(HWND hWnd) {
    return OnTarget(hWnd, 0, [](WindowManager&, Window&, Control* control) {
        return control != nullptr ? control->id : 0;
    });
}

void SetTextOf(HWND hWnd, std::string_view text) {
    OnTarget(hWnd, 0, [text](WindowManager& manager, Window& window, Control* control) {
        if (control != nullptr) {
            host::SetControlText(manager, window, *control, text);
        } else {
            window.caption.assign(text);
            manager.Notify(host::ChangeKind::WindowChanged, window);
        }
        return 0;
    });
}

std::string TextOf(HWND hWnd) {
    return OnTarget(hWnd, std::string(), [](WindowManager&, Window& window, Control* control) {
        return control != nullptr ? host::ControlText(*control) : window.caption;
    });
}

bool Enable(HWND hWnd, bool enable) {
    return OnTarget(hWnd, false, [enable](WindowManager& manager, Window& window, Control* control) {
        bool& enabled = control != nullptr ? control->enabled : window.enabled;
        const bool wasDisabled = !enabled;
        if (enabled != enable) {
            enabled = enable;
            manager.Notify(control != nullptr ? host::ChangeKind::ControlChanged : host::ChangeKind::WindowChanged,
                           window, control);
        }
        return wasDisabled;
    });
}

bool IsEnabled(HWND hWnd) {
    return OnTarget(hWnd, false, [](WindowManager&, Window& window, Control* control) {
        return control != nullptr ? control->enabled : window.enabled;
    });
}

bool Show(HWND hWnd, int cmdShow) {
    return OnTarget(hWnd, false, [cmdShow](WindowManager& manager, Window& window, Control* control) {
        if (control != nullptr) {
            const bool wasVisible = control->visible;
            if (wasVisible != (cmdShow != SW_HIDE)) {
                control->visible = cmdShow != SW_HIDE;
                manager.Notify(host::ChangeKind::ControlChanged, window, control);
            }
            return wasVisible;
        }
        const bool wasVisible = window.visible;
        if (cmdShow == SW_MINIMIZE || cmdShow == SW_RESTORE) {
            host::SetIconic(manager, window, cmdShow == SW_MINIMIZE);
        } else if (wasVisible != (cmdShow != SW_HIDE)) {
            window.visible = cmdShow != SW_HIDE;
            manager.Notify(host::ChangeKind::WindowChanged, window);
        }
        return wasVisible;
    });
}

bool IsVisible(HWND hWnd) {
    return OnTarget(hWnd, false, [](WindowManager&, Window& window, Control* control) {
        return control != nullptr ? control->visible && window.visible : window.visible;
    });
}

bool IsIconic(HWND hWnd) {
    return OnTarget(hWnd, false, [](WindowManager&, Window& window, Control* control) {
        return control == nullptr && window.iconic;
    });
}

DWORD Style(HWND hWnd) {
    return OnTarget<DWORD>(hWnd, 0, [](WindowManager&, Window& window, Control* control) {
        DWORD style = control != nullptr ? control->style : window.style;
        const bool visible = control != nullptr ? control->visible : window.visible;
        const bool enabled = control != nullptr ? control->enabled : window.enabled;
        style = visible ? (style | WS_VISIBLE) : (style & ~WS_VISIBLE);
        return enabled ? (style & ~WS_DISABLED) : (style | WS_DISABLED);
    });
}

DWORD ExStyle(HWND hWnd) {
    return OnTarget<DWORD>(hWnd, 0, [](WindowManager&, Window& window, Control* control) {
        return control != nullptr ? control->exStyle : window.exStyle;
    });
}

CRect ClientRect(HWND hWnd) {
    return OnTarget(hWnd, CRect{}, [](WindowManager&, Window& window, Control* control) {
        return host::ClientRectOf(control != nullptr ? control->rect : window.rect);
    });
}

HWND SetFocus(HWND hWnd) {
    const HWND previous = Focus();
    OnTarget(hWnd, 0, [](WindowManager& manager, Window& window, Control* control) {
        if (control != nullptr && control->CanTakeFocus()) {
            host::SetFocusTo(manager, window, host::IndexOf(window, *control));
        } else if (control == nullptr) {
            host::SetFocusTo(manager, window, -1);
        }
        return 0;
    });
    return previous;
}

HWND Focus() {
    std::optional<WindowManager> manager = host::CurrentManager();
    const Window* active = manager ? manager->Active() : nullptr;
    const Control* focused = active != nullptr ? active->FocusedControl() : nullptr;
    return focused != nullptr ? focused->handle : (active != nullptr ? active->handle : nullptr);
}

HWND ActiveWindow() {
    std::optional<WindowManager> manager = host::CurrentManager();
    const Window* active = manager ? manager->Active() : nullptr;
    return active != nullptr ? active->handle : nullptr;
}

HMENU SystemMenu(HWND hWnd, bool revert) {
    return OnTarget<HMENU>(hWnd, nullptr, [revert](WindowManager& manager, Window& window, Control* control) -> HMENU {
        if (control != nullptr || !window.HasSystemMenu()) {
            return nullptr;
        }
        if (revert) {
            window.systemMenu = host::DefaultSystemMenu(true);
            manager.Notify(host::ChangeKind::WindowChanged, window);
            return nullptr;
        }
        return host::MenuHandleOf(window);
    });
}

bool AppendMenuItem(HMENU menu, UINT flags, UINT_PTR id, std::string_view text) {
    std::optional<WindowManager> manager = host::CurrentManager();
    Window* window = manager ? WindowOfHandle(*manager, menu) : nullptr;
    if (window == nullptr || !window->HasSystemMenu()) {
        return false;
    }
    const bool separator = (flags & MF_SEPARATOR) != 0;
    window->systemMenu.push_back(
        host::MenuItem{separator ? 0u : static_cast<UINT>(id), separator ? std::string() : std::string(text), flags});
    manager->Notify(host::ChangeKind::WindowChanged, *window);
    return true;
}

INT_PTR RunModalDialogIndirect(CDialog& dialog, const res::DialogTemplate& source, HWND owner) {
    std::optional<WindowManager> manager = host::CurrentManager();
    if (!manager || manager->Aborting()) {
        return -1;
    }
    Window* ownerWindow = manager->Lookup(owner).window;
    Window& window = manager->Add(host::BuildDialogWindow(source, ownerWindow, manager->ScreenSize(), &dialog));
    dialog.Attach(window.handle);
    return host::RunModalLoop(*manager, window);
}

INT_PTR RunModalDialog(CDialog& dialog, UINT templateId, HWND owner) {
    const res::DialogTemplate* source = res::FindDialogTemplate(templateId);
    return source != nullptr ? RunModalDialogIndirect(dialog, *source, owner) : -1;
}

bool EndModalDialog(HWND hWnd, INT_PTR result) {
    return OnTarget(hWnd, false, [result](WindowManager&, Window& window, Control* control) {
        if (control != nullptr) {
            return false;
        }
        window.ended = true;
        window.result = result;
        return true;
    });
}

int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type) {
    std::optional<WindowManager> manager = host::CurrentManager();
    if (!manager || manager->Aborting()) {
        return 0;
    }
    Window* ownerWindow = manager->Lookup(owner).window;
    Window& window =
        manager->Add(host::BuildMessageBox(text, caption, type, ownerWindow, manager->ScreenSize()));
    return static_cast<int>(host::RunModalLoop(*manager, window));
}

HICON LoadIconResource(UINT id) { return res::FindIcon(id) != nullptr ? host::IconHandleFor(id) : nullptr; }

int SystemMetric(int index) {
    std::optional<WindowManager> manager = host::CurrentManager();
    const host::DuSize screen = manager ? manager->ScreenSize() : host::Desktop::kDefaultScreen;
    switch (index) {
        case SM_CXICON:
        case SM_CYICON:
            return 32;
        case SM_CXSMICON:
        case SM_CYSMICON:
            return 16;
        case SM_CXSCREEN:
            return host::ClientRectOf(res::DuRect{0, 0, screen.cx, screen.cy}).Width();
        case SM_CYSCREEN:
            return host::ClientRectOf(res::DuRect{0, 0, screen.cx, screen.cy}).Height();
        default:
            return 0;
    }
}

HDC BeginPaint(HWND hWnd) {
    return OnTarget<HDC>(hWnd, nullptr, [](WindowManager&, Window& window, Control* control) -> HDC {
        if (control != nullptr) {
            return nullptr;
        }
        ++window.paintCount;
        window.drawnIcons.clear();
        return host::PaintHandleOf(window);
    });
}

void EndPaint(HWND hWnd, HDC dc) {
    OnTarget(hWnd, 0, [dc](WindowManager& manager, Window& window, Control* control) {
        if (control == nullptr && dc == host::PaintHandleOf(window)) {
            manager.Notify(host::ChangeKind::WindowChanged, window);
        }
        return 0;
    });
}

bool DrawIconAt(HDC dc, int x, int y, HICON icon) {
    std::optional<WindowManager> manager = host::CurrentManager();
    Window* window = manager ? WindowOfHandle(*manager, dc) : nullptr;
    if (window == nullptr || host::IconResourceId(icon) == 0) {
        return false;
    }
    window->drawnIcons.push_back(host::DrawnIcon{icon, x, y});
    return true;
}

void ShowHelp(std::string_view helpFilePath, DWORD context) { host::ShowHelpTopic(helpFilePath, context); }

std::string ProgramPath() { return host::GetProgramPath(); }

}  // namespace afx::backend
