#pragma once

#include "afx/WinConstants.h"
#include "afx/WinDefs.h"

#include <string_view>

#ifdef AppendMenu
#undef AppendMenu
#endif

// A menu, as far as the pages use one: the system menu of a dialog, to which the Detail
// Setting page appends its About item.
class CMenu {
public:
    HMENU m_hMenu = nullptr;

    HMENU GetSafeHmenu() const { return m_hMenu; }

    // MF_STRING with a command id and a text (an '&' marks the mnemonic), or
    // MF_SEPARATOR. FALSE when the menu is gone.
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, std::string_view text = {});
};
