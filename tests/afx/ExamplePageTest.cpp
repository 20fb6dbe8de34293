// The page and main of afx/README.md, as written there: they compile and run.
#include "afx/Afx.h"
#include "afx/host/Desktop.h"
#include "afx/host/HostApp.h"
#include "afx/host/InputSource.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

namespace {

class CSelectOsDlg : public CDialog {
public:
    explicit CSelectOsDlg(CWnd* parent = nullptr) : CDialog(IDD_SELECT_OS, parent) {}
    BOOL OnInitDialog() override;
    int paints = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override { CDialog::DoDataExchange(pDX); }
    void OnCancel() override { CDialog::OnCancel(); }
    void OnBack() {}
    void OnPaint() {
        CPaintDC dc(this);
        ++paints;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelectOsDlg, CDialog)
    ON_BN_CLICKED(IDC_BACK, &CSelectOsDlg::OnBack)
    ON_BN_CLICKED(IDC_NEXT, &CSelectOsDlg::OnOK)
    ON_BN_CLICKED(IDC_EXIT, &CSelectOsDlg::OnCancel)
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CSelectOsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (CWnd* radio = GetDlgItem(IDC_OS_WINXP)) {
        radio->SendMsg(BM_SETCHECK, BST_CHECKED);
    }
    return TRUE;
}

class CExampleApp : public CWinApp {
public:
    std::vector<INT_PTR> results;
    BOOL InitInstance() override {
        AfxEnableControlContainer();
        Enable3dControlsStatic();
        CSelectOsDlg page;
        for (INT_PTR result = page.DoModal(); result == IDOK; result = page.DoModal()) {
            results.push_back(result);
        }
        EXPECT_GE(page.paints, 1);
        return FALSE;
    }
};

TEST(ExamplePage, RunsAsTheReadmeShows) {
    using namespace afx::host;
    CExampleApp app;
    Desktop desktop;
    ScriptedInput input;
    input.Check([](const Desktop& d) { EXPECT_EQ(d.ActiveWindow()->FindControl(IDC_OS_WINXP)->check, BST_CHECKED); })
        .Then(AltLetter{'n'})       // Next: IDOK, shown again
        .Then(KeyPress{Key::Enter})  // the focus is on Next: IDOK again
        .Then(PressControl{IDC_EXIT});
    desktop.SetInput(&input);
    EXPECT_EQ(RunApp(desktop, "/opt/vornex/VORNEX"), 0);
    EXPECT_EQ(app.results, (std::vector<INT_PTR>{IDOK, IDOK}));
    EXPECT_EQ(app.GetAppName(), "VORNEX");
    EXPECT_TRUE(input.Refusals().empty());
}

}  // namespace
