// The wizard itself in the view, on a fresh host machine, through a scripted terminal:
// the install's progress repainted at each report, keys typed during the install
// dropped, a terminal too small waited out, the whole install with the mouse alone.
#include "afx/host/Desktop.h"
#include "afx/host/HostApp.h"
#include "app/WizardGlobals.h"
#include "machine/Machine.h"
#include "machine/MachineInspector.h"
#include "monitorui/DialogPortMonitorUi.h"
#include "programs/common/HostLaunch.h"
#include "tests/support/NoWaitSystem.h"
#include "tests/tui/FakeScreen.h"
#include "tui/TerminalView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <unistd.h>

namespace tuitest {
namespace {

namespace fs = std::filesystem;
using tui::Stroke;

// Positions the Select Port page's progress bar took, as the model reports them.
class ProgressRecorder : public afx::host::DesktopObserver {
public:
    void OnDesktopChanged(const afx::host::Desktop& desktop, const afx::host::Change& change) override {
        if (change.kind != afx::host::ChangeKind::ControlChanged) return;
        const afx::host::Control* control = desktop.FindControl(change.control);
        if (control == nullptr || control->kind != afx::host::ControlKind::ProgressBar) return;
        if (positions.empty() || positions.back() != control->position) positions.push_back(control->position);
    }
    std::vector<int> positions;
};

class TerminalViewTest : public ::testing::Test {
protected:
    TerminalViewTest() {
        m_folder = fs::temp_directory_path() / ("vornex-tui-" + std::to_string(::getpid()));
        fs::remove_all(m_folder);
        app::ResetWizardGlobals();
        EXPECT_TRUE(machine::Machine::Open(m_folder, {}, m_machine).Ok());
        m_previousDirectory = fs::current_path();
        fs::current_path(VORNEX_BUILD_ROOT);  // win2k/ is there
    }
    ~TerminalViewTest() override {
        fs::current_path(m_previousDirectory);
        m_machine.reset();
        fs::remove_all(m_folder);
        app::ResetWizardGlobals();
    }

    int Run(FakeScreen& screen) {
        afx::host::Desktop desktop;
        tui::TerminalView view(screen);
        desktop.AddObserver(&view);
        desktop.AddObserver(&recorder);
        fakes::NoWaitSystem noWait(m_machine->GetSystem());
        launch::HostRun run(desktop, view, &m_monitorUi);
        run.system = &noWait;
        return launch::RunWizard(*m_machine, run);
    }

    std::vector<machine::PrinterRecord> Printers() {
        std::vector<machine::PrinterRecord> printers;
        machine::MachineInspector(*m_machine).ListPrinters(printers);
        return printers;
    }

    ProgressRecorder recorder;

private:
    fs::path m_folder;
    fs::path m_previousDirectory;
    std::unique_ptr<machine::Machine> m_machine;
    monitorui::DialogPortMonitorUi m_monitorUi;
};

// The percentages the Select Port page showed, frame by frame.
std::vector<int> ShownPercentages(const std::vector<std::string>& frames) {
    static const std::regex percent(R"(([0-9]+)%)");
    std::vector<int> shown;
    for (const std::string& frame : frames) {
        if (frame.find("Select Port") == std::string::npos) continue;
        std::smatch match;
        if (!std::regex_search(frame, match, percent)) continue;
        const int value = std::stoi(match[1]);
        if (shown.empty() || shown.back() != value) shown.push_back(value);
    }
    return shown;
}

TEST_F(TerminalViewTest, TheInstallRepaintsTheBarAtEachReportAndDropsKeysTypedMeanwhile) {
    FakeScreen screen;
    screen.Then(Stroke::Char('n', true))   // Select OS: Next
        .Then(Stroke::Char('n', true))     // Detail Setting: Next
        .Then(Stroke::Char('i', true))     // Select Port: Install
        .Then(Stroke::Char('\r'));         // "Completed!": OK
    EXPECT_EQ(Run(screen), 0);

    ASSERT_GE(recorder.positions.size(), 5u);
    EXPECT_EQ(recorder.positions.front(), 0);
    EXPECT_EQ(recorder.positions.back(), 100);
    EXPECT_EQ(ShownPercentages(screen.Frames()), recorder.positions);  // every report reached the screen

    // The frames of the install come between the Install key and the next read, and
    // whatever was typed meanwhile is dropped before "Completed!" takes keys.
    const std::vector<std::string>& log = screen.Log();
    const auto discard = std::find(log.begin(), log.end(), "discard");
    ASSERT_NE(discard, log.end());
    EXPECT_EQ(std::count(discard, log.end(), "read"), 1);  // the one "Completed!" waits for
    const auto completed = std::find_if(screen.Frames().begin(), screen.Frames().end(),
                                        [](const std::string& f) { return f.find("Completed!") != std::string::npos; });
    EXPECT_NE(completed, screen.Frames().end());
    EXPECT_EQ(Printers().size(), 1u);
}

TEST_F(TerminalViewTest, ATerminalTooSmallIsSaidSoAndTheWizardComesBackWhenItGrows) {
    FakeScreen screen({80, 24});
    screen.Then(Stroke::Char('n', true))  // not for the wizard while it cannot be seen
        .Then(Stroke::Char('\t'))
        .ResizeTo({120, 40})
        .Then(Stroke::Char(0x1B));  // Select OS: Exit
    EXPECT_EQ(Run(screen), 0);
    const std::vector<std::string> expected = {"too small", "read", "too small", "read", "too small", "read",
                                               "show",      "read"};
    EXPECT_EQ(screen.Log(), expected);
    ASSERT_FALSE(screen.Frames().empty());
    EXPECT_NE(screen.Frames().front().find("Select OS"), std::string::npos);
    EXPECT_TRUE(Printers().empty());
}

TEST_F(TerminalViewTest, TheTerminalGoneEndsTheWizard) {
    FakeScreen screen;
    screen.Then(Stroke::Char('n', true));
    EXPECT_EQ(Run(screen), afx::host::kExitInputEnded);
    EXPECT_TRUE(Printers().empty());
}

TEST_F(TerminalViewTest, APrinterIsInstalledWithTheMouseAlone) {
    FakeScreen screen;
    screen.ClickOn("Next >")
        .ClickOn("v]")  // the module combo's arrow
        .ClickOn("TR-A4")
        .ClickOn("Next >")
        .ClickOn("COM2:")
        .ClickOn("Install")
        .ClickOn("OK");
    EXPECT_EQ(Run(screen), 0);
    EXPECT_EQ(screen.Remaining(), 0u);
    EXPECT_EQ(std::count(screen.Log().begin(), screen.Log().end(), "beep"), 0);
    const std::vector<machine::PrinterRecord> printers = Printers();
    ASSERT_EQ(printers.size(), 1u);
    EXPECT_EQ(printers[0].name, "TR-A4");
    EXPECT_EQ(printers[0].port, "COM2:");
}

}  // namespace
}  // namespace tuitest
