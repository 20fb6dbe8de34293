#pragma once

#include "afx/CommonControls.h"
#include "afx/CWnd.h"

#include <string_view>

// A list view in report view: headed columns, rows of texts. The rules the pages rely
// on: with LVS_SINGLESEL at most one row is selected; inserting at an index beyond the
// row count appends; SetItemState touches only the bits in its mask; DeleteAllItems
// keeps the columns. Changes made here raise no notification; the user's do
// (LVN_ITEMCHANGED).
class CListCtrl : public CWnd {
public:
    // A column inserted with width -1 gets no width (0) until SetColumnWidth.
    int InsertColumn(int column, std::string_view heading, int format = LVCFMT_LEFT,
                     int width = -1, int subItem = -1);
    BOOL SetColumnWidth(int column, int cx);  // pixels
    int GetColumnWidth(int column) const;

    int InsertItem(int item, std::string_view text);  // the row's index, or -1
    int InsertItem(UINT mask, int item, std::string_view text, UINT state, UINT stateMask,
                   int image, LPARAM data);
    BOOL DeleteItem(int item);
    BOOL DeleteAllItems();
    int GetItemCount() const;

    BOOL SetItemText(int item, int subItem, std::string_view text);
    CString GetItemText(int item, int subItem) const;  // the whole text, however long

    UINT GetItemState(int item, UINT mask) const;  // the state bits within mask
    BOOL SetItemState(int item, UINT state, UINT mask);  // item -1: every row
    int GetNextItem(int start, UINT flags) const;  // LVNI_SELECTED...; -1 when none
    UINT GetSelectedCount() const;

    DWORD GetExtendedStyle() const;
    DWORD SetExtendedStyle(DWORD exStyle);  // replaces all bits; the previous value
};
