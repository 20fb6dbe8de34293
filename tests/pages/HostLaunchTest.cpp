// The host wiring: a machine folder that cannot be used is said plainly; otherwise the
// wizard runs on the machine with the monitor's dialogs attached, and nothing stays
// attached afterwards.
#include "afx/host/Desktop.h"
#include "afx/host/HostApp.h"
#include "afx/host/InputSource.h"
#include "app/WizardGlobals.h"
#include "app/WizardServices.h"
#include "machine/Machine.h"
#include "machine/MachineInspector.h"
#include "machine/ScriptedPortMonitorUi.h"
#include "programs/common/HostLaunch.h"
#include "res/ResourceIds.h"
#include "tests/support/NoWaitSystem.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <unistd.h>

namespace pagestest {
namespace {

using namespace afx::host;
namespace fs = std::filesystem;

class HostLaunchTest : public ::testing::Test {
protected:
    HostLaunchTest()
    {
        m_folder = fs::temp_directory_path() / ("vornex-launch-" + std::to_string(::getpid()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
        if (const char* previous = std::getenv("VORNEX_MACHINE"))
            m_previousMachine = previous;
        app::ResetWizardGlobals();
    }
    ~HostLaunchTest() override
    {
        if (m_previousMachine)
            ::setenv("VORNEX_MACHINE", m_previousMachine->c_str(), 1);
        else
            ::unsetenv("VORNEX_MACHINE");
        fs::remove_all(m_folder);
        app::ResetWizardGlobals();
    }

    void UseMachineIn(const fs::path& folder) { ::setenv("VORNEX_MACHINE", folder.c_str(), 1); }

    fs::path m_folder;
    Desktop desktop;
    ScriptedInput input;
    std::ostringstream errors;

private:
    std::optional<std::string> m_previousMachine;
};

TEST_F(HostLaunchTest, AFolderThatHoldsNoMachineIsRefusedWithItsName)
{
    const fs::path notAMachine = m_folder / "papers";
    fs::create_directories(notAMachine);
    std::ofstream(notAMachine / "letter.txt") << "not a machine";
    UseMachineIn(notAMachine);
    input.Then(PressControl{IDC_EXIT});

    EXPECT_EQ(launch::RunWizardOnDefaultMachine({desktop, input}, errors), launch::kExitMachineUnusable);
    EXPECT_NE(errors.str().find(notAMachine.string()), std::string::npos) << errors.str();
    EXPECT_EQ(errors.str().back(), '\n');
    EXPECT_EQ(input.Remaining(), 1u);  // no page was shown
    EXPECT_FALSE(app::HasWizardServices());
}

TEST_F(HostLaunchTest, RunsTheWizardOnTheMachineWithTheMonitorsDialogs)
{
    UseMachineIn(m_folder / "machine");
    machine::ScriptedPortMonitorUi monitorUi;
    monitorUi.QueuePortName("COM7:");
    HWND createPortWindow = nullptr;
    std::vector<std::string> portsAfter;
    std::string caption;
    input.Then(PressControl{IDC_NEXT})
        .Then(PressControl{IDC_NEXT})
        .Then(PressControl{IDC_CREATE_PORT})
        .Check([&](const Desktop& d) { createPortWindow = d.ActiveWindow()->handle; })
        .Then(PressControl{IDC_NEW_PORT})
        .Then(PressControl{IDC_CREATE_CLOSE})
        .Check([&](const Desktop& d) {
            caption = d.ActiveWindow()->caption;
            for (const ListRow& row : d.FindByTemplate(IDD_SELECT_PORT)->FindControl(IDC_PORT_LIST)->rows)
                portsAfter.emplace_back(row.Text(0));
        })
        .Then(PressControl{IDC_PORT_CANCEL})
        .Then(PressControl{IDC_EXIT});

    EXPECT_EQ(launch::RunWizardOnDefaultMachine({desktop, input, &monitorUi}, errors), 0) << errors.str();
    EXPECT_TRUE(errors.str().empty());
    EXPECT_EQ(input.Remaining(), 0u);
    EXPECT_NE(std::find(portsAfter.begin(), portsAfter.end(), "COM7:"), portsAfter.end());
    ASSERT_FALSE(monitorUi.Transcript().empty());
    EXPECT_EQ(monitorUi.Transcript()[0].dialog, "PortName");
    EXPECT_EQ(monitorUi.Transcript()[0].owner, reinterpret_cast<spooler::WindowHandle>(createPortWindow));
    EXPECT_EQ(caption, "Select Port");
    EXPECT_FALSE(app::HasWizardServices());
    EXPECT_EQ(afx::host::GetProgramPath(), launch::DefaultProgramPath());
}

// From start to "Completed!" on a fresh machine, with the sample driver folder of the
// build as win2k under the current directory and the final waits taken out.
TEST_F(HostLaunchTest, InstallsOnAFreshMachineFromStartToCompleted)
{
    std::unique_ptr<machine::Machine> host;
    ASSERT_TRUE(machine::Machine::Open(m_folder / "machine", {}, host).Ok());
    fakes::NoWaitSystem noWait(host->GetSystem());
    const fs::path previousDirectory = fs::current_path();
    fs::current_path(VORNEX_BUILD_ROOT);

    std::string message;
    input.Then(PressControl{IDC_NEXT})
        .Then(PressControl{IDC_NEXT})
        .Then(PressControl{IDC_INSTALL})
        .Check([&](const Desktop& d) { message = d.ActiveWindow()->messageBox.value_or(MessageBoxInfo{}).text; })
        .Then(KeyPress{Key::Enter});
    launch::HostRun run(desktop, input);
    run.system = &noWait;
    const int status = launch::RunWizard(*host, run);
    fs::current_path(previousDirectory);

    EXPECT_EQ(status, 0);
    EXPECT_EQ(message, "Completed!");
    EXPECT_EQ(noWait.Sleeps(), (std::vector<std::uint32_t>{500, 500}));
    std::vector<machine::PrinterRecord> printers;
    machine::MachineInspector inspector(*host);
    ASSERT_EQ(inspector.ListPrinters(printers), platform::kErrorSuccess);
    ASSERT_EQ(printers.size(), 1u);
    EXPECT_EQ(printers[0].name, "TR-A2");
    EXPECT_EQ(printers[0].port, "LPT1:");
    std::string trace;
    inspector.ReadTrace(trace);
    EXPECT_NE(trace.find("LPT1:\n"), std::string::npos) << trace;
}

}  // namespace
}  // namespace pagestest
