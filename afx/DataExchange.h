#pragma once

#include "afx/WinDefs.h"

class CWnd;

// What DoDataExchange receives: the dialog and the direction of the exchange.
class CDataExchange {
public:
    CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate)
        : m_pDlgWnd(dlgWnd), m_bSaveAndValidate(saveAndValidate) {}

    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
};

// Binds the member control object `control` to control `id` of the dialog, so that
// calls on the member act on that control. Binding again after the dialog has been
// shown anew follows the new window.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
