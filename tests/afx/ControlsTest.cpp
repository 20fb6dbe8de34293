// The control rules the pages rely on, on the real templates: a change made by the
// program is silent, one made by the user is notified; radio groups; list views;
// progress bars; edit fields.
#include "AfxFixture.h"

#include <set>

namespace afxtest {
namespace {

class ControlsTest : public AfxTest {};

TEST_F(ControlsTest, ComboSelectionsByTheProgramAreSilentAndTheUsersAreNotified) {
    CProbeDlg dialog(IDD_DETAIL);
    CComboBox* module = nullptr;
    dialog.onInit = [&](CProbeDlg& self) {
        module = self.GetDlgItem<CComboBox>(IDC_MODULE);
        ASSERT_NE(module, nullptr);
        EXPECT_EQ(module->GetCount(), 6);  // the template's rows, loaded by CDialog::OnInitDialog
        EXPECT_EQ(module->SetCurSel(1), 1);
    };
    const struct Step {
        std::optional<InputEvent> event;
        int selection;
        int notifications;
        bool dropped;
    } steps[] = {
        {std::nullopt, 1, 0, false},                 // after the program's SetCurSel
        {ClickRow{IDC_MODULE, 3}, 3, 1, false},
        {ClickRow{IDC_MODULE, 3}, 3, 2, false},      // a click on a row of the list always tells
        {KeyPress{Key::Down}, 4, 3, false},
        {KeyPress{Key::Down}, 5, 4, false},
        {KeyPress{Key::Down}, 5, 4, false},          // the last row: nothing changes, nothing told
        {KeyPress{Key::Home}, 0, 5, false},
        {KeyPress{Key::F4}, 0, 5, true},
        {KeyPress{Key::Down}, 0, 5, true},           // the open list's highlight moves alone
        {KeyPress{Key::Enter}, 1, 6, false},         // Enter takes it and closes the list
        {KeyPress{Key::AltDown}, 1, 6, true},
        {KeyPress{Key::Down}, 1, 6, true},
        {KeyPress{Key::Escape}, 1, 6, false},        // Esc closes the list and keeps the row
        {TypeText{"v"}, 2, 7, false},                // type-ahead: the next row starting with V
    };
    for (const Step& step : steps) {
        if (step.event) input.Then(*step.event);
        input.Check([&, step](const Desktop&) {
            SCOPED_TRACE(step.event ? Describe(*step.event) : "initial");
            const Control& combo = ControlOf(IDD_DETAIL, IDC_MODULE);
            EXPECT_EQ(combo.selection, step.selection);
            EXPECT_EQ(module->GetCurSel(), step.selection);
            EXPECT_EQ(combo.dropped, step.dropped);
            EXPECT_EQ(dialog.CountOf(IDC_MODULE, CBN_SELCHANGE), step.notifications);
        });
    }
    input.Check([&](const Desktop&) {
        EXPECT_EQ(module->SetCurSel(9), CB_ERR);  // out of range clears the selection, silently
        EXPECT_EQ(module->GetCurSel(), CB_ERR);
        EXPECT_EQ(module->GetLBText(2), "VORNEX R76");
        module->ResetContent();
        EXPECT_EQ(module->GetCount(), 0);
        EXPECT_EQ(module->AddString("新"), 0);
        EXPECT_EQ(module->GetLBText(0), "新");
        EXPECT_EQ(dialog.CountOf(IDC_MODULE, CBN_SELCHANGE), 7);
    });
    input.Then(KeyPress{Key::Escape});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(input.Refusals().empty()) << input.Refusals().front();
}

TEST_F(ControlsTest, SetCheckLeavesTheGroupAloneAndAClickUnchecksTheVisibleOthers) {
    CProbeDlg dialog(IDD_SELECT_OS);
    dialog.onInit = [](CProbeDlg& self) {
        self.CheckDlgButton(IDC_OS_NT4, BST_CHECKED);  // hidden
        self.CheckDlgButton(IDC_OS_WINXP, BST_CHECKED);
        self.GetDlgItem<CButton>(IDC_OS_WIN2000)->SetCheck(BST_CHECKED);
    };
    const int radios[] = {IDC_OS_VISTA, IDC_OS_WIN95, IDC_OS_WIN98, IDC_OS_NT4, IDC_OS_WIN2000,
                          IDC_OS_WINXP, IDC_OS_WIN2003, IDC_OS_WIN7, IDC_OS_WIN2008};
    auto expectChecked = [&](std::set<int> checked, int clicks) {
        input.Check([&dialog, radios, checked, clicks](const Desktop& d) {
            const Window* window = d.ActiveWindow();
            for (int id : radios) {
                EXPECT_EQ(window->FindControl(id)->check == BST_CHECKED, checked.count(id) == 1) << id;
                EXPECT_EQ(dialog.IsDlgButtonChecked(id) == BST_CHECKED, checked.count(id) == 1) << id;
            }
            EXPECT_EQ(static_cast<int>(dialog.commands.size()), clicks);
        });
    };
    // The program checked three: none unchecked another, nothing was told.
    expectChecked({IDC_OS_NT4, IDC_OS_WINXP, IDC_OS_WIN2000}, 0);
    input.Then(ClickControl{IDC_OS_WIN2003});
    expectChecked({IDC_OS_NT4, IDC_OS_WIN2003}, 1);  // the hidden one keeps its check
    input.Then(ClickControl{IDC_OS_WIN7});
    expectChecked({IDC_OS_NT4, IDC_OS_WIN7}, 2);
    input.Then(ClickControl{IDC_OS_WIN95});  // hidden: out of the user's reach
    expectChecked({IDC_OS_NT4, IDC_OS_WIN7}, 2);
    input.Then(KeyPress{Key::Escape});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.CountOf(IDC_OS_WIN2003, BN_CLICKED), 1);
    ASSERT_EQ(input.Refusals().size(), 1u);
    EXPECT_EQ(input.Refusals()[0], "click 1000: control 1000 is hidden");
}

TEST_F(ControlsTest, CheckBoxTogglesOnTheUsersClickOnly) {
    CProbeDlg dialog(IDD_DETAIL);
    CButton* box = nullptr;
    dialog.onInit = [&](CProbeDlg& self) {
        box = self.GetDlgItem<CButton>(IDC_SET_DEFAULT);
        box->SetCheck(BST_CHECKED);
    };
    input.Then(ClickControl{IDC_SET_DEFAULT})
        .Check([&](const Desktop&) { EXPECT_EQ(box->GetCheck(), BST_UNCHECKED); })
        .Then(KeyPress{Key::Space})  // the click gave it the focus
        .Check([&](const Desktop&) {
            EXPECT_EQ(box->GetCheck(), BST_CHECKED);
            EXPECT_EQ(box->GetState() & BST_FOCUS, BST_FOCUS);
            EXPECT_EQ(dialog.CountOf(IDC_SET_DEFAULT, BN_CLICKED), 2);
        })
        .Then(KeyPress{Key::Escape});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

// The list view rules, checked while the Select Port page's list is up.
class ListViewTest : public AfxTest {
protected:
    void RunWithList(std::function<void(CProbeDlg&, CListCtrl&)> body) {
        CProbeDlg dialog(IDD_SELECT_PORT);
        dialog.onInit = [&](CProbeDlg& self) {
            CListCtrl* list = self.GetDlgItem<CListCtrl>(IDC_PORT_LIST);
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(list->InsertColumn(0, "Port"), 0);
            EXPECT_EQ(list->InsertColumn(1, "Type"), 1);
            body(self, *list);
            EXPECT_TRUE(self.listChanges.empty()) << "the program's own changes are not notified";
            self.EndDialog(IDOK);
        };
        EXPECT_EQ(dialog.DoModal(), IDOK);
    }
};

TEST_F(ListViewTest, InsertingBeyondTheRowCountAppends) {
    RunWithList([](CProbeDlg&, CListCtrl& list) {
        EXPECT_EQ(list.InsertItem(0, "A"), 0);
        EXPECT_EQ(list.InsertItem(5, "B"), 1);
        EXPECT_EQ(list.InsertItem(1, "C"), 1);
        EXPECT_EQ(list.InsertItem(-1, "X"), -1);
        ASSERT_EQ(list.GetItemCount(), 3);
        EXPECT_EQ(list.GetItemText(0, 0), "A");
        EXPECT_EQ(list.GetItemText(1, 0), "C");
        EXPECT_EQ(list.GetItemText(2, 0), "B");
        EXPECT_TRUE(list.SetItemText(2, 1, "Local Port"));
        EXPECT_EQ(list.GetItemText(2, 1), "Local Port");
        EXPECT_EQ(list.GetItemText(1, 1), "");
        EXPECT_FALSE(list.SetItemText(7, 1, "no such row"));
        EXPECT_FALSE(list.SetItemText(0, 2, "no such column"));
    });
}

TEST_F(ListViewTest, SetItemStateTouchesOnlyTheMaskedBits) {
    const UINT both = LVIS_SELECTED | LVIS_FOCUSED;
    const struct {
        UINT initial;
        UINT state;
        UINT mask;
        UINT expected;
    } cases[] = {
        {both, LVIS_SELECTED, both, LVIS_SELECTED},                    // selected, without the focus
        {LVIS_FOCUSED, LVIS_SELECTED, LVIS_SELECTED, both},
        {LVIS_SELECTED, 0, LVIS_FOCUSED, LVIS_SELECTED},
        {0, both, LVIS_SELECTED, LVIS_SELECTED},
        {LVIS_SELECTED, 0, LVIS_SELECTED, 0},
    };
    RunWithList([&](CProbeDlg&, CListCtrl& list) {
        list.InsertItem(0, "LPT1:");
        for (const auto& c : cases) {
            list.SetItemState(0, c.initial, both);
            EXPECT_TRUE(list.SetItemState(0, c.state, c.mask));
            EXPECT_EQ(list.GetItemState(0, both), c.expected)
                << c.initial << " " << c.state << " " << c.mask;
            EXPECT_EQ(list.GetItemState(0, LVIS_FOCUSED), c.expected & LVIS_FOCUSED);
        }
        EXPECT_FALSE(list.SetItemState(4, LVIS_SELECTED, LVIS_SELECTED));
        EXPECT_EQ(list.GetItemState(4, both), 0u);
    });
}

TEST_F(ListViewTest, OneRowIsSelectedAndOneFocusedAtATime) {
    RunWithList([](CProbeDlg&, CListCtrl& list) {
        for (int row = 0; row < 4; ++row) list.InsertItem(row, "P" + std::to_string(row));
        list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED | LVIS_FOCUSED);
        EXPECT_EQ(list.GetItemState(0, LVIS_SELECTED), 0u);
        EXPECT_EQ(list.GetItemState(0, LVIS_FOCUSED), static_cast<UINT>(LVIS_FOCUSED));
        EXPECT_EQ(list.GetSelectedCount(), 1u);
        EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 2);
        list.SetItemState(3, LVIS_FOCUSED, LVIS_FOCUSED);
        EXPECT_EQ(list.GetItemState(0, LVIS_FOCUSED), 0u);
        EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 3);
        list.SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);  // not all rows in a single-selection list
        EXPECT_EQ(list.GetSelectedCount(), 1u);
        list.SetItemState(-1, 0, LVIS_SELECTED);
        EXPECT_EQ(list.GetSelectedCount(), 0u);
        EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), -1);
    });
}

