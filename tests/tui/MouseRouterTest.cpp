// Clicks on the drawn screen, as the mouse of a Windows user acts: on buttons, marks,
// combo boxes and their lists, list rows, the close box and the system menu; only the
// active window takes them, and a click beside an open list or menu closes it.
#include "afx/CommonControls.h"
#include "afx/WinConstants.h"
#include "tests/tui/TuiFixture.h"
#include "tui/MouseRouter.h"

#include <string>

namespace tuitest {
namespace {

using namespace res;
using namespace res::style;
using tui::MouseButton;

constexpr std::string_view kModules[] = {"TR-A1", "TR-A2", "TR-A3"};
constexpr ControlTemplate kControls[] = {
    DropDownList(1011, {4, 4, 60, 60}, kModules),
    AutoCheckBox(1012, "Set Default Printer", {4, 20, 100, 10}),
    ListView(1021, {4, 34, 112, 64}, 0x0001 | 0x0004 | kWsBorder | kWsTabStop),
    PushButton(1009, "&Next >", {70, 104, 46, 14}),
};
constexpr DialogTemplate kDialog{930, "Detail Setting", {0, 0, 120, 124}, kModalDialogFrame, 0, kDialogFont, kControls};

class MouseTest : public TuiTest {
protected:
    // Where `text` is drawn now, clicked with `button`.
    std::string ClickOn(std::string_view text, MouseButton button = MouseButton::Left, int dx = 0) {
        const tui::Canvas canvas = Render();
        const auto at = FindText(canvas, text);
        EXPECT_TRUE(at) << "no \"" << text << "\" on\n" << canvas.Text();
        if (!at) return {};
        return Describe(tui::RouteMouse(desktop, view, button, at->x + dx, at->y));
    }

    static std::string Describe(const tui::MouseAction& action) {
        if (action.event) return afx::host::Describe(*action.event);
        if (action.refused) return "refused";
        return action.repaint ? "scrolled" : "nothing";
    }

