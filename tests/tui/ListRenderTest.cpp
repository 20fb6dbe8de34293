// Lists, combo boxes and the progress bar against their expected captures: headed
// columns from pixel widths, grid lines and full-row selection as the extended style
// says, the selection scrolled into view, the combo's open list, the bar's percentage,
// and spooler strings that would drive the terminal shown escaped.
#include "afx/CommonControls.h"
#include "tests/tui/TuiFixture.h"
#include "tui/Geometry.h"

#include <string>

namespace tuitest {
namespace {

using namespace res;
using namespace res::style;
using tui::Canvas;
using tui::Role;

constexpr int kList = 1100;
constexpr int kCombo = 1101;
constexpr int kProgress = 1102;
constexpr int kButton = 1103;

std::string ClientText(const Desktop& desktop, const Canvas& canvas) {
    return canvas.TextOf(tui::PlaceWindow(*desktop.ActiveWindow(), canvas.Size()).client);
}

void FillPorts(CListCtrl& list, int rows, DWORD exStyle) {
    list.SetExtendedStyle(exStyle);
    list.InsertColumn(0, "Port");
    list.InsertColumn(1, "Type");
    list.SetColumnWidth(0, 60);   // 10 cells
    list.SetColumnWidth(1, 84);   // 14 cells
    for (int row = 0; row < rows; ++row) {
        list.InsertItem(row, "COM" + std::to_string(row + 1) + ":");
        list.SetItemText(row, 1, "Local Port");
    }
}

constexpr std::uint32_t kReport = 0x0001 | 0x0004;  // LVS_REPORT | LVS_SINGLESEL
constexpr ControlTemplate kListControls[] = {
    ListView(kList, {4, 4, 112, 56}, kReport | kWsBorder | kWsTabStop),
    PushButton(kButton, "OK", {4, 64, 40, 14}),
};
constexpr DialogTemplate kLists{910, "Ports", {0, 0, 120, 80}, kModalDialogFrame, 0, kDialogFont, kListControls};

TEST_F(TuiTest, ListViewHeadsItsColumnsAndDrawsGridAndFullRowSelection) {
    CProbeDlg dialog(kLists);
    dialog.onInit = [](CProbeDlg& self) {
        CListCtrl* list = self.GetDlgItem<CListCtrl>(kList);
        FillPorts(*list, 3, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
        list->SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    };
    WhileShown(dialog, [&](const Desktop& d) {
        const Canvas canvas = Render();
        EXPECT_EQ(ClientText(d, canvas),
                  "\n"
                  " ┌──────────────────────────┐\n"
                  " │ Port    │ Type        │  │\n"   // 60 and 84 pixels: 10 and 14 cells
                  " │ COM1:   │ Local Port  │  │\n"
                  " │ COM2:   │ Local Port  │  │\n"
                  " │ COM3:   │ Local Port  │  │\n"
                  " │                          │\n"
                  " └──────────────────────────┘\n"
                  " [   OK   ]\n"
                  "\n");
        const auto selected = FindText(canvas, "COM2:");
        const auto type = FindText(canvas, "Local Port");
        EXPECT_EQ(canvas.At(selected->x, selected->y).style.role, Role::Selection);  // the list has the focus
        EXPECT_EQ(canvas.At(type->x + 3, selected->y).style.role, Role::Selection);  // the whole row
        EXPECT_EQ(canvas.At(type->x, type->y).style.role, Role::Field);              // row 0
        EXPECT_EQ(canvas.Cursor()->y, selected->y);
    });
}

TEST_F(TuiTest, ListViewWithoutGridOrFullRowMarksOnlyTheItem) {
    CProbeDlg dialog(kLists);
    dialog.onInit = [](CProbeDlg& self) {
        CListCtrl* list = self.GetDlgItem<CListCtrl>(kList);
        FillPorts(*list, 2, 0);
        list->SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    };
    WhileShown(dialog, [&](const Desktop& d) {
        const Canvas canvas = Render();
        EXPECT_EQ(ClientText(d, canvas),
                  "\n"
                  " ┌──────────────────────────┐\n"
                  " │ Port    │ Type        │  │\n"  // the header keeps its dividers
                  " │ COM1:     Local Port     │\n"
                  " │ COM2:     Local Port     │\n"
                  " │                          │\n"
                  " │                          │\n"
                  " └──────────────────────────┘\n"
                  " [   OK   ]\n"
                  "\n");
        const auto item = FindText(canvas, "COM1:");
        const auto type = FindText(canvas, "Local Port");
        EXPECT_EQ(canvas.At(item->x, item->y).style.role, Role::Selection);
        EXPECT_EQ(canvas.At(type->x, item->y).style.role, Role::Field);
    });
}

TEST_F(TuiTest, ListViewScrollsToKeepTheSelectionInView) {
    CProbeDlg dialog(kLists);
    dialog.onInit = [](CProbeDlg& self) {
        CListCtrl* list = self.GetDlgItem<CListCtrl>(kList);
        FillPorts(*list, 12, LVS_EX_FULLROWSELECT);
        list->SetItemState(9, LVIS_SELECTED, LVIS_SELECTED);
    };
    std::string atStart;
    std::string afterEnd;
    std::string afterHome;
    input.Check([&](const Desktop& d) { atStart = ClientText(d, Render()); })
        .Then(KeyPress{Key::End})
        .Check([&](const Desktop& d) { afterEnd = ClientText(d, Render()); })
        .Then(KeyPress{Key::Home})
        .Check([&](const Desktop& d) { afterHome = ClientText(d, Render()); });
    WhileShown(dialog, [](const Desktop&) {});
    // Four rows show; row 9 (COM10:) is the last of them, and a scroll bar says there is more.
    EXPECT_EQ(atStart,
              "\n"
              " ┌──────────────────────────┐\n"
              " │ Port    │ Type        │  │\n"
              " │ COM7:     Local Port    ^│\n"
              " │ COM8:     Local Port    ░│\n"
              " │ COM9:     Local Port    █│\n"
              " │ COM10:    Local Port    v│\n"
              " └──────────────────────────┘\n"
              " [   OK   ]\n"
              "\n");
    EXPECT_NE(afterEnd.find("COM12:"), std::string::npos);
    EXPECT_EQ(afterEnd.find("COM7:"), std::string::npos);
    EXPECT_NE(afterHome.find("COM1:"), std::string::npos);
    EXPECT_EQ(afterHome.find("COM5:"), std::string::npos);
}

TEST_F(TuiTest, ListViewShowsTheSelectionWithoutTheFocusOnlyWhenAskedTo) {
    for (const bool showAlways : {false, true}) {
        const std::uint32_t style = kReport | kWsBorder | kWsTabStop | (showAlways ? LVS_SHOWSELALWAYS : 0);
        const ControlTemplate controls[] = {
            PushButton(kButton, "OK", {4, 64, 40, 14}),  // takes the focus first
            ListView(kList, {4, 4, 112, 56}, style),
        };
        const DialogTemplate dialogTemplate{911, "Ports", {0, 0, 120, 80}, kModalDialogFrame, 0, kDialogFont, controls};
        CProbeDlg dialog(dialogTemplate);
        dialog.onInit = [](CProbeDlg& self) {
            CListCtrl* list = self.GetDlgItem<CListCtrl>(kList);
            FillPorts(*list, 2, LVS_EX_FULLROWSELECT);
            list->SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        };
        WhileShown(dialog, [&](const Desktop&) {
            const Canvas canvas = Render();
            const auto item = FindText(canvas, "COM1:");
            EXPECT_EQ(canvas.At(item->x, item->y).style.role, showAlways ? Role::SelectionInactive : Role::Field)
                << "LVS_SHOWSELALWAYS " << showAlways;
        });
    }
}

TEST_F(TuiTest, StringsFromTheSpoolerAreShownEscapedNeverSentToTheTerminal) {
    CProbeDlg dialog(kLists);
    dialog.onInit = [](CProbeDlg& self) {
        CListCtrl* list = self.GetDlgItem<CListCtrl>(kList);
        FillPorts(*list, 0, LVS_EX_FULLROWSELECT);
        list->InsertItem(0, "\x1b[2J\x1b]0;x\x07");
        list->SetItemText(0, 1, "Evil\xe2\x80\xae" "troP");
    };
    WhileShown(dialog, [&](const Desktop&) {
        const Canvas canvas = Render();
        EXPECT_TRUE(FindText(canvas, "\\x1b[2J\\"));
        EXPECT_TRUE(FindText(canvas, "Evil\\u202etr"));
        for (int y = 0; y < canvas.Size().height; ++y) {
            for (int x = 0; x < canvas.Size().width; ++x) {
                for (unsigned char c : canvas.At(x, y).glyph) {
                    ASSERT_FALSE(c < 0x20 || c == 0x7F) << "at " << x << "," << y;
                }
                ASSERT_NE(canvas.At(x, y).glyph, "\xe2\x80\xae");
            }
        }
    });
}

TEST_F(TuiTest, HugeSpoolerListsDrawOnlyWhatShows) {
    CProbeDlg dialog(kLists);
    const std::string huge = "LPT1:" + std::string(64 * 1024, 'x');
    dialog.onInit = [&](CProbeDlg& self) {
        CListCtrl* list = self.GetDlgItem<CListCtrl>(kList);
        FillPorts(*list, 0, LVS_EX_GRIDLINES);  // no full-row selection: the item's text is measured
        for (int row = 0; row < 256; ++row) list->InsertItem(row, huge);
        list->SetItemState(255, LVIS_SELECTED, LVIS_SELECTED);
    };
    WhileShown(dialog, [&](const Desktop& d) {
        const std::string text = ClientText(d, Render());
        EXPECT_NE(text.find(" │ LPT1:xxx│"), std::string::npos) << text;  // cut at its column
        EXPECT_LT(text.size(), 2000u);
    });
}

// --- combo boxes ------------------------------------------------------------------

constexpr std::string_view kBauds[] = {"300", "1200", "2400", "4800", "9600", "19200"};
constexpr ControlTemplate kComboControls[] = {
    DropDownList(kCombo, {4, 4, 60, 44}, kBauds),
};
constexpr DialogTemplate kCombos{912, "Baud", {0, 0, 80, 60}, kModalDialogFrame, 0, kDialogFont, kComboControls};

TEST_F(TuiTest, ComboBoxShowsItsSelectionAndOpensItsListUnderIt) {
    CProbeDlg dialog(kCombos);
    dialog.onInit = [](CProbeDlg& self) { self.GetDlgItem<CComboBox>(kCombo)->SetCurSel(4); };
    std::string closed;
    std::string open;
    std::string moved;
    input.Check([&](const Desktop& d) { closed = ClientText(d, Render()); })
        .Then(KeyPress{Key::AltDown})
        .Check([&](const Desktop& d) { open = ClientText(d, Render()); })
        .Then(KeyPress{Key::Down})
        .Check([&](const Desktop&) {
            const Canvas canvas = Render();
            const auto row = FindText(canvas, "19200");
            EXPECT_EQ(canvas.At(row->x, row->y).style.role, Role::Selection);
            moved = "ok";
        })
        .Then(KeyPress{Key::Escape});
    WhileShown(dialog, [](const Desktop&) {});
    EXPECT_EQ(closed,
              "\n"
              " [9600        v]\n"
              "\n"
              "\n"
              "\n"
              "\n"
              "\n"
              "\n");
    // The template's 44 units hold four rows of the six; the highlighted row is in view.
    EXPECT_EQ(open,
              "\n"
              " [9600        v]\n"
              " │1200         ^\n"
              " │2400         ░\n"
              " │4800         █\n"
              " │9600         v\n"
              " └─────────────┘\n"
              "\n");
    EXPECT_EQ(moved, "ok");
}

// --- progress bar -----------------------------------------------------------------

constexpr ControlTemplate kProgressControls[] = {
    ProgressBar(kProgress, {4, 4, 112, 11}, kWsBorder),
};
constexpr DialogTemplate kBars{913, "Progress", {0, 0, 120, 20}, kModalDialogFrame, 0, kDialogFont, kProgressControls};

TEST_F(TuiTest, ProgressBarFillsToItsPositionWithThePercentage) {
    struct Step {
        int position;
        const char* shown;
    };
    const Step steps[] = {
        {0, " [            0%            ]"},
        {40, " [██████████ 40%            ]"},  // 40% of 26 cells
        {100, " [███████████100%███████████]"},
    };
    for (const Step& step : steps) {
        CProbeDlg dialog(kBars);
        dialog.onInit = [&](CProbeDlg& self) {
            CProgressCtrl* bar = self.GetDlgItem<CProgressCtrl>(kProgress);
            bar->SetRange(0, 100);
            bar->SetPos(step.position);
        };
        WhileShown(dialog, [&](const Desktop& d) {
            const Canvas canvas = Render();
            EXPECT_EQ(ClientText(d, canvas), std::string("\n") + step.shown + "\n\n") << step.position;
            if (step.position == 100) {
                const auto digits = FindText(canvas, "100%");
                EXPECT_EQ(canvas.At(digits->x, digits->y).style, (tui::Style{Role::ProgressFill, tui::kAttrReverse}));
            }
        });
    }
}

}  // namespace
}  // namespace tuitest
