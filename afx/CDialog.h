#pragma once

#include "afx/CWnd.h"
#include "res/DialogTemplate.h"

// A modal dialog built from a numbered template (res/).
//
//     CSelectPortDlg dlg;               // no parent: owned by the active window
//     INT_PTR result = dlg.DoModal();   // IDOK, IDCANCEL, or -1 when it cannot be shown
//
// While it runs, its owner is disabled and input goes to it alone; DoModal returns when
// a handler calls EndDialog (OnOK and OnCancel do). Dialogs nest: a handler may run
// another dialog or a message box, and returns when that one has ended.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    // A dialog from a template of its own rather than one of the numbered resources
    // (DialogBoxIndirect): for dialogs that only one backend shows. The template must
    // outlive the dialog object.
    explicit CDialog(const res::DialogTemplate& dialogTemplate, CWnd* parent = nullptr);
    ~CDialog() override;

    virtual INT_PTR DoModal();
    // Ends the modal run with `result` once the running handler returns.
    void EndDialog(int result);

    UINT GetTemplateId() const { return m_nIDHelp; }

    // Loads the combo boxes' initial rows from the template, then UpdateData(FALSE).
    // TRUE lets the framework put the focus on the first visible, enabled tab stop;
    // FALSE says the page has set the focus itself.
    virtual BOOL OnInitDialog();

protected:
    // The OK command (IDOK: Enter, an OK button): UpdateData(TRUE), then EndDialog(IDOK).
    virtual void OnOK();
    // The Cancel command (IDCANCEL: Esc, the close box, Alt+F4): EndDialog(IDCANCEL).
    virtual void OnCancel();

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    // Commands the dialog's map leaves go on to the application (ID_HELP).
    BOOL OnCmdMsg(UINT id, UINT code) override;

    UINT m_nIDHelp;        // the template id, also the dialog's help topic
    CWnd* m_pParentWnd;    // the owner asked for, or null
    const res::DialogTemplate* m_pTemplate;  // the template of its own, or null

private:
    const res::DialogTemplate* Template() const;

    DECLARE_MESSAGE_MAP()
};
