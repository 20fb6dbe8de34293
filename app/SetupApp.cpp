#include "app/SetupApp.h"

#include "pages/DetailDlg.h"
#include "pages/SelectOsDlg.h"

BEGIN_MESSAGE_MAP(CSetupApp, CWinApp)
    ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

BOOL CSetupApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControlsStatic();

    CSelectOsDlg selectOs;
    INT_PTR result = selectOs.DoModal();
    while (result == IDOK) {
        if (RunDetailPage() != IDCANCEL)
            break;
        result = selectOs.DoModal();  // Back: detection runs again
    }
    return FALSE;
}

// A fresh page for every showing, gone as soon as its modal loop has ended.
INT_PTR CSetupApp::RunDetailPage()
{
    CDetailDlg detail;
    return detail.DoModal();
}
