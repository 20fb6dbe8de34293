#include "afx/CDialog.h"

#include "afx/Backend.h"
#include "afx/CWinApp.h"
#include "res/Templates.h"

#include <string>

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_nIDHelp(templateId), m_pParentWnd(parent), m_pTemplate(nullptr) {}

CDialog::CDialog(const res::DialogTemplate& dialogTemplate, CWnd* parent)
    : m_nIDHelp(dialogTemplate.id), m_pParentWnd(parent), m_pTemplate(&dialogTemplate) {}

const res::DialogTemplate* CDialog::Template() const {
    return m_pTemplate != nullptr ? m_pTemplate : res::FindDialogTemplate(m_nIDHelp);
}

CDialog::~CDialog() = default;

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

INT_PTR CDialog::DoModal() {
    if (IsWindow()) {
        return -1;  // already running
    }
    // Without a parent the dialog belongs to the window the user is working in.
    HWND owner = m_pParentWnd != nullptr ? m_pParentWnd->GetSafeHwnd() : afx::backend::ActiveWindow();
    const INT_PTR result = m_pTemplate != nullptr
                               ? afx::backend::RunModalDialogIndirect(*this, *m_pTemplate, owner)
                               : afx::backend::RunModalDialog(*this, m_nIDHelp, owner);
    DetachChildren();
    m_hWnd = nullptr;
    return result;
}

void CDialog::EndDialog(int result) { afx::backend::EndModalDialog(m_hWnd, result); }

BOOL CDialog::OnInitDialog() {
    // The template's initial combo rows are data in res/, loaded here for every backend.
    if (const res::DialogTemplate* dialog = Template()) {
        for (const res::ControlTemplate& control : dialog->controls) {
            for (std::string_view item : control.items) {
                const std::string text(item);
                SendDlgItemMsg(control.id, CB_ADDSTRING, 0, afx::ToLParam(text.c_str()));
            }
        }
    }
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) {
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_INITDIALOG) {
        *result = OnInitDialog();
        return TRUE;
    }
    return CWnd::OnWndMsg(message, wParam, lParam, result);
}

BOOL CDialog::OnCmdMsg(UINT id, UINT code) {
    if (CWnd::OnCmdMsg(id, code)) {
        return TRUE;
    }
    CWinApp* app = AfxGetApp();
    return code == 0 && app != nullptr ? app->OnCmdMsg(id, code) : FALSE;
}
