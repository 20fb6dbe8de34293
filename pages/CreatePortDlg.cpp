#include "pages/CreatePortDlg.h"

#include "app/WizardServices.h"
#include "pages/ListViewRules.h"
#include "pages/OwnerWindow.h"
#include "spooler/Enumeration.h"

#include <string>

BEGIN_MESSAGE_MAP(CCreatePortDlg, CDialog)
    ON_BN_CLICKED(IDC_NEW_PORT, &CCreatePortDlg::OnNewPort)
    ON_BN_CLICKED(IDC_CREATE_CLOSE, [](CCreatePortDlg& self) { self.CDialog::OnCancel(); })
END_MESSAGE_MAP()

void CCreatePortDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MONITOR_LIST, m_listMonitors);
}

BOOL CCreatePortDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    FillMonitorList();
    return TRUE;
}

// One row per named monitor, in listing order and without gaps: a record without a
// name gets no row, and the rows after it move up. Row 0 starts selected.
void CCreatePortDlg::FillMonitorList()
{
    const app::WizardServices& services = app::Services();
    const auto listing = spooler::EnumerateMonitors(services.spooler);
    pages::ApplyListStyle(m_listMonitors);
    m_listMonitors.InsertColumn(0, "Available Port Type", LVCFMT_LEFT);
    m_listMonitors.SetColumnWidth(0, 340);

    int record = 0;
    for (const spooler::MonitorInfo1& monitor : listing.Records()) {
        if (monitor.pName != nullptr) {
            services.system.Trace(std::string(monitor.pName) + "\n");
            m_listMonitors.InsertItem(LVIF_TEXT, record, monitor.pName, 0, 0, 0, 0);
        }
        ++record;
    }
    pages::SelectRow(m_listMonitors, 0);
}

void CCreatePortDlg::OnNewPort()
{
    const auto row = pages::FindSelectedRow(m_listMonitors);
    if (!row)
        return;
    const CString monitor = m_listMonitors.GetItemText(*row, 0);
    app::Services().spooler.RequestAddPort(pages::OwnerWindow(*this), monitor.Str());
}
