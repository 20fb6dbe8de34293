#include "afx/CComboBox.h"

#include <string>

int CComboBox::AddString(std::string_view text) {
    const std::string row(text);
    return static_cast<int>(SendMsg(CB_ADDSTRING, 0, afx::ToLParam(row.c_str())));
}

int CComboBox::InsertString(int index, std::string_view text) {
    const std::string row(text);
    return static_cast<int>(SendMsg(CB_INSERTSTRING, static_cast<WPARAM>(index), afx::ToLParam(row.c_str())));
}

int CComboBox::DeleteString(UINT index) { return static_cast<int>(SendMsg(CB_DELETESTRING, index)); }

void CComboBox::ResetContent() { SendMsg(CB_RESETCONTENT); }

int CComboBox::GetCount() const { return static_cast<int>(SendMsg(CB_GETCOUNT)); }

int CComboBox::GetCurSel() const { return static_cast<int>(SendMsg(CB_GETCURSEL)); }

int CComboBox::SetCurSel(int select) {
    return static_cast<int>(SendMsg(CB_SETCURSEL, static_cast<WPARAM>(select)));
}

int CComboBox::GetLBText(int index, CString& text) const {
    const LRESULT length = SendMsg(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length < 0) {
        return CB_ERR;
    }
    std::string buffer(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = SendMsg(CB_GETLBTEXT, static_cast<WPARAM>(index), afx::ToLParam(buffer.data()));
    if (copied < 0) {
        return CB_ERR;
    }
    buffer.resize(static_cast<std::size_t>(copied));
    text = CString(std::move(buffer));
    return text.GetLength();
}

CString CComboBox::GetLBText(int index) const {
    CString text;
    GetLBText(index, text);
    return text;
}

int CComboBox::FindStringExact(int startAfter, std::string_view text) const {
    const std::string wanted(text);
    return static_cast<int>(
        SendMsg(CB_FINDSTRINGEXACT, static_cast<WPARAM>(startAfter), afx::ToLParam(wanted.c_str())));
}

BOOL CComboBox::GetDroppedState() const { return SendMsg(CB_GETDROPPEDSTATE) != 0 ? TRUE : FALSE; }

void CComboBox::ShowDropDown(BOOL show) { SendMsg(CB_SHOWDROPDOWN, show ? TRUE : FALSE); }
