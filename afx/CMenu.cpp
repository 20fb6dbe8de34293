#include "afx/CMenu.h"

#include "afx/Backend.h"

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, std::string_view text) {
    return afx::backend::AppendMenuItem(m_hMenu, flags, id, text) ? TRUE : FALSE;
}
