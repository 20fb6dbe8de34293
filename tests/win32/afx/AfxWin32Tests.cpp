// The framework's Windows backend over real windows (X display needed under Wine):
// texts through the wide-character controls, the selection and check rules, list
// view rules, modal nesting with owners, message boxes and help, dialogs that are gone.
// Each test runs its body inside a real dialog's modal loop.
#include "afx/win32/WinApi.h"

#include "afx/Afx.h"
#include "afx/Backend.h"
#include "afx/ProgramName.h"
#include "afx/win32/Help.h"
#include "afx/win32/WideText.h"
#include "res/DialogTemplate.h"
#include "tests/win32/HaveDisplay.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

namespace {

using namespace res::style;

constexpr int kEdit = 100;
constexpr int kCombo = 101;
constexpr int kList = 102;
constexpr int kRadioA = 103;
constexpr int kRadioB = 104;
constexpr UINT kRunBody = WM_APP + 1;

constexpr std::string_view kRows[] = {"第一", "第二", "third"};
constexpr res::ControlTemplate kControls[] = {
    res::EditText(kEdit, {7, 7, 120, 12}),
    res::DropDownList(kCombo, {7, 24, 120, 60}, kRows),
    res::ListView(kList, {7, 42, 240, 60}, kLvsReport | kLvsSingleSel | kLvsShowSelAlways | kWsBorder | kWsTabStop),
    res::AutoRadioButton(kRadioA, "A", {7, 108, 40, 10}, res::kStartsGroup),
    res::AutoRadioButton(kRadioB, "B", {50, 108, 40, 10}),
};
constexpr res::DialogTemplate kTemplate{
    900, "测试 dialog", {0, 0, 260, 130}, res::kModalDialogFrame, 0, res::kDialogFont, kControls,
};
constexpr res::DialogTemplate kSmallTemplate{
    901, "inner", {0, 0, 100, 40}, res::kModalDialogFrame, 0, res::kDialogFont, {},
};

// A dialog whose test body runs once it is up, inside its modal loop; the body's
// result ends it.
class CScriptedDlg : public CDialog {
public:
    CScriptedDlg(const res::DialogTemplate& dialogTemplate, std::function<int(CScriptedDlg&)> body)
        : CDialog(dialogTemplate), m_body(std::move(body)) {}

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        ::PostMessageW(m_hWnd, kRunBody, 0, 0);
        return TRUE;
    }

    int selectionChanges = 0;
    int radioClicks = 0;
    CComboBox m_combo;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, kCombo, m_combo); }

private:
    LRESULT OnRunBody(WPARAM, LPARAM) {
        EndDialog(m_body(*this));
        return 0;
    }
    void OnSelchangeCombo() { ++selectionChanges; }
    void OnClickRadio() { ++radioClicks; }

    std::function<int(CScriptedDlg&)> m_body;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CScriptedDlg, CDialog)
    ON_MESSAGE(kRunBody, &CScriptedDlg::OnRunBody)
    ON_CBN_SELCHANGE(kCombo, &CScriptedDlg::OnSelchangeCombo)
    ON_BN_CLICKED(kRadioA, &CScriptedDlg::OnClickRadio)
END_MESSAGE_MAP()

// A message box as the thread's timer finds it while the box's loop runs: its caption
// and text, then OK.
struct MessageSeen {
    std::string caption;
    std::string text;
};
MessageSeen* g_seen = nullptr;

void CALLBACK AnswerMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND box = ::GetActiveWindow();
    wchar_t caption[256] = {};
    wchar_t text[1024] = {};
    ::GetWindowTextW(box, caption, 256);
    ::GetDlgItemTextW(box, 0xFFFF, text, 1024);
    if (g_seen != nullptr && ::GetDlgItem(box, 0xFFFF) != nullptr) {
        g_seen->caption = afx::win32::Narrow(caption);
        g_seen->text = afx::win32::Narrow(text);
        ::KillTimer(nullptr, timer);
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
}

// Runs `show` (which shows a message box) and reports the box.
MessageSeen SeeMessageBox(const std::function<void()>& show) {
    MessageSeen seen;
    g_seen = &seen;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &AnswerMessageBox);
    show();
    ::KillTimer(nullptr, timer);
    g_seen = nullptr;
    return seen;
}

class Win32Dialogs : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveDisplay()) {
            GTEST_SKIP() << "no display: run the Windows suite under xvfb-run (scripts/test-windows)";
        }
    }
};

TEST(WideText, ChineseTextRoundTripsAndBuffersAreCutAtACharacter) {
    const std::string text = "关于 VORNEX(&A)...";
    EXPECT_EQ(afx::win32::Narrow(afx::win32::Widen(text)), text);
    EXPECT_EQ(afx::win32::Widen("关于"), std::wstring(L"\u5173\u4e8e"));

    char buffer[8];
    // Five bytes of room hold one three-byte character, not a half of the second.
    EXPECT_EQ(afx::win32::CopyToBuffer("关于", buffer, 5), 3u);
    EXPECT_STREQ(buffer, "关");
    EXPECT_EQ(afx::win32::CopyToBuffer("abc", buffer, 1), 0u);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(afx::win32::CopyToBuffer("abc", buffer, sizeof buffer), 3u);
    EXPECT_STREQ(buffer, "abc");
}

