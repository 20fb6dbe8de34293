// The page loop: which page follows which, and what each way of leaving leads to.
#include "PagesFixture.h"

namespace pagestest {
namespace {

class WizardFlowTest : public PagesTest {
protected:
    void ExpectNothingInstalled() const
    {
        EXPECT_TRUE(files.copyCalls.empty());
        EXPECT_TRUE(spooler.addDriverCalls.empty());
        EXPECT_TRUE(spooler.createPrinterCalls.empty());
        EXPECT_TRUE(registry.setCalls.empty());
    }
};

TEST_F(WizardFlowTest, LeavingSelectOsEndsTheProgramAtOnce)
{
    for (const InputEvent& event : {InputEvent{PressControl{IDC_EXIT}}, InputEvent{KeyPress{Key::Escape}},
                                    InputEvent{ClickCloseBox{}}, InputEvent{AltLetter{'e'}}}) {
        SCOPED_TRACE(Describe(event));
        screen.opened.clear();
        input.Then(event);
        EXPECT_EQ(RunWizard(), 0);
        EXPECT_FALSE(desktop.InputError().has_value());
        EXPECT_EQ(screen.Templates(), std::vector<unsigned>{IDD_SELECT_OS});
    }
    ExpectNothingInstalled();
}

TEST_F(WizardFlowTest, LeavingDetailSettingEndsTheProgramWithoutInstalling)
{
    for (const InputEvent& event : {InputEvent{PressControl{IDC_EXIT}}, InputEvent{KeyPress{Key::Escape}},
                                    InputEvent{ClickCloseBox{}}, InputEvent{KeyPress{Key::AltF4}},
                                    InputEvent{KeyPress{Key::Enter}}}) {
        SCOPED_TRACE(Describe(event));
        screen.opened.clear();
        input.Then(KeyPress{Key::Enter}).Then(event);
        EXPECT_EQ(RunWizard(), 0);
        EXPECT_FALSE(desktop.InputError().has_value());
        EXPECT_EQ(screen.Templates(), (std::vector<unsigned>{IDD_SELECT_OS, IDD_DETAIL}));
        EXPECT_TRUE(screen.Messages().empty());
    }
    ExpectNothingInstalled();
}

// Back shows the same Select OS page again, detected anew; the next Detail Setting
// page starts from its defaults.
TEST_F(WizardFlowTest, BackDetectsAgainAndKeepsNoChoice)
{
    SetOsCode(install::kOsWindowsXp);
    std::vector<int> checkedOnSecondShowing;
    Control modules;
    Control printerName;
    Control defaultBox;
    input.Then(PressControl{IDC_NEXT})
        .Then(ClickRow{IDC_MODULE, 4})
        .Then(ClickControl{IDC_SET_DEFAULT})
        .Check([&](const Desktop&) { SetOsCode(install::kOsWindows2000); })
        .Then(PressControl{IDC_BACK})
        .Check([&](const Desktop&) {
            for (const Control& control : Top().controls)
                if (control.kind == res::ControlKind::RadioButton && control.check == BST_CHECKED)
                    checkedOnSecondShowing.push_back(control.id);
        })
        .Then(PressControl{IDC_NEXT})
        .Check([&](const Desktop&) {
            modules = ControlOf(IDD_DETAIL, IDC_MODULE);
            printerName = ControlOf(IDD_DETAIL, IDC_PRINTER_NAME);
            defaultBox = ControlOf(IDD_DETAIL, IDC_SET_DEFAULT);
        })
        .Then(PressControl{IDC_EXIT});
    EXPECT_EQ(RunWizard(), 0);
    EXPECT_EQ(screen.Templates(), (std::vector<unsigned>{IDD_SELECT_OS, IDD_DETAIL, IDD_SELECT_OS, IDD_DETAIL}));
    EXPECT_EQ(checkedOnSecondShowing, std::vector<int>{IDC_OS_WIN2000});
    EXPECT_EQ(g_osCode, install::kOsWindows2000);
    EXPECT_EQ(modules.selection, 1);
    EXPECT_EQ(printerName.text, "VORNEX Receipt Printer");
    EXPECT_EQ(defaultBox.check, BST_CHECKED);
    ExpectNothingInstalled();
}

TEST_F(WizardFlowTest, TheInputEndingMidWayEndsTheRunAndSaysWhere)
{
    input.Then(PressControl{IDC_NEXT});
    EXPECT_EQ(RunWizard(), kExitInputEnded);
    ASSERT_TRUE(desktop.InputError().has_value());
    EXPECT_NE(desktop.InputError()->find("Detail Setting"), std::string::npos) << *desktop.InputError();
    ExpectNothingInstalled();
}

}  // namespace
}  // namespace pagestest
