// Single controls drawn against their expected captures: what each kind shows, and the
// looks that a text capture does not (mnemonic underline, focus, disabled, selection).
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
constexpr int kEdit = 1103;

// The client area of the active window, a row of text per line.
std::string ClientText(const Desktop& desktop, const Canvas& canvas) {
    const Window* window = desktop.ActiveWindow();
    return canvas.TextOf(tui::PlaceWindow(*window, canvas.Size()).client);
}

// --- push buttons ---------------------------------------------------------------

constexpr ControlTemplate kButtonControls[] = {
    PushButton(1001, "&Next >", {7, 7, 50, 14}),
    DefPushButton(1002, "确定", {63, 7, 50, 14}),
    PushButton(1003, "&Back", {7, 27, 50, 14}, kDisabled),
    PushButton(1004, "Hidden", {63, 27, 50, 14}, kHidden),
};
constexpr DialogTemplate kButtons{900, "Buttons", {0, 0, 120, 48}, kModalDialogFrame, 0, kDialogFont, kButtonControls};

TEST_F(TuiTest, PushButtonsShowTheirCaptionMnemonicDefaultAndFocus) {
    CProbeDlg dialog(kButtons);
    WhileShown(dialog, [&](const Desktop& d) {
        const Canvas canvas = Render();
        EXPECT_EQ(ClientText(d, canvas),
                  "\n"
                  "  [  Next >  ]  [[  确定  ]]\n"
                  "\n"
                  "\n"
                  "  [   Back   ]\n"
                  "\n");
        const auto next = FindText(canvas, "Next");
        ASSERT_TRUE(next);
        EXPECT_EQ(canvas.At(next->x, next->y).style.attrs & tui::kAttrUnderline, tui::kAttrUnderline);
        EXPECT_EQ(canvas.At(next->x + 1, next->y).style.attrs & tui::kAttrUnderline, 0);
        EXPECT_EQ(canvas.At(next->x, next->y).style.role, Role::ButtonFocus);  // the first tab stop
        EXPECT_EQ(canvas.Cursor()->x, next->x);
        const auto ok = FindText(canvas, "确定");
        EXPECT_EQ(canvas.At(ok->x, ok->y).style.role, Role::Button);
        EXPECT_EQ(canvas.At(ok->x, ok->y).style.attrs & tui::kAttrBold, tui::kAttrBold);
        const auto back = FindText(canvas, "Back");
        EXPECT_EQ(canvas.At(back->x, back->y).style.role, Role::Disabled);
        EXPECT_FALSE(FindText(canvas, "Hidden"));
    });
}

// --- radio buttons, check boxes, group boxes, labels ------------------------------

constexpr ControlTemplate kMarkControls[] = {
    GroupBox(kNoId, "&Options", {4, 2, 150, 44}),
    AutoRadioButton(1001, "Windows &XP", {10, 14, 60, 10}, kStartsGroup),
    AutoRadioButton(1002, "Windows 7", {80, 14, 60, 10}),
    AutoCheckBox(1003, "Set &Default Printer", {10, 30, 100, 10}),
    LText(kNoId, "A port is used to connect a printer to the computer.", {4, 52, 100, 16}),
    LText(kNoId, "端口", {4, 70, 17, 8}),
    LText(kNoId, "波特率", {24, 70, 25, 8}),
};
constexpr DialogTemplate kMarks{901, "Marks", {0, 0, 160, 80}, kModalDialogFrame, 0, kDialogFont, kMarkControls};

TEST_F(TuiTest, MarksShowTheirStateLabelsWrapAndWideTextAligns) {
    CProbeDlg dialog(kMarks);
    dialog.onInit = [](CProbeDlg& self) {
        self.GetDlgItem<CButton>(1001)->SetCheck(BST_CHECKED);
        self.GetDlgItem<CButton>(1003)->SetCheck(BST_INDETERMINATE);
    };
    WhileShown(dialog, [&](const Desktop& d) {
        const Canvas canvas = Render();
        EXPECT_EQ(ClientText(d, canvas),
                  " ┌ Options ───────────────────────────┐\n"
                  " │                                    │\n"
                  " │ (*) Windows XP   ( ) Windows 7     │\n"
                  " │                                    │\n"
                  " │ [-] Set Default Printer            │\n"
                  " └────────────────────────────────────┘\n"
                  "\n"
                  " A port is used to connect\n"   // the width cuts the label into lines at
                  " a printer to the\n"            // spaces; its height shows two of them
                  " 端口 波特率\n");
        const auto xp = FindText(canvas, "Windows XP");
        EXPECT_EQ(canvas.At(xp->x + 8, xp->y).style.attrs & tui::kAttrUnderline, tui::kAttrUnderline);  // X
        EXPECT_EQ(canvas.At(xp->x, xp->y).style.role, Role::ButtonFocus);
    });
}

// --- edit fields ------------------------------------------------------------------

constexpr ControlTemplate kEditControls[] = {
    EditText(kEdit, {7, 7, 60, 14}, With(kEsAutoHScroll)),
    EditText(1104, {7, 27, 60, 14}, With(kEsReadOnly)),
};
constexpr DialogTemplate kEdits{902, "Edits", {0, 0, 80, 48}, kModalDialogFrame, 0, kDialogFont, kEditControls};

TEST_F(TuiTest, EditFieldsShowTheirTextAndTheCaretAtTheEndOfWhatIsTyped) {
    CProbeDlg dialog(kEdits);
    dialog.onInit = [](CProbeDlg& self) { self.SetDlgItemText(1104, "TR-A2 80mm Receipt Printer"); };
    input.Then(TypeText{"C:\\spool\\receipts\\out.prn"});
    WhileShown(dialog, [&](const Desktop& d) {
        const Canvas canvas = Render();
        EXPECT_EQ(ClientText(d, canvas),
                  "\n"
                  "  [ipts\\out.prn ]\n"  // the end of what was typed, and room for the caret
                  "\n"
                  "\n"
                  "  [TR-A2 80mm Re]\n"
                  "\n");
        const auto typed = FindText(canvas, "prn");
        EXPECT_EQ(canvas.Cursor()->x, typed->x + 3);
        EXPECT_EQ(canvas.At(typed->x, typed->y).style.role, Role::Field);
        const auto shown = FindText(canvas, "TR-A2");
        EXPECT_EQ(canvas.At(shown->x, shown->y).style.role, Role::Face);  // read-only: the face's grey
    });
}

}  // namespace
}  // namespace tuitest
