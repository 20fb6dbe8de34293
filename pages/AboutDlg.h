#pragma once

#include "afx/Afx.h"
#include "res/ResourceIds.h"

// "About VORNEX": the icon, the version and an OK button. The framework closes it.
class CAboutDlg : public CDialog {
public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override { CDialog::DoDataExchange(pDX); }

    DECLARE_MESSAGE_MAP()
};
