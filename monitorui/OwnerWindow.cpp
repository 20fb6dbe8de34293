#include "monitorui/OwnerWindow.h"

#include "afx/Backend.h"
#include "afx/host/Desktop.h"

namespace monitorui {

spooler::WindowHandle ToWindowHandle(HWND window) { return reinterpret_cast<spooler::WindowHandle>(window); }

HWND FromWindowHandle(spooler::WindowHandle window) { return reinterpret_cast<HWND>(window); }

COwnerWnd::COwnerWnd(spooler::WindowHandle owner)
{
    const HWND handle = FromWindowHandle(owner);
    const afx::host::Desktop* desktop = afx::host::CurrentDesktop();
    // Only a window on the desktop, not one of its controls nor a stale number.
    if (handle != nullptr && desktop != nullptr && desktop->Find(handle) != nullptr)
        m_wnd.Attach(handle);
}

HWND COwnerWnd::Handle() const
{
    return m_wnd.GetSafeHwnd() != nullptr ? m_wnd.GetSafeHwnd() : afx::backend::ActiveWindow();
}

}  // namespace monitorui
