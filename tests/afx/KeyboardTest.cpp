// The dialog keyboard and mouse: which command each key sends, focus movement, mnemonics.
#include "AfxFixture.h"

namespace afxtest {
namespace {

using Commands = std::vector<std::pair<int, UINT>>;

class KeyboardTest : public AfxTest {};

struct KeyCase {
    const char* name;
    UINT templateId;
    std::vector<InputEvent> events;
    INT_PTR result;
    Commands commands;
    int refusals = 0;
};

TEST_F(KeyboardTest, KeysAndClicksSendTheirCommands) {
    const KeyCase cases[] = {
        {"Enter on the focused Next button clicks it", IDD_SELECT_OS,
         {KeyPress{Key::Enter}, KeyPress{Key::Escape}}, IDCANCEL, {{IDC_NEXT, BN_CLICKED}, {IDCANCEL, BN_CLICKED}}},
        {"Enter on the list sends the OK command", IDD_SELECT_PORT, {KeyPress{Key::Enter}}, IDOK,
         {{IDOK, BN_CLICKED}}},
        {"Enter on a closed combo box sends the OK command", IDD_DETAIL, {KeyPress{Key::Enter}}, IDOK,
         {{IDOK, BN_CLICKED}}},
        {"Enter after tabbing to Back clicks Back", IDD_DETAIL,
         {KeyPress{Key::Tab}, KeyPress{Key::Tab}, KeyPress{Key::Tab}, KeyPress{Key::Enter}, KeyPress{Key::Escape}},
         IDCANCEL, {{IDC_BACK, BN_CLICKED}, {IDCANCEL, BN_CLICKED}}},
        {"Enter in the About box presses its default button", IDD_ABOUTBOX, {KeyPress{Key::Enter}}, IDOK,
         {{IDOK, BN_CLICKED}}},
        {"Esc sends the Cancel command", IDD_SELECT_OS, {KeyPress{Key::Escape}}, IDCANCEL,
         {{IDCANCEL, BN_CLICKED}}},
        {"the close box sends the Cancel command", IDD_SELECT_OS, {ClickCloseBox{}}, IDCANCEL,
         {{IDCANCEL, BN_CLICKED}}},
        {"Alt+F4 sends the Cancel command", IDD_DETAIL, {KeyPress{Key::AltF4}}, IDCANCEL, {{IDCANCEL, BN_CLICKED}}},
        {"Alt+N presses Next", IDD_SELECT_OS, {AltLetter{'n'}, KeyPress{Key::Escape}}, IDCANCEL,
         {{IDC_NEXT, BN_CLICKED}, {IDCANCEL, BN_CLICKED}}},
        {"Alt+B finds no hidden Back", IDD_SELECT_OS, {AltLetter{'B'}, KeyPress{Key::Escape}}, IDCANCEL,
         {{IDCANCEL, BN_CLICKED}}, 1},
        {"a plain letter on a button works as a mnemonic", IDD_SELECT_PORT,
         {KeyPress{Key::Tab}, TypeText{"i"}, KeyPress{Key::Escape}}, IDCANCEL,
         {{IDC_INSTALL, BN_CLICKED}, {IDCANCEL, BN_CLICKED}}},
        {"Space clicks the focused button", IDD_SELECT_OS, {KeyPress{Key::Space}, KeyPress{Key::Escape}}, IDCANCEL,
         {{IDC_NEXT, BN_CLICKED}, {IDCANCEL, BN_CLICKED}}},
        {"Esc closes an open combo list, not the dialog", IDD_DETAIL,
         {KeyPress{Key::F4}, KeyPress{Key::Escape}, KeyPress{Key::Escape}}, IDCANCEL,
         {{IDC_MODULE, CBN_DROPDOWN}, {IDC_MODULE, CBN_CLOSEUP}, {IDCANCEL, BN_CLICKED}}},
        {"Esc closes the system menu, not the dialog", IDD_SELECT_OS,
         {KeyPress{Key::AltSpace}, KeyPress{Key::Escape}, KeyPress{Key::Escape}}, IDCANCEL,
         {{IDCANCEL, BN_CLICKED}}},
        {"Close from the system menu sends the Cancel command", IDD_SELECT_OS,
         {KeyPress{Key::AltSpace}, KeyPress{Key::Enter}}, IDCANCEL, {{IDCANCEL, BN_CLICKED}}},
        {"a hidden, disabled button cannot be pressed", IDD_SELECT_OS,
         {PressControl{IDC_BACK}, ClickControl{IDC_BACK}, KeyPress{Key::Escape}}, IDCANCEL,
         {{IDCANCEL, BN_CLICKED}}, 2},
        {"Esc cancels a dialog without a Cancel button", IDD_CREATE_PORT, {KeyPress{Key::Escape}}, IDCANCEL,
         {{IDCANCEL, BN_CLICKED}}},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedInput script;
        for (const InputEvent& event : c.events) script.Then(event);
        desktop.SetInput(&script);
        CProbeDlg dialog(c.templateId);
        EXPECT_EQ(dialog.DoModal(), c.result);
        EXPECT_EQ(dialog.commands, c.commands);
        EXPECT_EQ(static_cast<int>(script.Refusals().size()), c.refusals);
        EXPECT_EQ(script.Remaining(), 0u);
        EXPECT_FALSE(desktop.InputError().has_value());
    }
}

TEST_F(KeyboardTest, TabVisitsTheVisibleEnabledTabStopsInTemplateOrder) {
    const struct {
        UINT templateId;
        Key key;
        std::vector<int> focus;  // after each press
        bool disableCheckBox;
    } cases[] = {
        {IDD_DETAIL, Key::Tab, {IDC_SET_DEFAULT, IDC_PRINTER_NAME, IDC_BACK, IDC_NEXT, IDC_EXIT, IDC_MODULE}, false},
        {IDD_DETAIL, Key::ShiftTab, {IDC_EXIT, IDC_NEXT, IDC_BACK, IDC_PRINTER_NAME, IDC_SET_DEFAULT, IDC_MODULE}, false},
        {IDD_DETAIL, Key::Tab, {IDC_PRINTER_NAME, IDC_BACK}, true},
        // The radio buttons have no tab stop and Back is hidden: Next and Exit only.
        {IDD_SELECT_OS, Key::Tab, {IDC_EXIT, IDC_NEXT, IDC_EXIT}, false},
        {IDD_SELECT_PORT, Key::Tab, {IDC_CREATE_PORT, IDC_CONFIGURE_PORT, IDC_PORT_BACK, IDC_INSTALL,
                                     IDC_PORT_CANCEL, IDC_PORT_LIST}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.templateId << " " << KeyName(c.key));
        ScriptedInput script;
        std::vector<int> seen;
        for (std::size_t i = 0; i < c.focus.size(); ++i) {
            script.Then(KeyPress{c.key}).Check([&seen](const Desktop& d) { seen.push_back(d.FocusedControl()->id); });
        }
        script.Then(KeyPress{Key::Escape});
        desktop.SetInput(&script);
        CProbeDlg dialog(c.templateId);
        if (c.disableCheckBox) {
            dialog.onInit = [](CProbeDlg& self) { self.GetDlgItem(IDC_SET_DEFAULT)->EnableWindow(FALSE); };
        }
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_EQ(seen, c.focus);
    }
}

TEST_F(KeyboardTest, ArrowsMoveThroughTheGroupAndCheckTheRadioButtonsTheyReach) {
    CProbeDlg dialog(IDD_SELECT_OS);
    dialog.onInit = [](CProbeDlg& self) { self.CheckDlgButton(IDC_OS_WINXP, BST_CHECKED); };
    // The group runs from the group box to the end of the template: buttons are in it.
    const struct {
        InputEvent event;
        int focus;
        int checked;  // the one visible radio button checked
    } steps[] = {
        {ClickControl{IDC_OS_WIN2003}, IDC_OS_WIN2003, IDC_OS_WIN2003},
        {KeyPress{Key::Down}, IDC_NEXT, IDC_OS_WIN2003},  // a push button takes the focus only
        {KeyPress{Key::Right}, IDC_EXIT, IDC_OS_WIN2003},
        {KeyPress{Key::Down}, IDC_OS_WIN7, IDC_OS_WIN7},
        {KeyPress{Key::Down}, IDC_OS_VISTA, IDC_OS_VISTA},  // wraps past the hidden ones
        {KeyPress{Key::Up}, IDC_OS_WIN7, IDC_OS_WIN7},
        {KeyPress{Key::Space}, IDC_OS_WIN7, IDC_OS_WIN7},
    };
    const int visibleRadios[] = {IDC_OS_VISTA, IDC_OS_WIN2000, IDC_OS_WINXP, IDC_OS_WIN2003, IDC_OS_WIN7};
    for (const auto& step : steps) {
        input.Then(step.event).Check([&, step](const Desktop& d) {
            SCOPED_TRACE(Describe(step.event));
            EXPECT_EQ(d.FocusedControl()->id, step.focus);
            for (int id : visibleRadios) {
                EXPECT_EQ(d.ActiveWindow()->FindControl(id)->check == BST_CHECKED, id == step.checked) << id;
            }
        });
    }
    input.Then(KeyPress{Key::Escape});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.CountOf(IDC_OS_WIN7, BN_CLICKED), 3);
}

TEST_F(KeyboardTest, ALabelsMnemonicMovesTheFocusToTheControlAfterIt) {
    CProbeDlg dialog(IDD_SELECT_PORT);
    dialog.onInit = [](CProbeDlg& self) { self.SetDlgItemText(IDC_STATIC, "&Ports:"); };
    input.Then(KeyPress{Key::Tab})
        .Check([](const Desktop& d) { EXPECT_EQ(d.FocusedControl()->id, IDC_CREATE_PORT); })
        .Then(AltLetter{'p'})
        .Check([](const Desktop& d) { EXPECT_EQ(d.FocusedControl()->id, IDC_PORT_LIST); })
        .Then(KeyPress{Key::Escape});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.commands, (Commands{{IDCANCEL, BN_CLICKED}}));
}

