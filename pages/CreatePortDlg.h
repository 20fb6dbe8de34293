#pragma once

#include "afx/Afx.h"
#include "res/ResourceIds.h"

// "Create Port": the spooler's port monitors; New Port... asks the selected monitor to
// add a port through its own dialog. The Select Port page lists the new port once this
// dialog has closed.
class CCreatePortDlg : public CDialog {
public:
    CCreatePortDlg() : CDialog(IDD_CREATE_PORT) {}

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    void OnNewPort();

    DECLARE_MESSAGE_MAP()

private:
    void FillMonitorList();

    CListCtrl m_listMonitors;
};
