#pragma once

#include "afx/CWnd.h"

#include <string_view>

// A drop-down list combo box. Rows keep the order they are added in (no template sets
// CBS_SORT). A selection made here raises no CBN_SELCHANGE; one the user makes does.
class CComboBox : public CWnd {
public:
    int AddString(std::string_view text);             // the new row's index, or CB_ERR
    int InsertString(int index, std::string_view text);  // -1 appends
    int DeleteString(UINT index);                     // rows left, or CB_ERR
    void ResetContent();                              // no rows, no selection
    int GetCount() const;
    int GetCurSel() const;                            // CB_ERR when none is selected
    int SetCurSel(int select);                        // -1 clears; CB_ERR when out of range
    int GetLBText(int index, CString& text) const;    // text length, or CB_ERR
    CString GetLBText(int index) const;
    int FindStringExact(int startAfter, std::string_view text) const;
    BOOL GetDroppedState() const;
    void ShowDropDown(BOOL show = TRUE);
};