    void Fill(CProbeDlg& dialog) {
        dialog.onInit = [](CProbeDlg& self) {
            CListCtrl* list = self.GetDlgItem<CListCtrl>(1021);
            list->InsertColumn(0, "Port");
            list->SetColumnWidth(0, 150);
            for (int row = 0; row < 9; ++row) list->InsertItem(row, "PORT" + std::to_string(row) + ":");
        };
    }
};

TEST_F(MouseTest, ClicksActOnWhatIsDrawnThere) {
    CProbeDlg dialog(kDialog);
    Fill(dialog);
    WhileShown(dialog, [&](const Desktop&) {
        EXPECT_EQ(ClickOn("Next >"), afx::host::Describe(ClickControl{1009}));
        EXPECT_EQ(ClickOn("[ ] Set Default"), afx::host::Describe(ClickControl{1012}));
        EXPECT_EQ(ClickOn("Default Printer"), afx::host::Describe(ClickControl{1012}));
        EXPECT_EQ(ClickOn("v]"), afx::host::Describe(ClickControl{1011}));
        EXPECT_EQ(ClickOn("PORT2:"), afx::host::Describe(ClickRow{1021, 2}));
        EXPECT_EQ(ClickOn("[X]"), afx::host::Describe(ClickCloseBox{}));
        EXPECT_EQ(ClickOn("[-]"), afx::host::Describe(KeyPress{Key::AltSpace}));
        EXPECT_EQ(ClickOn("Detail Setting", MouseButton::Right), afx::host::Describe(KeyPress{Key::AltSpace}));
        EXPECT_EQ(ClickOn("Port "), "nothing");  // the header
        EXPECT_EQ(ClickOn("╚"), "nothing");      // the frame
    });
}

TEST_F(MouseTest, TheEmptyPartOfAListAndItsScrollBar) {
    const ControlTemplate controls[] = {
        ListView(1021, {4, 4, 112, 56}, 0x0001 | 0x0004 | kWsBorder | kWsTabStop),
    };
    const DialogTemplate shortList{931, "Ports", {0, 0, 120, 64}, kModalDialogFrame, 0, kDialogFont, controls};
    CProbeDlg few(shortList);
    few.onInit = [](CProbeDlg& self) {
        CListCtrl* list = self.GetDlgItem<CListCtrl>(1021);
        list->InsertColumn(0, "Port");
        list->SetColumnWidth(0, 150);
        list->InsertItem(0, "LPT1:");
    };
    WhileShown(few, [&](const Desktop&) {
        const tui::Canvas canvas = Render();
        const auto row = FindText(canvas, "LPT1:");
        EXPECT_EQ(Describe(tui::RouteMouse(desktop, view, MouseButton::Left, row->x, row->y + 2)),
                  afx::host::Describe(ClickRow{1021, -1}));
    });

    CProbeDlg many(kDialog);
    Fill(many);
    WhileShown(many, [&](const Desktop&) {
        EXPECT_TRUE(FindText(Render(), "PORT0:"));
        EXPECT_EQ(ClickOn("v│"), "scrolled");  // the scroll bar's down arrow
        EXPECT_FALSE(FindText(Render(), "PORT0:"));
        EXPECT_TRUE(FindText(Render(), "PORT3:"));
        EXPECT_EQ(ClickOn("PORT3:", MouseButton::WheelUp), "scrolled");
        EXPECT_TRUE(FindText(Render(), "PORT0:"));
    });
}

TEST_F(MouseTest, AClickBesideAnOpenListOrMenuClosesIt) {
    CProbeDlg dialog(kDialog);
    Fill(dialog);
    std::string onItem;
    std::string beside;
    std::string besideMenu;
    std::string onMenuItem;
    input.Then(ClickControl{1011})
        .Check([&](const Desktop&) {
            onItem = ClickOn("TR-A3");
            beside = ClickOn("Next >");
        })
        .Then(ClickControl{1011})
        .Then(KeyPress{Key::AltSpace})
        .Check([&](const Desktop&) {
            besideMenu = ClickOn("Next >");
            onMenuItem = ClickOn("Close ");
        })
        .Then(KeyPress{Key::Escape});
    WhileShown(dialog, [](const Desktop&) {});
    EXPECT_EQ(onItem, afx::host::Describe(ClickRow{1011, 2}));
    EXPECT_EQ(beside, afx::host::Describe(ClickControl{1011}));
    EXPECT_EQ(besideMenu, afx::host::Describe(KeyPress{Key::Escape}));
    EXPECT_EQ(onMenuItem, afx::host::Describe(ChooseMenuItem{SC_CLOSE}));
}

TEST_F(MouseTest, OnlyTheActiveWindowTakesClicks) {
    CProbeDlg child(kDialog);
    const ControlTemplate ownerControls[] = {PushButton(1001, "&Open", {4, 4, 40, 14})};
    const DialogTemplate ownerTemplate{932, "Select Port", {0, 0, 380, 200}, kModalDialogFrame, 0, kDialogFont,
                                       ownerControls};
    struct COwner : CProbeDlg {
        using CProbeDlg::CProbeDlg;
        CProbeDlg* child = nullptr;
        BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
            if (afx::LoWord(wParam) == 1001) {
                child->DoModal();
                return TRUE;
            }
            return CProbeDlg::OnCommand(wParam, lParam);
        }
    };
    COwner owner(ownerTemplate);
    owner.child = &child;
    std::string onOwner;
    input.Then(AltLetter{'o'})
        .Check([&](const Desktop&) { onOwner = ClickOn("Open"); })
        .Then(KeyPress{Key::Escape})
        .Then(KeyPress{Key::Escape});
    owner.DoModal();
    EXPECT_EQ(onOwner, "refused");
}

}  // namespace
}  // namespace tuitest
