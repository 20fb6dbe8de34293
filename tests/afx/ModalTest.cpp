// Modal runs: templates, owners, nesting, the end of the input.
#include "AfxFixture.h"

#include <algorithm>

namespace afxtest {
namespace {

class ModalTest : public AfxTest {};

// Records what the desktop reports, as a view would.
class ChangeLog : public DesktopObserver {
public:
    std::vector<ChangeKind> kinds;
    void OnDesktopChanged(const Desktop&, const Change& change) override { kinds.push_back(change.kind); }
    int Count(ChangeKind kind) const { return static_cast<int>(std::count(kinds.begin(), kinds.end(), kind)); }
};

TEST_F(ModalTest, AnUnknownTemplateGivesMinusOneAndOpensNothing) {
    input.Then(KeyPress{Key::Escape});
    CProbeDlg dialog(999);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_EQ(dialog.initCount, 0);
    EXPECT_TRUE(desktop.Stack().empty());
    EXPECT_EQ(input.Remaining(), 1u);
}

TEST_F(ModalTest, ANestedDialogIsOwnedByTheActiveOneWhichStaysDisabledUntilItEnds) {
    CProbeDlg outer(IDD_DETAIL);
    CProbeDlg inner(IDD_SELECT_PORT);
    INT_PTR innerResult = 0;
    outer.onCommand = [&](CProbeDlg&, int id, UINT code) {
        if (id == IDC_NEXT && code == BN_CLICKED) innerResult = inner.DoModal();
    };
    input
        .Check([&](const Desktop& d) {
            const Window& window = Shown(IDD_DETAIL);
            EXPECT_EQ(window.owner, nullptr);
            EXPECT_EQ(d.ActiveWindow(), &window);
            // Centred on the 400 x 256 screen.
            EXPECT_EQ(window.rect.x, 18);
            EXPECT_EQ(window.rect.y, 8);
        })
        .Then(PressControl{IDC_NEXT})
        .Check([&](const Desktop& d) {
            const Window& below = Shown(IDD_DETAIL);
            const Window& above = Shown(IDD_SELECT_PORT);
            EXPECT_EQ(above.owner, below.handle);
            EXPECT_FALSE(below.enabled);
            EXPECT_EQ(d.ActiveWindow(), &above);
            EXPECT_EQ(d.Stack(), (std::vector<const Window*>{&below, &above}));
            // Centred over its owner.
            EXPECT_EQ(above.rect.x, 18 + (364 - 320) / 2);
            EXPECT_EQ(above.rect.y, 8 + (239 - 210) / 2);
            EXPECT_EQ(CWnd::GetActiveHandle(), inner.GetSafeHwnd());
        })
        .Then(ClickRow{IDC_MODULE, 2})  // the page beneath takes no input
        .Then(KeyPress{Key::Escape})
        .Check([&](const Desktop& d) {
            EXPECT_EQ(innerResult, IDCANCEL);
            EXPECT_EQ(d.FindByTemplate(IDD_SELECT_PORT), nullptr);
            EXPECT_TRUE(Shown(IDD_DETAIL).enabled);
            EXPECT_EQ(d.ActiveWindow(), &Shown(IDD_DETAIL));
            EXPECT_FALSE(inner.IsWindow());
            EXPECT_EQ(inner.GetSafeHwnd(), nullptr);
        })
        .Then(KeyPress{Key::Escape});
    EXPECT_EQ(outer.DoModal(), IDCANCEL);
    EXPECT_EQ(inner.commands, (std::vector<std::pair<int, UINT>>{{IDCANCEL, BN_CLICKED}}));
    EXPECT_EQ(outer.CountOf(IDC_MODULE, CBN_SELCHANGE), 0);
    ASSERT_EQ(input.Refusals().size(), 1u);
    EXPECT_EQ(input.Refusals()[0], "row 1011 2: the window has no control 1011");
}

TEST_F(ModalTest, AMessageBoxFromAHandlerDisablesItsDialogUntilDismissed) {
    CProbeDlg dialog(IDD_SELECT_PORT);
    int answer = 0;
    dialog.onCommand = [&](CProbeDlg&, int id, UINT) {
        if (id == IDC_INSTALL) answer = AfxMessageBox("Completed!");
    };
    input.Then(PressControl{IDC_INSTALL})
        .Check([&](const Desktop& d) {
            const Window* box = d.ActiveWindow();
            ASSERT_TRUE(box->messageBox.has_value());
            EXPECT_EQ(box->owner, Shown(IDD_SELECT_PORT).handle);
            EXPECT_FALSE(Shown(IDD_SELECT_PORT).enabled);
        })
        .Then(KeyPress{Key::Enter})
        .Check([&](const Desktop&) {
            EXPECT_EQ(answer, IDOK);
            EXPECT_TRUE(Shown(IDD_SELECT_PORT).enabled);
        })
        .Then(KeyPress{Key::Escape});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(ModalTest, EndDialogDuringInitialisationEndsWithoutShowingOrAskingForInput) {
    ChangeLog log;
    desktop.AddObserver(&log);
    CProbeDlg dialog(IDD_CREATE_PORT);
    dialog.onInit = [](CProbeDlg& self) { self.EndDialog(IDOK); };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(log.Count(ChangeKind::WindowOpened), 0);
    EXPECT_EQ(log.Count(ChangeKind::WindowClosed), 1);
    EXPECT_FALSE(desktop.InputError().has_value());
    desktop.RemoveObserver(&log);
}

TEST_F(ModalTest, WhenTheInputEndsEveryLoopEndsAndNothingNewOpens) {
    CProbeDlg outer(IDD_DETAIL);
    CProbeDlg inner(IDD_SELECT_PORT);
    INT_PTR innerResult = 0;
    INT_PTR laterDialog = 0;
    int laterBox = -5;
    outer.onCommand = [&](CProbeDlg&, int id, UINT code) {
        if (id != IDC_NEXT || code != BN_CLICKED) return;
        innerResult = inner.DoModal();
        CProbeDlg about(IDD_ABOUTBOX);
        laterDialog = about.DoModal();
        laterBox = AfxMessageBox("never shown");
    };
    input.Then(PressControl{IDC_NEXT});  // then nothing more
    EXPECT_EQ(outer.DoModal(), IDCANCEL);
    EXPECT_EQ(innerResult, IDCANCEL);
    EXPECT_EQ(laterDialog, -1);
    EXPECT_EQ(laterBox, 0);
    EXPECT_TRUE(desktop.Stack().empty());
    ASSERT_TRUE(desktop.InputError().has_value());
    EXPECT_EQ(*desktop.InputError(), "the input ended while \"Select Port\" (dialog 139) was waiting for it");
    // Neither page ran its Cancel handling: the loops were ended, not cancelled by a user.
    EXPECT_TRUE(inner.commands.empty());
    EXPECT_EQ(outer.commands.size(), 1u);

    ScriptedInput fresh{KeyPress{Key::Escape}};
    desktop.SetInput(&fresh);  // a new source starts afresh
    EXPECT_FALSE(desktop.InputError().has_value());
    CProbeDlg again(IDD_SELECT_OS);
    EXPECT_EQ(again.DoModal(), IDCANCEL);
}

class CBoundDlg : public CProbeDlg {
public:
    CBoundDlg() : CProbeDlg(IDD_SELECT_PORT) {}
    CListCtrl m_listPorts;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_PORT_LIST, m_listPorts); }
};

TEST_F(ModalTest, ShowingAPageAgainBuildsFreshWindowsAndRebindsItsControls) {
    CBoundDlg dialog;
    std::vector<HWND> lists;
    std::vector<CWnd*> items;
    dialog.onInit = [&](CProbeDlg& self) {
        lists.push_back(dialog.m_listPorts.GetSafeHwnd());
        items.push_back(self.GetDlgItem(IDC_INSTALL));
        EXPECT_EQ(dialog.m_listPorts.GetItemCount(), 0);  // the rows of the last showing are gone
        dialog.m_listPorts.InsertColumn(0, "Port");
        dialog.m_listPorts.InsertItem(0, "LPT1:");
    };
    input.Then(KeyPress{Key::Escape}).Then(KeyPress{Key::Escape});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_FALSE(dialog.m_listPorts.IsWindow());
    EXPECT_EQ(dialog.m_listPorts.GetItemCount(), 0);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(lists.size(), 2u);
    EXPECT_NE(lists[0], nullptr);
    EXPECT_NE(lists[0], lists[1]);
    EXPECT_EQ(items[0], items[1]);  // the same object, bound to the new window
    EXPECT_EQ(dialog.initCount, 2);
}

TEST_F(ModalTest, ObserversHearEveryWindowAndEveryEvent) {
    ChangeLog log;
    desktop.AddObserver(&log);
    CProbeDlg dialog(IDD_SELECT_OS);
    input.Then(KeyPress{Key::Tab}).Then(AltLetter{'q'}).Then(KeyPress{Key::Escape});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(log.Count(ChangeKind::WindowOpened), 1);
    EXPECT_EQ(log.Count(ChangeKind::WindowClosed), 1);
    EXPECT_EQ(log.Count(ChangeKind::InputDelivered), 2);
    EXPECT_EQ(log.Count(ChangeKind::InputRefused), 1);
    EXPECT_GE(log.Count(ChangeKind::FocusChanged), 2);
    EXPECT_GE(log.Count(ChangeKind::ActiveChanged), 1);
    EXPECT_EQ(desktop.LastRefusal(), "no control has the mnemonic q");
    desktop.RemoveObserver(&log);
}

TEST_F(ModalTest, TheDumpShowsWindowsControlsAndState) {
    CProbeDlg dialog(IDD_DETAIL);
    dialog.onInit = [](CProbeDlg& self) {
        self.GetDlgItem<CComboBox>(IDC_MODULE)->SetCurSel(1);
        self.CheckDlgButton(IDC_SET_DEFAULT, BST_CHECKED);
    };
    std::string dump;
    input.Check([&](const Desktop& d) { dump = d.Dump(); }).Then(KeyPress{Key::Escape});
    dialog.DoModal();
    for (const char* line : {
             "screen 400x256, 1 windows",
             "dialog 102 \"Detail Setting\" at 18,8 364x239 <active> owner none appwindow",
             "combo 1011 at 77,19 145x165 tabstop: 6 items, selected 1 \"VORNEX R58 Plus\" <focus>",
             "group -1 \"打印机端口设置\" at 7,108 350x94 hidden",
             "checkbox 1012 \"Set Default Printer\" at 20,59 115x10 tabstop checked",
             "edit 1013 at 77,77 144x15 tabstop readonly",
             "combo 1014 at 58,123 65x86 hidden tabstop: 7 items, selected -1",
             "button 1008 \"< &Back\" at 161,207 55x15 tabstop",
             "system menu: \"&Restore\" 61728 grayed | \"&Move\" 61456 grayed | \"&Close\\tAlt+F4\" 61536",
         }) {
        EXPECT_NE(dump.find(line), std::string::npos) << line << "\n" << dump;
    }
}


// A dialog only the host shows (a port monitor's prompt), from a template in memory.
constexpr std::string_view kSpeeds[] = {"9600", "19200"};
constexpr res::ControlTemplate kPromptControls[] = {
    res::LText(IDC_STATIC, "&Port name:", {7, 9, 50, 8}),
    res::EditText(1100, {60, 7, 100, 14}),
    res::DropDownList(1101, {60, 25, 100, 40}, kSpeeds),
    res::DefPushButton(IDOK, "OK", {50, 45, 50, 14}),
    res::PushButton(IDCANCEL, "Cancel", {110, 45, 50, 14}),
};
constexpr res::DialogTemplate kPrompt{2001, "Port Name", {0, 0, 170, 66}, res::kModalDialogFrame, 0,
                                      res::kDialogFont, kPromptControls};

TEST_F(ModalTest, ADialogFromATemplateInMemoryRunsLikeTheOthers) {
    CProbeDlg outer(IDD_CREATE_PORT);
    CDialog* promptSeen = nullptr;
    CString typed;
    outer.onCommand = [&](CProbeDlg&, int id, UINT) {
        if (id != IDC_NEW_PORT) return;
        class CPromptDlg : public CDialog {
        public:
            CPromptDlg() : CDialog(kPrompt) {}
        } prompt;
        promptSeen = &prompt;
        if (prompt.DoModal() == IDOK) typed = "?";
    };
    input.Then(PressControl{IDC_NEW_PORT})
        .Check([&](const Desktop& d) {
            const Window* window = d.ActiveWindow();
            EXPECT_EQ(window->caption, "Port Name");
            EXPECT_EQ(window->owner, outer.GetSafeHwnd());
            EXPECT_EQ(window->FindControl(1101)->items.size(), 2u);  // its own initial rows
            EXPECT_EQ(d.FocusedControl()->id, 1100);
        })
        .Then(TypeText{"COM5:"})
        .Check([&](const Desktop&) {
            promptSeen->GetDlgItemText(1100, typed);
            EXPECT_EQ(typed, "COM5:");
        })
        .Then(KeyPress{Key::Escape})  // the Cancel button's command
        .Then(KeyPress{Key::Escape});
    EXPECT_EQ(outer.DoModal(), IDCANCEL);
    EXPECT_EQ(typed, "COM5:");
}

}  // namespace
}  // namespace afxtest
