// AfxMessageBox: caption, icon, buttons, and how each box answers Esc and the close box.
#include "AfxFixture.h"

#include <algorithm>

namespace afxtest {
namespace {

class MessageBoxTest : public AfxTest {};

TEST_F(MessageBoxTest, EachTypeHasItsIconButtonsAndAnswers) {
    const struct {
        UINT type;
        MessageBoxIcon icon;
        std::vector<int> buttons;
        InputEvent answer;
        int result;
        int refusals;
    } cases[] = {
        {MB_OK, MessageBoxIcon::Exclamation, {IDOK}, KeyPress{Key::Escape}, IDOK, 0},
        {MB_OK, MessageBoxIcon::Exclamation, {IDOK}, ClickCloseBox{}, IDOK, 0},
        {MB_OKCANCEL, MessageBoxIcon::Exclamation, {IDOK, IDCANCEL}, KeyPress{Key::Escape}, IDCANCEL, 0},
        {MB_YESNO, MessageBoxIcon::Question, {IDYES, IDNO}, AltLetter{'n'}, IDNO, 0},
        {MB_YESNO | MB_DEFBUTTON2, MessageBoxIcon::Question, {IDYES, IDNO}, KeyPress{Key::Enter}, IDNO, 0},
        {MB_OK | MB_ICONINFORMATION, MessageBoxIcon::Information, {IDOK}, KeyPress{Key::Enter}, IDOK, 0},
        {MB_OK | MB_ICONHAND, MessageBoxIcon::Error, {IDOK}, PressControl{IDOK}, IDOK, 0},
        {MB_RETRYCANCEL, MessageBoxIcon::None, {IDRETRY, IDCANCEL}, AltLetter{'r'}, IDRETRY, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << ", " << Describe(c.answer));
        ScriptedInput script;
        script.Check([&c](const Desktop& d) {
            const Window* box = d.ActiveWindow();
            ASSERT_NE(box, nullptr);
            ASSERT_TRUE(box->messageBox.has_value());
            EXPECT_EQ(box->caption, "VORNEX");
            EXPECT_EQ(box->messageBox->text, "Completed!");
            EXPECT_EQ(box->messageBox->icon, c.icon);
            EXPECT_EQ(box->messageBox->buttons, c.buttons);
        });
        script.Then(c.answer);
        desktop.SetInput(&script);
        EXPECT_EQ(AfxMessageBox("Completed!", c.type), c.result);
        EXPECT_EQ(static_cast<int>(script.Refusals().size()), c.refusals);
        EXPECT_TRUE(desktop.Stack().empty());
    }
}

TEST_F(MessageBoxTest, AYesNoBoxHasNoWayToCancel) {
    input.Then(KeyPress{Key::Escape}).Then(ClickCloseBox{}).Then(KeyPress{Key::AltF4}).Then(KeyPress{Key::Tab})
        .Then(KeyPress{Key::Enter});
    EXPECT_EQ(AfxMessageBox("Replace the driver?", MB_YESNO), IDNO);
    EXPECT_EQ(input.Refusals().size(), 2u);  // the close box and Alt+F4; Esc is silently ignored
}

TEST_F(MessageBoxTest, TheCaptionIsTheApplicationsTitle) {
    SetProgramPath("C:\\Setup\\VORNEX.exe");
    std::string caption;
    input.Check([&](const Desktop& d) { caption = d.ActiveWindow()->caption; }).Then(KeyPress{Key::Enter});
    AfxMessageBox("x");
    EXPECT_EQ(caption, "VORNEX");

    CWinApp named("Installer");
    input.Check([&](const Desktop& d) { caption = d.ActiveWindow()->caption; }).Then(KeyPress{Key::Enter});
    AfxMessageBox("x");
    EXPECT_EQ(caption, "Installer");
}

TEST_F(MessageBoxTest, LongTextsWrapToTheScreen) {
    const std::string text(600, 'x');
    input.Check([&](const Desktop& d) {
             const Window* box = d.ActiveWindow();
             EXPECT_LE(box->rect.x + box->rect.cx, d.ScreenSize().cx);
             const Control* shown = box->FindControl(kMessageTextId);
             ASSERT_NE(shown, nullptr);
             EXPECT_GT(std::count(shown->text.begin(), shown->text.end(), '\n'), 5);
             EXPECT_EQ(box->messageBox->text, text);
         })
        .Then(KeyPress{Key::Enter});
    EXPECT_EQ(AfxMessageBox(text), IDOK);
}

TEST_F(MessageBoxTest, WithoutInputTheBoxSaysWhoWasWaiting) {
    Desktop other;
    {
        // A scope with no input at all: the box cannot wait for an answer.
        DesktopScope scope(other);
        EXPECT_EQ(AfxMessageBox("x"), 0);
        ASSERT_TRUE(other.InputError().has_value());
        EXPECT_EQ(*other.InputError(), "the input ended while the message box \"x\" was waiting for it");
    }
}

}  // namespace
}  // namespace afxtest
