// Windows as a whole: the frame with its caption, system-menu box and close box; the
// owner beneath a modal dialog drawn inactive; the open system menu; message boxes with
// their caption, icon and buttons.
#include "afx/WinConstants.h"
#include "tests/tui/TuiFixture.h"
#include "tui/Geometry.h"

#include <string>

namespace tuitest {
namespace {

using namespace res;
using namespace res::style;
using tui::Canvas;
using tui::Role;

constexpr ControlTemplate kOwnerControls[] = {
    PushButton(1001, "&Open", {4, 4, 40, 14}),
};
constexpr DialogTemplate kOwner{920, "Detail Setting", {0, 0, 160, 60}, kModalDialogFrame, 0, kDialogFont,
                                kOwnerControls};

constexpr ControlTemplate kChildControls[] = {
    DefPushButton(1, "确定", {4, 4, 40, 14}),
};
constexpr DialogTemplate kChild{921, "关于 VORNEX", {0, 0, 80, 24}, kModalDialogFrame, 0, kDialogFont, kChildControls};

// A dialog whose "&Open" button (1001) runs `open` inside its handler, as the pages run
// the About box and message boxes.
class COpener : public CProbeDlg {
public:
    COpener(const res::DialogTemplate& dialogTemplate, std::function<void()> open)
        : CProbeDlg(dialogTemplate), m_open(std::move(open)) {}

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (afx::LoWord(wParam) == 1001) {
            m_open();
            return TRUE;
        }
        return CProbeDlg::OnCommand(wParam, lParam);
    }

private:
    std::function<void()> m_open;
};

TEST_F(TuiTest, TheOwnerBeneathAModalDialogIsDrawnInactive) {
    CProbeDlg child(kChild);
    COpener owner(kOwner, [&] { child.DoModal(); });
    Canvas shown = tui::CanvasFor(desktop);
    std::string both;
    input.Then(AltLetter{'o'})
        .Check([&](const Desktop&) {
            shown = Render();
            both = shown.Text();
        })
        .Then(KeyPress{Key::Escape})
        .Then(KeyPress{Key::Escape});
    owner.DoModal();

    ASSERT_TRUE(FindText(shown, "┌[-] Detail Setting ─")) << both;  // single frame: inactive
    ASSERT_TRUE(FindText(shown, "╔[-] 关于 VORNEX ═")) << both;       // double frame: active
    const auto inactive = FindText(shown, "Detail Setting");
    const auto active = FindText(shown, "关于 VORNEX");
    EXPECT_EQ(shown.At(inactive->x, inactive->y).style.role, Role::CaptionInactive);
    EXPECT_EQ(shown.At(active->x, active->y).style.role, Role::CaptionActive);
    // Centred over its owner.
    const auto ownerClose = FindText(shown, "[X]┐");
    const auto ownerMenu = FindText(shown, "┌[-]");
    const auto childMenu = FindText(shown, "╔[-]");
    const auto childClose = FindText(shown, "[X]╗");
    EXPECT_EQ(childMenu->x - ownerMenu->x, ownerClose->x - childClose->x);
    // Only the active window shows its focus.
    EXPECT_EQ(shown.At(FindText(shown, "Open")->x, inactive->y + 2).style.role, Role::Button);
    EXPECT_EQ(shown.Cursor()->y, active->y + 2);
}

TEST_F(TuiTest, TheSystemMenuOpensUnderTheCaptionWithItsItems) {
    CProbeDlg dialog(kOwner);
    dialog.onInit = [](CProbeDlg& self) {
        CMenu* menu = self.GetSystemMenu(FALSE);
        menu->AppendMenu(MF_SEPARATOR);
        menu->AppendMenu(MF_STRING, 16, "关于 VORNEX(&A)...");
    };
    std::string text;
    input.Then(KeyPress{Key::AltSpace}).Then(KeyPress{Key::Up}).Check([&](const Desktop& d) {
        const Canvas canvas = Render();
        text = canvas.TextOf(tui::PlaceWindow(*d.ActiveWindow(), canvas.Size()).frame);
        const auto about = FindText(canvas, "关于 VORNEX(A)");
        EXPECT_EQ(canvas.At(about->x, about->y).style.role, Role::Selection);
        EXPECT_EQ(canvas.At(about->x + 12, about->y).style.attrs & tui::kAttrUnderline, tui::kAttrUnderline);
        const auto restore = FindText(canvas, "Restore");
        EXPECT_EQ(canvas.At(restore->x, restore->y).style.role, Role::Disabled);
    });
    input.Then(KeyPress{Key::Escape});
    WhileShown(dialog, [](const Desktop&) {});
    EXPECT_EQ(text,
              "╔[-] Detail Setting ══════════════════[X]╗\n"
              "║┌────────────────────────────┐          ║\n"
              "║│ Restore                    │          ║\n"
              "║│ Move                       │          ║\n"
              "║│ Close               Alt+F4 │          ║\n"
              "║├────────────────────────────┤          ║\n"
              "║│ 关于 VORNEX(A)...          │          ║\n"
              "║└────────────────────────────┘          ║\n"
              "║                                        ║\n"
              "╚════════════════════════════════════════╝\n");
}

TEST_F(TuiTest, MessageBoxesShowCaptionIconTextAndButtons) {
    COpener owner(kOwner, [] { AfxMessageBox("错误：无法设置有关的注册表信息", MB_OK); });
    std::string text;
    input.Then(AltLetter{'o'})
        .Check([&](const Desktop& d) {
            const Canvas canvas = Render();
            text = canvas.TextOf(tui::PlaceWindow(*d.ActiveWindow(), canvas.Size()).frame);
            const auto icon = FindText(canvas, "/!\\");
            EXPECT_EQ(canvas.At(icon->x, icon->y).style.role, Role::IconExclamation);
        })
        .Then(KeyPress{Key::Enter})
        .Then(KeyPress{Key::Escape});
    owner.DoModal();
    EXPECT_EQ(text,
              "╔[-] VORNEX ═══════════════════════════[X]╗\n"
              "║                                         ║\n"
              "║                                         ║\n"
              "║   /!\\   错误：无法设置有关的注册表信息  ║\n"
              "║                                         ║\n"
              "║                                         ║\n"
              "║              [[   OK   ]]               ║\n"
              "║                                         ║\n"
              "║                                         ║\n"
              "╚═════════════════════════════════════════╝\n");
}

}  // namespace
}  // namespace tuitest
