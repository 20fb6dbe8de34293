#pragma once

#include "afx/CWnd.h"

// A push button, check box or radio button. SetCheck is the program's own change: it
// raises no notification, and on a radio button it leaves the others of the group as
// they are. Only the user's click unchecks the group's other radio buttons.
class CButton : public CWnd {
public:
    int GetCheck() const;         // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE
    void SetCheck(int check);     // BM_SETCHECK
    UINT GetState() const;        // BM_GETSTATE: the check state, BST_FOCUS...
    UINT GetButtonStyle() const;  // the BS_ type bits
};
