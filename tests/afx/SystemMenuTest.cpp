// The system menu with an About item, system commands, minimising and the drawn icon:
// a page written the way the Detail Setting page is.
#include "AfxFixture.h"

namespace afxtest {
namespace {

constexpr UINT kAboutItem = 16;

class CIconDlg : public CDialog {
public:
    CIconDlg() : CDialog(IDD_DETAIL), m_hIcon(AfxLoadIcon(IDI_VORNEX)) {}

    HICON m_hIcon;
    std::vector<UINT> sysCommands;
    std::vector<INT_PTR> aboutResults;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (CMenu* menu = GetSystemMenu(FALSE)) {
            CString about;
            if (about.LoadResourceString(IDS_ABOUTBOX) && !about.IsEmpty()) {
                menu->AppendMenu(MF_SEPARATOR);
                menu->AppendMenu(MF_STRING, kAboutItem, about);
            }
        }
        SetIcon(m_hIcon, TRUE);
        SetIcon(m_hIcon, FALSE);
        return TRUE;
    }

protected:
    void OnSysCommand(UINT nID, LPARAM lParam) {
        sysCommands.push_back(nID);
        if ((nID & 0xFFF0) == kAboutItem) {
            CProbeDlg about(IDD_ABOUTBOX);
            aboutResults.push_back(about.DoModal());
        } else {
            CWnd::OnSysCommand(nID, lParam);
        }
    }

    void OnPaint() {
        if (!IsIconic()) {
            CWnd::OnPaint();
            return;
        }
        CPaintDC dc(this);
        SendMsg(WM_ICONERASEBKGND, afx::ToWParam(dc.GetSafeHdc()), 0);
        const int cxIcon = GetSystemMetrics(SM_CXICON);
        const int cyIcon = GetSystemMetrics(SM_CYICON);
        CRect rect;
        GetClientRect(&rect);
        dc.DrawIcon((rect.Width() - cxIcon + 1) / 2, (rect.Height() - cyIcon + 1) / 2, m_hIcon);
    }

    HCURSOR OnQueryDragIcon() { return m_hIcon; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIconDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
END_MESSAGE_MAP()

class SystemMenuTest : public AfxTest {};

TEST_F(SystemMenuTest, ThePageAppendsItsAboutItemAndSetsItsIcons) {
    CIconDlg dialog;
    input.Check([&](const Desktop& d) {
             const Window* window = d.ActiveWindow();
             ASSERT_EQ(window->systemMenu.size(), 5u);
             EXPECT_EQ(window->systemMenu[2].id, SC_CLOSE);
             EXPECT_TRUE(window->systemMenu[3].IsSeparator());
             EXPECT_EQ(window->systemMenu[4].id, kAboutItem);
             EXPECT_EQ(window->systemMenu[4].text, "关于 VORNEX(&A)...");
             EXPECT_EQ(IconResourceId(window->bigIcon), IDI_VORNEX);
             EXPECT_EQ(IconResourceId(window->smallIcon), IDI_VORNEX);
             EXPECT_EQ(reinterpret_cast<HICON>(dialog.SendMsg(WM_QUERYDRAGICON)), dialog.m_hIcon);
         })
        .Then(KeyPress{Key::Escape});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_NE(dialog.m_hIcon, nullptr);
    EXPECT_EQ(AfxLoadIcon(129), nullptr);
}

TEST_F(SystemMenuTest, TheAboutItemOpensTheAboutBoxOverThePage) {
    CIconDlg dialog;
    input.Then(ChooseMenuItem{kAboutItem})
        .Check([&](const Desktop& d) {
            const Window& about = Shown(IDD_ABOUTBOX);
            EXPECT_EQ(about.owner, dialog.GetSafeHwnd());
            EXPECT_FALSE(Shown(IDD_DETAIL).enabled);
            EXPECT_EQ(d.FocusedControl()->id, IDOK);
            EXPECT_TRUE(d.FocusedControl()->IsDefaultPushButton());
        })
        .Then(KeyPress{Key::Enter})
        // From the keyboard: Alt+Space opens the menu, its mnemonic chooses the item.
        .Then(KeyPress{Key::AltSpace})
        .Check([](const Desktop& d) {
            EXPECT_TRUE(d.ActiveWindow()->systemMenuOpen);
            EXPECT_EQ(d.ActiveWindow()->menuHighlight, 2);  // Restore and Move are grayed
        })
        .Then(AltLetter{'a'})
        .Check([](const Desktop& d) { EXPECT_EQ(d.ActiveWindow()->templateId, IDD_ABOUTBOX); })
        .Then(KeyPress{Key::Escape})
        .Then(KeyPress{Key::AltSpace})
        .Then(PressControl{IDC_NEXT})  // only closes the menu
        .Check([](const Desktop& d) { EXPECT_FALSE(d.ActiveWindow()->systemMenuOpen); })
        .Then(ChooseMenuItem{SC_MOVE})  // grayed: refused
        .Then(ClickCloseBox{});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.sysCommands, (std::vector<UINT>{kAboutItem, kAboutItem, SC_CLOSE}));
    EXPECT_EQ(dialog.aboutResults, (std::vector<INT_PTR>{IDOK, IDCANCEL}));
    EXPECT_EQ(input.Refusals(), (std::vector<std::string>{"press 1009: the open system menu took the click and closed",
                                                          "system menu 61456: the menu item is grayed"}));
}

TEST_F(SystemMenuTest, AMinimisedPageDrawsItsIconCentredAndTakesNoOtherInput) {
    CIconDlg dialog;
    input.Then(MinimizeWindow{})
        .Check([&](const Desktop& d) {
            const Window* window = d.ActiveWindow();
            EXPECT_TRUE(window->iconic);
            EXPECT_TRUE(dialog.IsIconic());
            CRect client;
            dialog.GetClientRect(&client);
            EXPECT_EQ(client.Width(), 546);   // 364 units at 1.5 pixels
            EXPECT_EQ(client.Height(), 359);  // 239 units: 358.5 rounds up
            ASSERT_EQ(window->drawnIcons.size(), 1u);
            EXPECT_EQ(IconResourceId(window->drawnIcons[0].icon), IDI_VORNEX);
            // An odd free height leaves the larger margin on top.
            EXPECT_EQ(window->drawnIcons[0].x, (546 - 32 + 1) / 2);
            EXPECT_EQ(window->drawnIcons[0].y, 164);
            EXPECT_TRUE(window->systemMenu[0].IsEnabled());  // Restore
        })
        .Then(KeyPress{Key::Escape})  // refused while minimised
        .Then(RestoreWindow{})
        .Check([](const Desktop& d) {
            EXPECT_FALSE(d.ActiveWindow()->iconic);
            EXPECT_TRUE(d.ActiveWindow()->drawnIcons.empty());
            EXPECT_FALSE(d.ActiveWindow()->systemMenu[0].IsEnabled());
        })
        .Then(KeyPress{Key::AltF4});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.sysCommands, (std::vector<UINT>{SC_MINIMIZE, SC_RESTORE, SC_CLOSE}));
    EXPECT_EQ(input.Refusals(), (std::vector<std::string>{"key Esc: the window is minimised"}));
}

}  // namespace
}  // namespace afxtest
