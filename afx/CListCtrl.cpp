#include "afx/CListCtrl.h"

#include <string>

namespace {

// Reading a text of unknown length: grow the buffer until the text fits with room to
// spare, as a list view copies at most cchTextMax - 1 bytes.
constexpr int kFirstTextBuffer = 256;
constexpr int kLargestTextBuffer = 64 * 1024 * 1024;

}  // namespace

int CListCtrl::InsertColumn(int column, std::string_view heading, int format, int width, int subItem) {
    std::string text(heading);
    afx::LvColumn record;
    record.mask = LVCF_TEXT | LVCF_FMT;
    record.fmt = format;
    record.pszText = text.data();
    if (width != -1) {
        record.mask |= LVCF_WIDTH;
        record.cx = width;
    }
    if (subItem != -1) {
        record.mask |= LVCF_SUBITEM;
        record.iSubItem = subItem;
    }
    return static_cast<int>(SendMsg(LVM_INSERTCOLUMN, static_cast<WPARAM>(column), afx::ToLParam(&record)));
}

BOOL CListCtrl::SetColumnWidth(int column, int cx) {
    return SendMsg(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                   afx::MakeLParam(static_cast<unsigned>(cx), 0)) != 0
               ? TRUE
               : FALSE;
}

int CListCtrl::GetColumnWidth(int column) const {
    return static_cast<int>(SendMsg(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
}

int CListCtrl::InsertItem(int item, std::string_view text) {
    return InsertItem(LVIF_TEXT, item, text, 0, 0, 0, 0);
}

int CListCtrl::InsertItem(UINT mask, int item, std::string_view text, UINT state, UINT stateMask,
                          int image, LPARAM data) {
    std::string itemText(text);
    afx::LvItem record;
    record.mask = mask;
    record.iItem = item;
    record.state = state;
    record.stateMask = stateMask;
    record.pszText = itemText.data();
    record.iImage = image;
    record.lParam = data;
    return static_cast<int>(SendMsg(LVM_INSERTITEM, 0, afx::ToLParam(&record)));
}

BOOL CListCtrl::DeleteItem(int item) {
    return SendMsg(LVM_DELETEITEM, static_cast<WPARAM>(item)) != 0 ? TRUE : FALSE;
}

BOOL CListCtrl::DeleteAllItems() { return SendMsg(LVM_DELETEALLITEMS) != 0 ? TRUE : FALSE; }

int CListCtrl::GetItemCount() const { return static_cast<int>(SendMsg(LVM_GETITEMCOUNT)); }

BOOL CListCtrl::SetItemText(int item, int subItem, std::string_view text) {
    std::string itemText(text);
    afx::LvItem record;
    record.iSubItem = subItem;
    record.pszText = itemText.data();
    return SendMsg(LVM_SETITEMTEXT, static_cast<WPARAM>(item), afx::ToLParam(&record)) != 0 ? TRUE : FALSE;
}

CString CListCtrl::GetItemText(int item, int subItem) const {
    for (int size = kFirstTextBuffer; size <= kLargestTextBuffer; size *= 2) {
        std::string buffer(static_cast<std::size_t>(size), '\0');
        afx::LvItem record;
        record.iSubItem = subItem;
        record.pszText = buffer.data();
        record.cchTextMax = size;
        const LRESULT copied = SendMsg(LVM_GETITEMTEXT, static_cast<WPARAM>(item), afx::ToLParam(&record));
        if (copied < size - 1) {
            buffer.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
            return CString(std::move(buffer));
        }
    }
    return CString();
}

UINT CListCtrl::GetItemState(int item, UINT mask) const {
    return static_cast<UINT>(SendMsg(LVM_GETITEMSTATE, static_cast<WPARAM>(item), static_cast<LPARAM>(mask)));
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) {
    afx::LvItem record;
    record.state = state;
    record.stateMask = mask;
    return SendMsg(LVM_SETITEMSTATE, static_cast<WPARAM>(item), afx::ToLParam(&record)) != 0 ? TRUE : FALSE;
}

int CListCtrl::GetNextItem(int start, UINT flags) const {
    return static_cast<int>(SendMsg(LVM_GETNEXTITEM, static_cast<WPARAM>(start), afx::MakeLParam(flags, 0)));
}

UINT CListCtrl::GetSelectedCount() const { return static_cast<UINT>(SendMsg(LVM_GETSELECTEDCOUNT)); }

DWORD CListCtrl::GetExtendedStyle() const {
    return static_cast<DWORD>(SendMsg(LVM_GETEXTENDEDLISTVIEWSTYLE));
}

DWORD CListCtrl::SetExtendedStyle(DWORD exStyle) {
    return static_cast<DWORD>(SendMsg(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(exStyle)));
}
