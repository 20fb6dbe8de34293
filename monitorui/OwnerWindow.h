#pragma once

#include "afx/Afx.h"
#include "spooler/Spooler.h"

namespace monitorui {

// The window a spooler call named as the owner of a monitor dialog, as a parent for
// CDialog: the handle is the framework's own window handle passed through the
// spooler's integer type. A handle that names no open top-level window gives no
// parent, and the dialog is owned by the active window.
class COwnerWnd {
public:
    explicit COwnerWnd(spooler::WindowHandle owner);
    ~COwnerWnd() { m_wnd.Detach(); }
    COwnerWnd(const COwnerWnd&) = delete;
    COwnerWnd& operator=(const COwnerWnd&) = delete;

    // The parent to pass to a dialog, or null.
    CWnd* Parent() { return m_wnd.GetSafeHwnd() != nullptr ? &m_wnd : nullptr; }
    // The owner for a message box: that window, else the active one.
    HWND Handle() const;

private:
    CWnd m_wnd;
};

// How the pages hand a window to the spooler, and how the monitor gets it back.
spooler::WindowHandle ToWindowHandle(HWND window);
HWND FromWindowHandle(spooler::WindowHandle window);

}  // namespace monitorui