TEST_F(Win32Dialogs, TextsReadBackAsWrittenThroughTheWideControls) {
    CScriptedDlg dialog(kTemplate, [](CScriptedDlg& self) {
        EXPECT_EQ(self.GetText(), "测试 dialog");
        self.SetDlgItemText(kEdit, "打印机端口设置");
        CString edit;
        EXPECT_EQ(self.GetDlgItemText(kEdit, edit), 21);
        EXPECT_EQ(edit, "打印机端口设置");

        // The template's rows, loaded by the framework, and one added.
        CComboBox* combo = self.GetDlgItem<CComboBox>(kCombo);
        EXPECT_EQ(combo->GetCount(), 3);
        EXPECT_EQ(combo->GetLBText(0), "第一");
        EXPECT_EQ(combo->AddString("波特率"), 3);
        EXPECT_EQ(combo->GetLBText(3), "波特率");
        EXPECT_EQ(combo->FindStringExact(-1, "第二"), 1);

        CListCtrl* list = self.GetDlgItem<CListCtrl>(kList);
        EXPECT_EQ(list->InsertColumn(0, "端口"), 0);
        EXPECT_EQ(list->InsertColumn(1, "Type"), 1);
        const std::string longName(700, 'x');
        EXPECT_EQ(list->InsertItem(0, "COM1:"), 0);
        EXPECT_EQ(list->InsertItem(1, longName + "流"), 1);
        EXPECT_TRUE(list->SetItemText(0, 1, "本地端口"));
        EXPECT_EQ(list->GetItemText(0, 0), "COM1:");
        EXPECT_EQ(list->GetItemText(0, 1), "本地端口");
        EXPECT_EQ(list->GetItemText(1, 0), longName + "流") << "a text longer than the first buffer, whole";
        return IDOK;
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(Win32Dialogs, TheProgramsSelectionIsSilentAndAPersonsIsNotified) {
    CScriptedDlg dialog(kTemplate, [](CScriptedDlg& self) {
        EXPECT_EQ(self.m_combo.SetCurSel(1), 1);
        EXPECT_EQ(self.selectionChanges, 0);
        // The Down key on the focused list is a person's choice.
        self.m_combo.SendMsg(WM_KEYDOWN, VK_DOWN, 0);
        EXPECT_EQ(self.m_combo.GetCurSel(), 2);
        EXPECT_EQ(self.selectionChanges, 1);
        return IDOK;
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

// Under Wine, BM_SETCHECK on an automatic radio button also unchecks the rest of its
// group, where the host's model leaves them checked; the Select OS page checks one
// button of a fresh group, so the page looks the same either way. What both agree on:
TEST_F(Win32Dialogs, TheProgramsCheckIsSilentAndAPersonsClickChecksOneButtonOfTheGroup) {
    CScriptedDlg dialog(kTemplate, [](CScriptedDlg& self) {
        self.CheckDlgButton(kRadioB, BST_CHECKED);
        EXPECT_EQ(self.IsDlgButtonChecked(kRadioB), static_cast<UINT>(BST_CHECKED));
        EXPECT_EQ(self.radioClicks, 0);
        self.SendDlgItemMsg(kRadioA, BM_CLICK);
        EXPECT_EQ(self.IsDlgButtonChecked(kRadioA), static_cast<UINT>(BST_CHECKED));
        EXPECT_EQ(self.IsDlgButtonChecked(kRadioB), static_cast<UINT>(BST_UNCHECKED));
        EXPECT_EQ(self.radioClicks, 1);
        return IDOK;
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(Win32Dialogs, ListViewRowsAppendStatesKeepTheirUnmaskedBitsColumnsOutliveRows) {
    CScriptedDlg dialog(kTemplate, [](CScriptedDlg& self) {
        CListCtrl* list = self.GetDlgItem<CListCtrl>(kList);
        list->InsertColumn(0, "Port");
        list->InsertColumn(1, "Type");
        EXPECT_EQ(list->InsertItem(10, "LPT1:"), 0) << "an index beyond the count appends";
        EXPECT_EQ(list->InsertItem(10, "LPT2:"), 1);
        EXPECT_TRUE(list->SetItemState(1, LVIS_FOCUSED, LVIS_FOCUSED));
        EXPECT_TRUE(list->SetItemState(1, LVIS_SELECTED, LVIS_SELECTED));
        EXPECT_EQ(list->GetItemState(1, LVIS_SELECTED | LVIS_FOCUSED), LVIS_SELECTED | LVIS_FOCUSED);
        EXPECT_TRUE(list->SetItemState(0, LVIS_SELECTED, LVIS_SELECTED | LVIS_FOCUSED));
        EXPECT_EQ(list->GetItemState(0, LVIS_SELECTED | LVIS_FOCUSED), static_cast<UINT>(LVIS_SELECTED));
        EXPECT_EQ(list->GetItemState(1, LVIS_SELECTED), 0u) << "one selected row";
        EXPECT_TRUE(list->DeleteAllItems());
        EXPECT_EQ(list->GetItemCount(), 0);
        const HWND header = reinterpret_cast<HWND>(list->SendMsg(LVM_GETHEADER));
        EXPECT_EQ(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 2) << "the columns stay";
        return IDOK;
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(Win32Dialogs, ANestedDialogIsOwnedByTheActiveOneWhichStaysDisabledUntilItEnds) {
    HWND outerWindow = nullptr;
    CScriptedDlg outer(kTemplate, [&](CScriptedDlg& self) {
        outerWindow = self.GetSafeHwnd();
        CScriptedDlg inner(kSmallTemplate, [&](CScriptedDlg& innerSelf) {
            const HWND window = innerSelf.GetSafeHwnd();
            EXPECT_EQ(::GetWindow(window, GW_OWNER), outerWindow);
            EXPECT_FALSE(::IsWindowEnabled(outerWindow));
            EXPECT_EQ(CWnd::GetActiveHandle(), window);
            // Centred over its owner.
            RECT outerRect{};
            RECT innerRect{};
            ::GetWindowRect(outerWindow, &outerRect);
            ::GetWindowRect(window, &innerRect);
            EXPECT_LE(std::abs((outerRect.left + outerRect.right) - (innerRect.left + innerRect.right)), 2);
            EXPECT_LE(std::abs((outerRect.top + outerRect.bottom) - (innerRect.top + innerRect.bottom)), 2);
            return 7;
        });
        EXPECT_EQ(inner.DoModal(), 7);
        EXPECT_FALSE(inner.IsWindow());
        EXPECT_TRUE(::IsWindowEnabled(outerWindow));
        return IDCANCEL;
    });
    EXPECT_EQ(outer.DoModal(), IDCANCEL);
    EXPECT_FALSE(::IsWindow(outerWindow));
}

TEST_F(Win32Dialogs, AMessageBoxIsCaptionedWithTheProgramsName) {
    int answer = 0;
    MessageSeen seen;
    CScriptedDlg dialog(kTemplate, [&](CScriptedDlg&) {
        seen = SeeMessageBox([&] { answer = AfxMessageBox("错误：无法设置有关的注册表信息"); });
        return IDOK;
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(answer, IDOK);
    EXPECT_EQ(seen.text, "错误：无法设置有关的注册表信息");
    EXPECT_EQ(seen.caption, afx::ProgramTitle(afx::backend::ProgramPath()));
    EXPECT_EQ(seen.caption, "vornex_afx_win32_tests");
}

TEST_F(Win32Dialogs, HelpShowsItsTopicOrSaysWhatIsMissing) {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "VORNEXTEST.HLP";
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file << "# topics\n[131201] Select OS\nThe first page.\n\n[131174] Detail Setting\n选择打印机。\n";
    }
    const struct {
        DWORD context;
        std::string expected;
    } cases[] = {
        {131174, "Detail Setting\n\n选择打印机。"},
        {131201, "Select OS\n\nThe first page."},
        {131211, "The help file " + path + " has no topic 131211."},
    };
    for (const auto& helpCase : cases) {
        const MessageSeen seen = SeeMessageBox([&] { afx::win32::ShowHelpTopic(path, helpCase.context); });
        EXPECT_EQ(seen.text, helpCase.expected) << helpCase.context;
        EXPECT_EQ(seen.caption, "VORNEXTEST Help");
    }
    std::remove(path.c_str());
    const MessageSeen missing = SeeMessageBox([&] { afx::win32::ShowHelpTopic(path, 131201); });
    EXPECT_EQ(missing.text, "The help file " + path + " could not be opened.");
}

TEST_F(Win32Dialogs, ControlsOfADialogThatIsGoneAnswerNothing) {
    CScriptedDlg dialog(kTemplate, [](CScriptedDlg& self) {
        EXPECT_EQ(self.m_combo.GetCount(), 3);
        return IDOK;
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_FALSE(dialog.m_combo.IsWindow());
    EXPECT_EQ(dialog.m_combo.GetCount(), 0);
    EXPECT_EQ(dialog.m_combo.GetCurSel(), 0);
    EXPECT_EQ(dialog.GetDlgItem(kCombo), nullptr);
}

TEST_F(Win32Dialogs, ATemplateWithoutAWindowGivesMinusOne) {
    CDialog missing(4242);
    EXPECT_EQ(missing.DoModal(), -1);
}

}  // namespace