TEST_F(ListViewTest, DeleteAllItemsKeepsTheColumnsAndTheirWidths) {
    RunWithList([](CProbeDlg& dialog, CListCtrl& list) {
        EXPECT_EQ(list.GetColumnWidth(0), 0);  // inserted without a width
        EXPECT_TRUE(list.SetColumnWidth(0, 150));
        EXPECT_TRUE(list.SetColumnWidth(1, 280));
        list.InsertItem(0, "COM1:");
        list.InsertItem(1, "LPT1:");
        EXPECT_TRUE(list.DeleteAllItems());
        EXPECT_EQ(list.GetItemCount(), 0);
        const Control* model = CurrentDesktop()->FindControl(list.GetSafeHwnd());
        ASSERT_NE(model, nullptr);
        ASSERT_EQ(model->columns.size(), 2u);
        EXPECT_EQ(model->columns[0].text, "Port");
        EXPECT_EQ(list.GetColumnWidth(0), 150);
        EXPECT_EQ(list.GetColumnWidth(1), 280);
        EXPECT_EQ(list.InsertItem(3, "FILE:"), 0);
        (void)dialog;
    });
}

TEST_F(ListViewTest, ExtendedStyleIsReadModifiedAndWrittenBack) {
    RunWithList([](CProbeDlg&, CListCtrl& list) {
        EXPECT_EQ(list.SetExtendedStyle(LVS_EX_TRACKSELECT | 0x100), 0u);
        const DWORD style = (list.GetExtendedStyle() & ~LVS_EX_TRACKSELECT) | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
        list.SetExtendedStyle(style);
        EXPECT_EQ(list.GetExtendedStyle(), 0x100u | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
        // With a mask, only the masked bits change.
        list.SendMsg(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, 0);
        EXPECT_EQ(list.GetExtendedStyle(), 0x100u | LVS_EX_FULLROWSELECT);
    });
}

TEST_F(ListViewTest, ItemTextIsReadInFullHoweverLong) {
    const std::string longName(70000, 'p');
    RunWithList([&](CProbeDlg&, CListCtrl& list) {
        list.InsertItem(0, longName);
        EXPECT_EQ(list.GetItemText(0, 0), longName);
        list.SetItemText(0, 0, "端口");
        EXPECT_EQ(list.GetItemText(0, 0), "端口");
        EXPECT_EQ(list.GetItemText(5, 0), "");
    });
}

TEST_F(ListViewTest, TheUsersSelectionIsNotifiedAndAClickInTheEmptyPartClearsIt) {
    CProbeDlg dialog(IDD_SELECT_PORT);
    CListCtrl* list = nullptr;
    dialog.onInit = [&](CProbeDlg& self) {
        list = self.GetDlgItem<CListCtrl>(IDC_PORT_LIST);
        list->InsertColumn(0, "Port");
        for (int row = 0; row < 3; ++row) list->InsertItem(row, "P" + std::to_string(row));
        list->SetItemState(0, LVIS_SELECTED, LVIS_SELECTED | LVIS_FOCUSED);
    };
    input.Check([&](const Desktop& d) {
             EXPECT_TRUE(dialog.listChanges.empty());
             EXPECT_EQ(d.FocusedControl()->id, IDC_PORT_LIST);  // the first tab stop
         })
        .Then(ClickRow{IDC_PORT_LIST, 2})
        .Check([&](const Desktop&) {
            EXPECT_EQ(list->GetNextItem(-1, LVNI_SELECTED), 2);
            EXPECT_EQ(list->GetItemState(2, LVIS_FOCUSED), static_cast<UINT>(LVIS_FOCUSED));
            ASSERT_EQ(dialog.listChanges.size(), 2u);  // row 0 lost the selection, row 2 got it
            EXPECT_EQ(dialog.listChanges[0].iItem, 0);
            EXPECT_EQ(dialog.listChanges[1].iItem, 2);
            EXPECT_EQ(dialog.listChanges[1].uNewState, static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED));
        })
        .Then(KeyPress{Key::Up})
        .Check([&](const Desktop&) { EXPECT_EQ(list->GetNextItem(-1, LVNI_SELECTED), 1); })
        .Then(ClickControl{IDC_PORT_LIST})
        .Check([&](const Desktop&) {
            EXPECT_EQ(list->GetSelectedCount(), 0u);
            EXPECT_EQ(list->GetNextItem(-1, LVNI_FOCUSED), 1);  // the focused row stays
        })
        .Then(ClickRow{IDC_PORT_LIST, 3})  // no such row
        .Then(KeyPress{Key::Escape});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(input.Refusals().size(), 1u);
    EXPECT_EQ(input.Refusals()[0], "row 1021 3: list 1021 has no row 3");
}

