// The finishing sequence, run through the whole wizard: the two install runs, what the
// user is told at the end, the progress bar, the port page's lifetime.
#include "PagesFixture.h"
#include "pages/DetailDlg.h"
#include "pages/InstallProgress.h"
#include "pages/SelectPortDlg.h"

#include <gmock/gmock.h>

namespace pagestest {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

const std::string kRegistryMessage(install::kRegistryFailureMessage);

class FinishTest : public PagesTest {
protected:
    // Next on Select OS and Detail Setting: the port page opens.
    void ToSelectPort() { input.Then(PressControl{IDC_NEXT}).Then(PressControl{IDC_NEXT}); }

    // The run ended by itself, every scripted step used, nothing refused.
    void ExpectCleanEnd(int status)
    {
        EXPECT_EQ(status, 0);
        EXPECT_FALSE(desktop.InputError().has_value()) << *desktop.InputError();
        EXPECT_EQ(input.Remaining(), 0u);
        EXPECT_TRUE(input.Refusals().empty()) << ::testing::PrintToString(input.Refusals());
        EXPECT_EQ(CSelectPortDlg::LiveCount(), 0);
        EXPECT_EQ(g_pPortDlg, nullptr);
    }

    std::optional<std::string> DeviceValue() const
    {
        return registry.Text(RootKey::CurrentUser, kDeviceKey, "Device");
    }
};

TEST_F(FinishTest, InstallRunsTwiceAndSaysCompletedOnTheNtFamilyOnceAndSilentlyElsewhere)
{
    for (install::OsCode code = 0; code <= 8; ++code) {
        SCOPED_TRACE(code);
        const bool nt = install::IsNtFamily(code);
        spooler.printers.clear();
        spooler.drivers.clear();
        spooler.addDriverCalls.clear();
        screen.opened.clear();
        app::ResetWizardGlobals();
        SetOsCode(code);
        ToSelectPort();
        input.Then(PressControl{IDC_INSTALL});
        if (nt)
            input.Then(KeyPress{Key::Enter});  // "Completed!"

        ExpectCleanEnd(RunWizard());
        EXPECT_EQ(InstallRuns(), nt ? 2 : 1);
        EXPECT_EQ(screen.Messages(), nt ? std::vector<std::string>{"Completed!"} : std::vector<std::string>{});
        EXPECT_EQ(screen.Templates(), (std::vector<unsigned>{IDD_SELECT_OS, IDD_DETAIL, IDD_SELECT_PORT}));
        ASSERT_EQ(spooler.printers.count("TR-A2"), 1u);
        EXPECT_EQ(spooler.printers["TR-A2"].portName, "LPT1:");
        EXPECT_EQ(DeviceValue(), "TR-A2,winspool,LPT1:");
    }
}

TEST_F(FinishTest, CompletedIsShownOverTheDetailPageWithThePortPageObjectStillAlive)
{
    SetOsCode(install::kOsWindows7);
    ToSelectPort();
    input.Then(PressControl{IDC_INSTALL}).Check([&](const Desktop& d) {
        const Window& box = Top();
        ASSERT_TRUE(box.messageBox.has_value());
        EXPECT_EQ(box.messageBox->text, "Completed!");
        EXPECT_EQ(box.messageBox->icon, MessageBoxIcon::Exclamation);
        EXPECT_EQ(box.caption, "VORNEX");
        EXPECT_EQ(box.owner, d.FindByTemplate(IDD_DETAIL)->handle);
        EXPECT_EQ(d.FindByTemplate(IDD_SELECT_PORT), nullptr);
        EXPECT_EQ(CSelectPortDlg::LiveCount(), 1);
        ASSERT_NE(g_pPortDlg, nullptr);
        EXPECT_EQ(g_pPortDlg->m_strPort, "LPT1:");
        EXPECT_EQ(g_strPortName, "LPT1:");
    });
    input.Then(KeyPress{Key::Enter});
    ExpectCleanEnd(RunWizard());
}

// The bar moves through every stage of the run made on the page, from 0; the run made
// after the page has closed reaches no window.
TEST_F(FinishTest, ProgressReachesTheBarOnlyWhileThePortPageIsOpen)
{
    SetOsCode(install::kOsWindowsXp);
    ToSelectPort();
    input.Then(PressControl{IDC_INSTALL}).Then(KeyPress{Key::Enter});
    ExpectCleanEnd(RunWizard());
    EXPECT_EQ(InstallRuns(), 2);
    EXPECT_EQ(screen.progress, (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 95, 100}));
    EXPECT_EQ(system.sleeps, (std::vector<std::uint32_t>{500, 500}));
}

