#pragma once

#include "afx/CWnd.h"
#include "spooler/Spooler.h"

namespace pages {

// A page's window as the owner of a port monitor's dialog.
inline spooler::WindowHandle OwnerWindow(const CWnd& page)
{
    return reinterpret_cast<spooler::WindowHandle>(page.GetSafeHwnd());
}

}  // namespace pages
