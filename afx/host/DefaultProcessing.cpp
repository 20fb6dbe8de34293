#include "afx/CWnd.h"
#include "afx/host/Controls.h"
#include "afx/host/MessageBoxes.h"
#include "afx/host/Model.h"

#include <algorithm>
#include <cstring>

namespace afx::host {
namespace {

LRESULT SystemCommand(WindowManager& manager, Window& window, WPARAM wParam) {
    switch (static_cast<UINT>(wParam) & 0xFFF0u) {
        case SC_CLOSE:
            return SendToWindow(manager, window, WM_CLOSE, 0, 0);
        case SC_MINIMIZE:
            SetIconic(manager, window, true);
            return 0;
        case SC_RESTORE:
            SetIconic(manager, window, false);
            return 0;
        default:
            return 0;  // SC_MOVE and the rest: the host places its windows itself
    }
}

// WM_CLOSE: the Cancel command, from the Cancel button when the dialog has one.
LRESULT Close(WindowManager& manager, Window& window) {
    const Control* cancel = window.FindControl(IDCANCEL);
    if (cancel != nullptr && !cancel->enabled) {
        return 0;
    }
    return SendToWindow(manager, window, WM_COMMAND, MakeWParam(IDCANCEL, BN_CLICKED),
                        cancel != nullptr ? ToLParam(cancel->handle) : 0);
}

LRESULT SetIcon(WindowManager& manager, Window& window, WPARAM which, LPARAM icon) {
    HICON& slot = which == ICON_BIG ? window.bigIcon : window.smallIcon;
    HICON previous = slot;
    slot = FromLParam<HICON__>(icon);
    manager.Notify(ChangeKind::WindowChanged, window);
    return ToLParam(previous);
}

// A paint cycle that draws nothing but the background and the controls.
LRESULT Paint(WindowManager& manager, Window& window) {
    ++window.paintCount;
    window.drawnIcons.clear();
    manager.Notify(ChangeKind::WindowChanged, window);
    return 0;
}

}  // namespace

LRESULT SendToWindow(WindowManager& manager, Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window.object != nullptr) {
        return AfxCallWindowProc(*window.object, message, wParam, lParam);
    }
    return DefaultWindowProcessing(manager, window, message, wParam, lParam);
}

LRESULT DefaultWindowProcessing(WindowManager& manager, Window& window, UINT message, WPARAM wParam,
                                LPARAM lParam) {
    switch (message) {
        case WM_SYSCOMMAND:
            return SystemCommand(manager, window, wParam);
        case WM_CLOSE:
            return Close(manager, window);
        case WM_COMMAND:
            if (window.kind == WindowKind::MessageBox) {
                MessageBoxCommand(window, LoWord(wParam));
            }
            return 0;
        case WM_SETICON:
            return SetIcon(manager, window, wParam, lParam);
        case WM_GETICON:
            return ToLParam(wParam == ICON_BIG ? window.bigIcon : window.smallIcon);
        case WM_PAINT:
            return Paint(manager, window);
        case WM_ICONERASEBKGND:
            return TRUE;
        case WM_QUERYDRAGICON:
            return 0;  // no class icon: the system's default drag image
        case WM_SETTEXT:
            window.caption = FromLParam<const char>(lParam) != nullptr ? FromLParam<const char>(lParam) : "";
            manager.Notify(ChangeKind::WindowChanged, window);
            return TRUE;
        case WM_GETTEXT: {
            char* buffer = FromLParam<char>(lParam);
            if (buffer == nullptr || wParam == 0) {
                return 0;
            }
            const std::size_t count = std::min(window.caption.size(), static_cast<std::size_t>(wParam) - 1);
            std::memcpy(buffer, window.caption.data(), count);
            buffer[count] = '\0';
            return static_cast<LRESULT>(count);
        }
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(window.caption.size());
        default:
            return 0;
    }
}

void SetIconic(WindowManager& manager, Window& window, bool iconic) {
    if (window.iconic == iconic) {
        return;
    }
    window.iconic = iconic;
    window.systemMenuOpen = false;
    for (MenuItem& item : window.systemMenu) {
        // Restore is what a minimised window offers; Move is for a normal one.
        if (item.id == SC_RESTORE) item.flags = iconic ? MF_STRING : MF_GRAYED;
    }
    manager.Notify(ChangeKind::WindowChanged, window);
    SendToWindow(manager, window, WM_PAINT, 0, 0);
}

}  // namespace afx::host
