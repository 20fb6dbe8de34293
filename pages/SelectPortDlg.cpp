#include "pages/SelectPortDlg.h"

#include "app/WizardGlobals.h"
#include "app/WizardServices.h"
#include "pages/CreatePortDlg.h"
#include "pages/DetailDlg.h"
#include "pages/ListViewRules.h"
#include "pages/OwnerWindow.h"
#include "spooler/Enumeration.h"

#include <algorithm>
#include <array>
#include <string>

int CSelectPortDlg::s_liveCount = 0;

BEGIN_MESSAGE_MAP(CSelectPortDlg, CDialog)
    ON_BN_CLICKED(IDC_CREATE_PORT, &CSelectPortDlg::OnCreatePort)
    ON_BN_CLICKED(IDC_CONFIGURE_PORT, &CSelectPortDlg::OnConfigurePort)
    ON_BN_CLICKED(IDC_PORT_BACK, [](CSelectPortDlg& self) { self.CDialog::OnCancel(); })
    ON_BN_CLICKED(IDC_INSTALL, &CSelectPortDlg::OnInstall)
    ON_BN_CLICKED(IDC_PORT_CANCEL, &CSelectPortDlg::OnCancel)
END_MESSAGE_MAP()

CSelectPortDlg::CSelectPortDlg() : CDialog(IDD_SELECT_PORT) { ++s_liveCount; }

CSelectPortDlg::~CSelectPortDlg() { --s_liveCount; }

int CSelectPortDlg::LiveCount() { return s_liveCount; }

std::optional<int> CSelectPortDlg::PreferenceOf(std::string_view portName)
{
    static constexpr std::array<std::string_view, 3> kPrefixes{"LPT1", "COM1", "FILE"};
    for (std::size_t rank = 0; rank < kPrefixes.size(); ++rank)
        if (portName.starts_with(kPrefixes[rank]))
            return static_cast<int>(rank);
    return std::nullopt;
}

void CSelectPortDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROGRESS, m_progress);
    DDX_Control(pDX, IDC_PORT_LIST, m_listPorts);
}

BOOL CSelectPortDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    InsertColumns();
    FillPortList();
    m_progress.SetRange(0, 100);
    m_progress.SetPos(0);
    return TRUE;
}

void CSelectPortDlg::InsertColumns()
{
    m_listPorts.InsertColumn(0, "Port", LVCFMT_LEFT);
    m_listPorts.InsertColumn(1, "Type", LVCFMT_LEFT);
    m_listPorts.SetColumnWidth(0, 150);
    m_listPorts.SetColumnWidth(1, 280);
}

// One row per port in listing order, up to kMaxListedPorts, each traced; then the
// default port is selected: the last LPT1 row, else the last COM1 row, else the last
// FILE row.
void CSelectPortDlg::FillPortList()
{
    const app::WizardServices& services = app::Services();
    const auto listing = spooler::EnumeratePorts(services.spooler);
    pages::ApplyListStyle(m_listPorts);

    std::array<std::optional<int>, 3> preferredRows;
    const auto records = listing.Records();
    const int count = static_cast<int>(std::min<std::size_t>(records.size(), kMaxListedPorts));
    for (int row = 0; row < count; ++row) {
        const spooler::PortInfo2& port = records[static_cast<std::size_t>(row)];
        const std::string_view name = pages::TextOrEmpty(port.pPortName);
        if (const auto rank = PreferenceOf(name))
            preferredRows[static_cast<std::size_t>(*rank)] = row;
        services.system.Trace(std::string(name) + "\n");
        m_listPorts.InsertItem(LVIF_TEXT, row, name, 0, 0, 0, 0);
        m_listPorts.SetItemText(row, 1, pages::TextOrEmpty(port.pDescription));
    }
    for (const std::optional<int>& row : preferredRows) {
        if (row) {
            pages::SelectRow(m_listPorts, *row);
            break;
        }
    }
}

void CSelectPortDlg::ShowInstallProgress(int position)
{
    if (m_progress.IsWindow())
        m_progress.SendMsg(PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

// Whatever happened in the dialog, the list is built anew and the default port
// selected again: that is how a port just added shows up.
void CSelectPortDlg::OnCreatePort()
{
    CCreatePortDlg createPort;
    createPort.DoModal();
    m_listPorts.DeleteAllItems();
    FillPortList();
}

void CSelectPortDlg::OnConfigurePort()
{
    const auto row = pages::FindSelectedRow(m_listPorts);
    if (!row)
        return;
    const CString port = m_listPorts.GetItemText(*row, 0);
    app::Services().spooler.RequestConfigurePort(pages::OwnerWindow(*this), port.Str());
}

void CSelectPortDlg::OnInstall()
{
    if (const auto row = pages::FindSelectedRow(m_listPorts))
        m_strPort = m_listPorts.GetItemText(*row, 0);
    if (g_pDetailDlg != nullptr)
        g_pDetailDlg->RunInstall();
    CDialog::OnOK();
}
