#include "app/WizardGlobals.h"

install::OsCode g_osCode = install::kOsUnknown;
CSelectPortDlg* g_pPortDlg = nullptr;
CDetailDlg* g_pDetailDlg = nullptr;

namespace app {

void ResetWizardGlobals()
{
    g_osCode = install::kOsUnknown;
    g_pPortDlg = nullptr;
    g_pDetailDlg = nullptr;
    g_strPortName.Empty();
}

}  // namespace app
