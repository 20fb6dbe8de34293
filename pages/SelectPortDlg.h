#pragma once

#include "afx/Afx.h"
#include "res/ResourceIds.h"

#include <optional>
#include <string_view>

// "Select Port": the spooler's ports with a default one preselected (LPT1, else COM1,
// else FILE); ports can be created and configured through their monitors; Install
// takes the selected port and runs the install on the Detail Setting page beneath.
// The object outlives its window: the Next handler reads m_strPort afterwards.
class CSelectPortDlg : public CDialog {
public:
    CSelectPortDlg();
    ~CSelectPortDlg() override;

    BOOL OnInitDialog() override;

    // Moves the progress bar while the page's window exists; does nothing afterwards.
    void ShowInstallProgress(int position);

    // Port page objects alive now (each Next press makes one and ends with it).
    static int LiveCount();

    // The ports listed; records from this one on are passed over.
    static constexpr int kMaxListedPorts = 256;

    // Which preferred port a name is, by its first four characters, case-sensitively:
    // 0 "LPT1", 1 "COM1", 2 "FILE"; none for any other name.
    static std::optional<int> PreferenceOf(std::string_view portName);

    CString m_strPort;  // the chosen port; empty until Install takes one

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override { CDialog::OnCancel(); }

    void OnCreatePort();
    void OnConfigurePort();
    void OnInstall();

    DECLARE_MESSAGE_MAP()

private:
    void InsertColumns();
    void FillPortList();

    CProgressCtrl m_progress;
    CListCtrl m_listPorts;

    static int s_liveCount;
};
