#pragma once

#include "afx/Afx.h"
#include "res/ResourceIds.h"

// The first page: detects the Windows version and shows it as the one checked radio
// button. Nothing reads the buttons back; what lasts is g_osCode.
class CSelectOsDlg : public CDialog {
public:
    explicit CSelectOsDlg(CWnd* parent = nullptr) : CDialog(IDD_SELECT_OS, parent) {}

    BOOL OnInitDialog() override;

    // The radio button that stands for an OsCode, or none (0, or a code out of range).
    static int RadioButtonFor(int osCode);

protected:
    void DoDataExchange(CDataExchange* pDX) override { CDialog::DoDataExchange(pDX); }
    void OnCancel() override { CDialog::OnCancel(); }

    void OnBack() {}  // the button is hidden and disabled
    void OnPaint() { CPaintDC dc(this); }  // the page shows its controls only

    DECLARE_MESSAGE_MAP()
};