TEST_F(FinishTest, AProgressReportReachesOnlyAnOpenPortPage)
{
    SetInstallProgress(50);  // no port page at all
    CSelectPortDlg page;
    g_pPortDlg = &page;
    SetInstallProgress(50);  // a page that is not shown yet
    input.Check([](const Desktop&) { SetInstallProgress(40); }).Then(KeyPress{Key::Escape});
    page.DoModal();
    SetInstallProgress(60);  // a page that has closed
    EXPECT_EQ(screen.progress, (std::vector<int>{0, 40}));
}

TEST_F(FinishTest, AFailedInstallIsToldPlainlyInsteadOfCompleted)
{
    const struct {
        const char* what;
        std::function<void()> breakIt;
        const char* said;
    } cases[] = {
        {"a driver file missing", [this] { files.RemoveFile("win2k\\TRA2.GPD"); },
         "These driver files are missing from the win2k folder: TRA2.GPD"},
        {"the driver refused", [this] { spooler.failAddDriver = platform::kErrorAccessDenied; },
         "The printer driver \"TR-A2\" could not be added"},
        {"the printer refused", [this] { spooler.failCreatePrinter = platform::kErrorAccessDenied; },
         "The printer \"TR-A2\" could not be created on port \"LPT1:\""},
    };
    for (const auto& c : cases) {
        for (const install::OsCode code : {install::kOsWindowsXp, install::kOsWindows98}) {
            SCOPED_TRACE(std::string(c.what) + ", OsCode " + std::to_string(code));
            PagesTest::SetOsCode(code);
            app::ResetWizardGlobals();
            screen.opened.clear();
            spooler.addDriverCalls.clear();
            c.breakIt();
            ToSelectPort();
            input.Then(PressControl{IDC_INSTALL}).Then(KeyPress{Key::Enter});

            ExpectCleanEnd(RunWizard());
            EXPECT_EQ(InstallRuns(), install::IsNtFamily(code) ? 2 : 1);
            ASSERT_EQ(screen.Messages().size(), 1u);
            EXPECT_THAT(screen.Messages()[0], StartsWith(std::string(CDetailDlg::kInstallFailedHeadline) + "\n\n"));
            EXPECT_THAT(screen.Messages()[0], HasSubstr(c.said));
            EXPECT_EQ(screen.opened.back().icon, MessageBoxIcon::Error);
        }
        files.AddFile("win2k\\TRA2.GPD", "contents");
        spooler.failAddDriver.reset();
        spooler.failCreatePrinter.reset();
    }
}

// Enter on the port page takes no port and runs no install there; on the NT family the
// one run that follows has no port to create the printer on, and says so.
TEST_F(FinishTest, EnterOnThePortPageFinishesWithoutTheChosenPort)
{
    for (const install::OsCode code : {install::kOsWindowsXp, install::kOsWindows95}) {
        SCOPED_TRACE(code);
        const bool nt = install::IsNtFamily(code);
        SetOsCode(code);
        app::ResetWizardGlobals();
        screen.opened.clear();
        spooler.addDriverCalls.clear();
        ToSelectPort();
        input.Then(KeyPress{Key::Enter});
        if (nt)
            input.Then(KeyPress{Key::Enter});
        ExpectCleanEnd(RunWizard());
        EXPECT_EQ(InstallRuns(), nt ? 1 : 0);
        EXPECT_TRUE(spooler.printers.empty());
        if (nt) {
            ASSERT_EQ(screen.Messages().size(), 1u);
            EXPECT_THAT(screen.Messages()[0], HasSubstr("could not be created on port \"\""));
        } else {
            EXPECT_TRUE(screen.Messages().empty());
        }
    }
}