TEST_F(KeyboardTest, InitialFocusIsTheFirstVisibleEnabledTabStopUnlessThePageSetsIt) {
    const struct {
        UINT templateId;
        BOOL initResult;
        int setFocusTo;  // 0: the page sets none
        int expected;    // 0: no focus
    } cases[] = {
        {IDD_SELECT_OS, TRUE, 0, IDC_NEXT},
        {IDD_DETAIL, TRUE, 0, IDC_MODULE},
        {IDD_SELECT_PORT, TRUE, 0, IDC_PORT_LIST},
        {IDD_CREATE_PORT, TRUE, 0, IDC_MONITOR_LIST},
        {IDD_ABOUTBOX, TRUE, 0, IDOK},
        {IDD_DETAIL, TRUE, IDC_EXIT, IDC_MODULE},   // TRUE: the framework's choice wins
        {IDD_DETAIL, FALSE, IDC_EXIT, IDC_EXIT},
        {IDD_DETAIL, FALSE, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.templateId << " " << c.initResult << " " << c.setFocusTo);
        ScriptedInput script;
        int focus = -1;
        script.Check([&focus](const Desktop& d) {
            const Control* control = d.FocusedControl();
            focus = control != nullptr ? control->id : 0;
        });
        script.Then(KeyPress{Key::Escape});
        desktop.SetInput(&script);
        CProbeDlg dialog(c.templateId);
        dialog.initResult = c.initResult;
        dialog.onInit = [&c](CProbeDlg& self) {
            if (c.setFocusTo != 0) self.GetDlgItem(c.setFocusTo)->SetFocus();
        };
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_EQ(focus, c.expected);
    }
}

}  // namespace
}  // namespace afxtest
