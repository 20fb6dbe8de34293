// Message maps: which handler a message reaches, without any window.
#include "afx/Afx.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CBaseDlg : public CDialog {
public:
    CBaseDlg() : CDialog(IDD_SELECT_OS) {}
    std::vector<std::string> calls;

    void Send(UINT message, WPARAM wParam, LPARAM lParam = 0) { AfxCallWindowProc(*this, message, wParam, lParam); }
    void Command(int id, UINT code) { Send(WM_COMMAND, afx::MakeWParam(static_cast<unsigned>(id), code)); }

protected:
    void OnOK() override { calls.push_back("Base::OnOK"); }
    void OnCancel() override { calls.push_back("Base::OnCancel"); }
    void OnNext() { calls.push_back("Base::OnNext"); }
    void OnSysCommand(UINT id, LPARAM lParam) {
        calls.push_back("SysCommand " + std::to_string(id) + " " + std::to_string(lParam));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseDlg, CDialog)
    ON_BN_CLICKED(IDC_NEXT, &CBaseDlg::OnNext)
    ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

class CDerivedDlg : public CBaseDlg {
protected:
    void OnNextHere() { calls.push_back("Derived::OnNext"); }
    void OnCancel() override { calls.push_back("Derived::OnCancel"); }
    void OnSelchangeModule() { calls.push_back("Derived::OnSelchangeModule"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedDlg, CBaseDlg)
    ON_BN_CLICKED(IDC_NEXT, &CDerivedDlg::OnNextHere)
    ON_BN_CLICKED(IDC_BACK, [](CDerivedDlg& self) { self.CBaseDlg::OnCancel(); })
    ON_BN_CLICKED(IDC_EXIT, &CDerivedDlg::OnCancel)
    ON_CBN_SELCHANGE(IDC_MODULE, &CDerivedDlg::OnSelchangeModule)
END_MESSAGE_MAP()

class CHelpApp : public CWinApp {
public:
    int helpCalls = 0;

protected:
    void OnHelpHere() { ++helpCalls; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHelpApp, CWinApp)
    ON_COMMAND(ID_HELP, &CHelpApp::OnHelpHere)
END_MESSAGE_MAP()

TEST(MessageMap, CommandsReachTheMostDerivedEntryOrTheBaseMaps) {
    const struct {
        int id;
        UINT code;
        std::vector<std::string> calls;
    } cases[] = {
        {IDC_NEXT, BN_CLICKED, {"Derived::OnNext"}},          // the derived entry hides the base's
        {IDC_BACK, BN_CLICKED, {"Base::OnCancel"}},           // a lambda calls the base non-virtually
        {IDC_EXIT, BN_CLICKED, {"Derived::OnCancel"}},        // a member pointer calls the virtual
        {IDOK, BN_CLICKED, {"Base::OnOK"}},                   // CDialog's own map, then the override
        {IDCANCEL, BN_CLICKED, {"Derived::OnCancel"}},
        {IDC_MODULE, CBN_SELCHANGE, {"Derived::OnSelchangeModule"}},
        {IDC_MODULE, BN_CLICKED, {}},                         // the code must match too
        {IDC_NEXT, CBN_SELCHANGE, {}},
    };
    for (const auto& c : cases) {
        CDerivedDlg dialog;
        dialog.Command(c.id, c.code);
        EXPECT_EQ(dialog.calls, c.calls) << c.id << " code " << c.code;
    }
}

TEST(MessageMap, WindowMessagesReachTheirHandlersWithTheirArguments) {
    CDerivedDlg dialog;
    dialog.Send(WM_SYSCOMMAND, 16, 7);
    dialog.Send(WM_PAINT, 0);  // no entry: the default processing, which needs a window
    EXPECT_EQ(dialog.calls, (std::vector<std::string>{"SysCommand 16 7"}));
}

TEST(MessageMap, CommandsTheDialogLeavesGoToTheApplication) {
    CDerivedDlg dialog;
    dialog.Command(static_cast<int>(ID_HELP), 0);  // no application yet: dropped
    CHelpApp app;
    dialog.Command(static_cast<int>(ID_HELP), 0);
    dialog.Command(IDC_NEXT, BN_CLICKED);  // taken by the dialog, never the application's
    EXPECT_EQ(app.helpCalls, 1);
    EXPECT_EQ(dialog.calls, (std::vector<std::string>{"Derived::OnNext"}));
}

}  // namespace
