#include "monitorui/PortNameDlg.h"

#include "monitorui/MonitorDialogIds.h"
#include "monitorui/MonitorTemplates.h"

#include <utility>

namespace monitorui {

CPortNameDlg::CPortNameDlg(std::string portName, CWnd* parent)
    : CDialog(PortNameTemplate(), parent), m_portName(std::move(portName)) {}

BOOL CPortNameDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_PORT_NAME_EDIT, m_portName);
    return TRUE;  // the focus goes to the field
}

void CPortNameDlg::OnOK()
{
    CString text;
    GetDlgItemText(IDC_PORT_NAME_EDIT, text);
    m_portName = text.Str();
    CDialog::OnOK();
}

}  // namespace monitorui
