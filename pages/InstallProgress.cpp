#include "pages/InstallProgress.h"

#include "app/WizardGlobals.h"
#include "pages/SelectPortDlg.h"

void SetInstallProgress(int position)
{
    if (g_pPortDlg != nullptr)
        g_pPortDlg->ShowInstallProgress(position);
}