TEST_F(FinishTest, ARegistryValueThatCannotBeSetIsToldAndTheInstallGoesOn)
{
    SetOsCode(install::kOsWindowsXp);
    registry.setFailures["Device"] = platform::kErrorAccessDenied;
    std::vector<unsigned> ownerTemplates;
    auto noteOwner = [&](const Desktop& d) { ownerTemplates.push_back(d.Find(Top().owner)->templateId); };
    ToSelectPort();
    input.Then(PressControl{IDC_INSTALL})
        .Check(noteOwner)
        .Then(KeyPress{Key::Enter})  // the message during the run on the port page
        .Check(noteOwner)
        .Then(KeyPress{Key::Enter})  // during the second run
        .Then(KeyPress{Key::Enter});  // "Completed!": the printer is in place
    ExpectCleanEnd(RunWizard());
    EXPECT_EQ(screen.Messages(), (std::vector<std::string>{kRegistryMessage, kRegistryMessage, "Completed!"}));
    EXPECT_EQ(ownerTemplates, (std::vector<unsigned>{IDD_SELECT_PORT, IDD_DETAIL}));
    EXPECT_EQ(screen.progress.back(), 100);
    EXPECT_EQ(system.sleeps.size(), 2u);
    EXPECT_EQ(spooler.printers.count("TR-A2"), 1u);
}

// The serial value is written for the Detail Setting page's hidden port row, whatever
// port the printer is created on.
TEST_F(FinishTest, TheSerialValueFollowsTheHiddenPortRowNotTheChosenPort)
{
    SetOsCode(install::kOsWindowsXp);
    input.Then(PressControl{IDC_NEXT})
        .Check([&](const Desktop&) {
            Page<CDetailDlg>(IDD_DETAIL).GetDlgItem<CComboBox>(IDC_PORT)->SetCurSel(4);  // COM2
        })
        .Then(ClickRow{IDC_MODULE, 3})
        .Then(ClickControl{IDC_SET_DEFAULT})
        .Then(PressControl{IDC_NEXT})
        .Then(PressControl{IDC_INSTALL})
        .Then(KeyPress{Key::Enter});
    ExpectCleanEnd(RunWizard());
    EXPECT_EQ(registry.Text(RootKey::LocalMachine, kPortsKey, "COM2:"), "19200,N,8,1,p");
    EXPECT_EQ(DeviceValue(), std::nullopt);  // the box was cleared
    ASSERT_EQ(spooler.printers.count("TR-A4"), 1u);
    EXPECT_EQ(spooler.printers["TR-A4"].portName, "LPT1:");
}

// Each Next makes a fresh port page; a cancelled one is gone with its Next, and the
// Detail Setting page stays as the user left it.
TEST_F(FinishTest, PortPagesLiveForTheirNextPressOnlyAndNoneIsLeftBehind)
{
    SetOsCode(install::kOsWindowsXp);
    std::vector<int> liveWhileDetailShown;
    auto noteLive = [&](const Desktop&) {
        liveWhileDetailShown.push_back(CSelectPortDlg::LiveCount());
        EXPECT_EQ(g_pPortDlg, nullptr);
        EXPECT_EQ(ControlOf(IDD_DETAIL, IDC_MODULE).selection, 0);
    };
    input.Then(PressControl{IDC_NEXT})
        .Then(ClickRow{IDC_MODULE, 0})
        .Then(PressControl{IDC_NEXT})
        .Then(ClickRow{IDC_PORT_LIST, 0})
        .Then(PressControl{IDC_PORT_CANCEL})
        .Check(noteLive)
        .Then(PressControl{IDC_NEXT})
        .Check([&](const Desktop&) { EXPECT_EQ(ControlOf(IDD_SELECT_PORT, IDC_PORT_LIST).SelectedRow(), 5); })
        .Then(PressControl{IDC_PORT_BACK})
        .Check(noteLive)
        .Then(PressControl{IDC_NEXT})
        .Then(PressControl{IDC_INSTALL})
        .Then(KeyPress{Key::Enter});
    ExpectCleanEnd(RunWizard());
    EXPECT_EQ(liveWhileDetailShown, (std::vector<int>{0, 0}));
    EXPECT_EQ(spooler.listPortsCalls.size(), 6u);  // a fresh listing for each of the three pages
    EXPECT_EQ(spooler.printers.count("TR-A1"), 1u);
}

}  // namespace
}  // namespace pagestest