// Counts the changes of one control: what a view would repaint.
class ChangeCounter : public DesktopObserver {
public:
    std::vector<int> positions;
    void OnDesktopChanged(const Desktop& desktop, const Change& change) override {
        if (change.kind != ChangeKind::ControlChanged) return;
        const Control* control = desktop.FindControl(change.control);
        if (control != nullptr && control->kind == ControlKind::ProgressBar) positions.push_back(control->position);
    }
};

class CProgressDlg : public CProbeDlg {
public:
    CProgressDlg() : CProbeDlg(IDD_SELECT_PORT) {}
    CProgressCtrl m_progress;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_PROGRESS, m_progress); }
};

TEST_F(ControlsTest, ProgressClampsToItsRangeNotifiesEveryReportAndIsInertOnceGone) {
    ChangeCounter counter;
    desktop.AddObserver(&counter);
    CProgressDlg dialog;
    dialog.onInit = [&](CProbeDlg&) {
        CProgressCtrl& bar = dialog.m_progress;
        ASSERT_TRUE(bar.IsWindow());
        int low = -1, high = -1;
        bar.GetRange(low, high);
        EXPECT_EQ(low, 0);
        EXPECT_EQ(high, 100);
        bar.SetRange(0, 100);
        counter.positions.clear();
        // Reports arrive while the program runs without taking input, as during the install.
        EXPECT_EQ(bar.SetPos(10), 0);
        EXPECT_EQ(bar.SetPos(10), 10);
        EXPECT_EQ(bar.SetPos(150), 10);
        EXPECT_EQ(bar.GetPos(), 100);
        EXPECT_EQ(bar.SetPos(-5), 100);
        EXPECT_EQ(bar.GetPos(), 0);
        bar.SetRange32(10, 20);
        EXPECT_EQ(bar.GetPos(), 10);
        EXPECT_EQ(bar.OffsetPos(4), 10);
        EXPECT_EQ(bar.GetPos(), 14);
        dialog.EndDialog(IDOK);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(counter.positions, (std::vector<int>{10, 10, 100, 0, 10, 14}));
    // The page object outlives its window: reports now reach nothing.
    EXPECT_FALSE(dialog.m_progress.IsWindow());
    EXPECT_EQ(dialog.m_progress.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dialog.m_progress.SetPos(50), 0);
    EXPECT_EQ(dialog.m_progress.GetPos(), 0);
    desktop.RemoveObserver(&counter);
}

TEST_F(ControlsTest, EditFieldsTakeTypingUnlessReadOnly) {
    CProbeDlg dialog(IDD_DETAIL);
    CEdit* name = nullptr;
    dialog.onInit = [&](CProbeDlg& self) {
        self.SetDlgItemText(IDC_PRINTER_NAME, "VORNEX R80");
        name = self.GetDlgItem<CEdit>(IDC_PRINTER_NAME);
    };
    input.Then(ClickControl{IDC_PRINTER_NAME})
        .Then(TypeText{"x"})  // read-only: refused
        .Check([&](const Desktop&) {
            EXPECT_TRUE(name->IsReadOnly());
            name->SetReadOnly(FALSE);
        })
        .Then(TypeText{" 打印"})
        .Then(KeyPress{Key::Backspace})
        .Check([&](const Desktop&) {
            CString text;
            EXPECT_EQ(dialog.GetDlgItemText(IDC_PRINTER_NAME, text), 14);
            EXPECT_EQ(text, "VORNEX R80 打");
            EXPECT_EQ(dialog.CountOf(IDC_PRINTER_NAME, EN_CHANGE), 2);
        })
        .Then(KeyPress{Key::Escape});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(input.Refusals().size(), 1u);
    EXPECT_EQ(input.Refusals()[0], "type \"x\": the field is read-only");
}

}  // namespace
}  // namespace afxtest
