#pragma once

#include "afx/CWnd.h"

// A single-line edit field; its text is the window text (SetText, GetText).
class CEdit : public CWnd {
public:
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    BOOL IsReadOnly() const;
};
