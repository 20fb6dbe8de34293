#include "pages/SelectOsDlg.h"

#include "app/WizardGlobals.h"
#include "app/WizardServices.h"
#include "install/OsDetection.h"

#include <array>

BEGIN_MESSAGE_MAP(CSelectOsDlg, CDialog)
    ON_BN_CLICKED(IDC_BACK, &CSelectOsDlg::OnBack)
    ON_BN_CLICKED(IDC_NEXT, [](CSelectOsDlg& self) { self.CDialog::OnOK(); })
    ON_BN_CLICKED(IDC_EXIT, &CSelectOsDlg::OnCancel)
    ON_WM_PAINT()
END_MESSAGE_MAP()

int CSelectOsDlg::RadioButtonFor(int osCode)
{
    // Indexed by OsCode; "Windows 2008" (1006) stands for none.
    static constexpr std::array<int, 9> kButtons{
        0,           IDC_OS_WIN95,   IDC_OS_WIN98,   IDC_OS_NT4,  IDC_OS_WIN2000,
        IDC_OS_WINXP, IDC_OS_WIN2003, IDC_OS_VISTA, IDC_OS_WIN7,
    };
    return osCode >= 0 && osCode < static_cast<int>(kButtons.size()) ? kButtons[static_cast<std::size_t>(osCode)] : 0;
}

BOOL CSelectOsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    install::DetectOsCode(app::Services().system, g_osCode);
    if (const int id = RadioButtonFor(g_osCode); id != 0) {
        if (CWnd* radio = GetDlgItem(id))
            radio->SendMsg(BM_SETCHECK, BST_CHECKED);
    }
    return TRUE;
}
