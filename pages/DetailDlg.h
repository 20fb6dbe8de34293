#pragma once

#include "afx/Afx.h"
#include "install/InstallProcedure.h"
#include "install/InstallReport.h"
#include "res/ResourceIds.h"

#include <array>
#include <optional>

// The system menu's About item.
inline constexpr UINT IDM_ABOUTBOX = 0x0010;

// "Detail Setting": the printer module, the printer name that goes with it and the
// default-printer choice, over a hidden group of port and serial settings with fixed
// rows. Next runs the port page and finishes the wizard; the page also owns the
// install procedure, which reads its controls.
class CDetailDlg : public CDialog {
public:
    explicit CDetailDlg(CWnd* parent = nullptr);
    ~CDetailDlg() override;

    BOOL OnInitDialog() override;

    // Installs with the page's current choices and the port of the page in g_pPortDlg;
    // progress goes to that page's bar while it is open. Keeps what the run achieved.
    void RunInstall();

    // What the latest run of this Next press achieved; none before its first run.
    const std::optional<install::InstallReport>& LastInstallReport() const { return m_lastInstall; }

    // Shown when the install did not put the driver and the printer in place.
    static constexpr const char* kInstallFailedHeadline = "The printer was not installed.";

protected:
    void DoDataExchange(CDataExchange* pDX) override { CDialog::DoDataExchange(pDX); }
    // Every way of cancelling ends the page as OK does: the wizard ends.
    void OnCancel() override { CDialog::OnOK(); }

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon() { return m_hIcon; }
    void OnNext();
    void OnSelchangeModule();
    void OnSelchangePort();
    void OnSetDefault() {}  // the box toggles by itself

    DECLARE_MESSAGE_MAP()

private:
    void AddAboutItem();
    void FillModuleList();
    void SelectHiddenDefaults();
    std::array<CComboBox*, 5> SerialCombos() const;
    void EnableSerialCombos(BOOL enable);

    install::InstallChoices ReadInstallChoices() const;
    void FinishAfterPortPage();
    void TellInstallFailure(const install::InstallReport& report);

    CComboBox* m_pModuleCombo = nullptr;
    CComboBox* m_pPortCombo = nullptr;
    // The serial combos, in the order the install reads them.
    CComboBox* m_pBaudCombo = nullptr;
    CComboBox* m_pDataBitsCombo = nullptr;
    CComboBox* m_pStopBitsCombo = nullptr;
    CComboBox* m_pParityCombo = nullptr;
    CComboBox* m_pFlowCombo = nullptr;
    CButton* m_pDefaultCheck = nullptr;
    HICON m_hIcon = nullptr;

    std::optional<install::InstallReport> m_lastInstall;
};
