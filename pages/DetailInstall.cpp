// The Detail Setting page's install procedure and the finishing sequence that its
// Next button sets off.
#include "pages/DetailDlg.h"

#include "app/WizardGlobals.h"
#include "app/WizardServices.h"
#include "pages/InstallProgress.h"
#include "pages/SelectPortDlg.h"

#include <memory>

namespace {

// Publishes the port page of one Next press in g_pPortDlg for as long as the press is
// handled: the install runs read its port and move its bar through the global.
class PortPageInUse {
public:
    explicit PortPageInUse(CSelectPortDlg& page) { g_pPortDlg = &page; }
    ~PortPageInUse() { g_pPortDlg = nullptr; }
    PortPageInUse(const PortPageInUse&) = delete;
    PortPageInUse& operator=(const PortPageInUse&) = delete;
};

int SelectionOf(const CComboBox* combo) { return combo != nullptr ? combo->GetCurSel() : CB_ERR; }

}  // namespace

void CDetailDlg::RunInstall()
{
    if (g_pPortDlg != nullptr)
        g_strPortName = g_pPortDlg->m_strPort;
    m_pModuleCombo = GetDlgItem<CComboBox>(IDC_MODULE);
    m_pDefaultCheck = GetDlgItem<CButton>(IDC_SET_DEFAULT);

    const app::WizardServices& services = app::Services();
    const install::InstallServices installServices{
        services.spooler, services.registry, services.files, services.system,
        [](int position) { SetInstallProgress(position); },
        [](const std::string& text) { AfxMessageBox(text, MB_OK); }};
    m_lastInstall = install::RunInstallProcedure(ReadInstallChoices(), installServices);
}

install::InstallChoices CDetailDlg::ReadInstallChoices() const
{
    install::InstallChoices choices;
    choices.moduleRow = SelectionOf(m_pModuleCombo);
    choices.portRow = SelectionOf(m_pPortCombo);
    choices.setDefaultPrinter = m_pDefaultCheck != nullptr && m_pDefaultCheck->GetCheck() == BST_CHECKED;
    choices.serial.baud = SelectionOf(m_pBaudCombo);
    choices.serial.dataBits = SelectionOf(m_pDataBitsCombo);
    choices.serial.stopBits = SelectionOf(m_pStopBitsCombo);
    choices.serial.parity = SelectionOf(m_pParityCombo);
    choices.serial.flow = SelectionOf(m_pFlowCombo);
    choices.portName = g_strPortName.Str();
    return choices;
}

// The port page runs over this one; unless it was cancelled, the wizard finishes. The
// page object lives until this handler ends, since the second run reads its port.
void CDetailDlg::OnNext()
{
    const auto portPage = std::make_unique<CSelectPortDlg>();
    const PortPageInUse inUse(*portPage);
    m_lastInstall.reset();
    if (portPage->DoModal() == IDCANCEL)
        return;
    g_strPortName = portPage->m_strPort;
    FinishAfterPortPage();
    CDialog::OnOK();
}

// On the NT family the install runs once more and the user learns how it ended:
// "Completed!" only when the driver and the printer are in place. Elsewhere nothing is
// said after a run that worked; a run that failed is not passed over in silence.
void CDetailDlg::FinishAfterPortPage()
{
    if (install::IsNtFamily(g_osCode)) {
        RunInstall();
        if (m_lastInstall->Succeeded())
            AfxMessageBox("Completed!", MB_OK);
        else
            TellInstallFailure(*m_lastInstall);
    } else if (m_lastInstall && !m_lastInstall->Succeeded()) {
        TellInstallFailure(*m_lastInstall);
    }
}

void CDetailDlg::TellInstallFailure(const install::InstallReport& report)
{
    AfxMessageBox(std::string(kInstallFailedHeadline) + "\n\n" + report.Describe(), MB_OK | MB_ICONHAND);
}
