// The runner plays a script as the user of a dialog of its own: expectations between
// actions, refusals, the first failure ending the run, the lines after the end, and
// the transcript.
#include "afx/Afx.h"
#include "afx/host/Desktop.h"
#include "flows/FlowRunner.h"
#include "flows/FlowTokens.h"
#include "tests/flows/FakeRig.h"

#include <gtest/gtest.h>

namespace {

using namespace flows;

constexpr int kStart = 3001;
constexpr int kOption = 3002;
constexpr int kChoice = 3003;
constexpr int kProgress = 3005;
constexpr int kHidden = 3006;
constexpr int kDisabled = 3007;

constexpr std::string_view kChoices[] = {"alpha", "beta", "gamma"};
constexpr res::ControlTemplate kControls[] = {
    res::PushButton(kStart, "&Start", {7, 7, 50, 14}),
    res::AutoCheckBox(kOption, "&Option", {7, 25, 60, 10}),
    res::DropDownList(kChoice, {7, 40, 60, 50}, kChoices),
    res::ProgressBar(kProgress, {7, 60, 100, 8}, res::style::kWsBorder),
    res::PushButton(kHidden, "Hidden", {7, 75, 50, 14}, res::kHidden),
    res::PushButton(kDisabled, "&Disabled", {60, 75, 50, 14}, res::kDisabled),
    res::PushButton(IDOK, "OK", {100, 100, 50, 14}),
    res::PushButton(IDCANCEL, "Cancel", {155, 100, 50, 14}),
};
constexpr res::DialogTemplate kProbe{3000, "Probe", {0, 0, 210, 120}, res::kModalDialogFrame, 0, res::kDialogFont,
                                     kControls};

// Start: one "install" (a driver-directory query), a trace line, the bar to 10 and 20,
// a message box, then the bar to 20 again and 30.
class CProbeDlg : public CDialog {
public:
    explicit CProbeDlg(FlowServices& services) : CDialog(kProbe), m_services(services) {}

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        SendDlgItemMsg(kProgress, PBM_SETRANGE, 0, afx::MakeLParam(0, 100));
        return TRUE;
    }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (afx::LoWord(wParam) != kStart || afx::HiWord(wParam) != BN_CLICKED)
            return CDialog::OnCommand(wParam, lParam);
        char buffer[255] = {};
        std::uint32_t needed = 0;
        m_services.Spooler().GetDriverDirectory(spooler::kEnvironmentNtX86, 1, buffer, needed);
        m_services.System().Trace("traced\n");
        SendDlgItemMsg(kProgress, PBM_SETPOS, 10);
        SendDlgItemMsg(kProgress, PBM_SETPOS, 20);
        AfxMessageBox("Done");
        SendDlgItemMsg(kProgress, PBM_SETPOS, 20);
        SendDlgItemMsg(kProgress, PBM_SETPOS, 30);
        m_services.System().Sleep(500);
        return TRUE;
    }

private:
    FlowServices& m_services;
};

class FlowRunnerTest : public ::testing::Test {
protected:
    FlowOutcome Run(std::string_view text)
    {
        FlowScript script;
        FlowError error;
        EXPECT_TRUE(ParseFlowScript(text, "probe.flow", script, error)) << error.Describe("probe.flow");
        flowtest::FakeRig rig(script.setup);
        m_result = 0;
        const FlowOutcome outcome = RunFlow(script, rig, [this](afx::host::Desktop& desktop, FlowServices& services) {
            afx::host::DesktopScope scope(desktop);
            CProbeDlg dialog(services);
            m_result = dialog.DoModal();
            m_installs = services.Spooler().Count("GetDriverDirectory");
            m_waited = services.System().WaitedMilliseconds();
            return static_cast<int>(m_result);
        });
        return outcome;
    }

    static bool Has(const FlowOutcome& outcome, std::string_view text)
    {
        return outcome.transcript.find(text) != std::string::npos;
    }

    INT_PTR m_result = 0;
    int m_installs = 0;
    std::uint64_t m_waited = 0;
};

TEST_F(FlowRunnerTest, ExpectationsHoldBetweenActionsAndAfterTheEnd)
{
    const FlowOutcome outcome = Run(R"(expect window "Probe"
expect focus 3001
expect count 3003 3
expect selected 3003 none
pick 1 in 3003
expect text 3003 "beta"
expect item 3003 2 "gamma"
press "&Option"
expect checked 3002
expect hidden 3006
expect disabled 3007
press "&Start"
expect message "Done"
expect progress 3005 10 20
expect installs 1
expect traces 1
press "OK"
expect window "Probe"
expect progress 3005 30
press 1
expect ended
expect installs 1
expect calls GetDriverDirectory 1
expect printers 0
)");
    EXPECT_TRUE(outcome.passed) << outcome.transcript;
    EXPECT_EQ(outcome.linesHeld, 24);
    EXPECT_EQ(m_result, IDOK);
    EXPECT_EQ(m_waited, 500u);  // counted, not waited
    EXPECT_TRUE(Has(outcome, "   1 ok    expect window \"Probe\"\n"));
    EXPECT_TRUE(Has(outcome, "-- the program has ended (exit status 1)"));
    EXPECT_TRUE(Has(outcome, "PASSED: 24 lines held"));
}

TEST_F(FlowRunnerTest, TheFirstFailingLineEndsTheRunAndSaysWhatWasSeen)
{
    const FlowOutcome outcome = Run(R"(expect window "Probe"
expect checked 3002
press "&Start"
expect ended
)");
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.failedLine, 2);
    EXPECT_TRUE(Has(outcome, "   2 FAIL  expect checked 3002\n           control 3002 \"Option\" is not checked"))
        << outcome.transcript;
    EXPECT_TRUE(Has(outcome, "FAILED at line 2 (1 lines held before it, 2 not run)"));
    EXPECT_EQ(m_installs, 0);        // Start was never pressed
    EXPECT_EQ(m_result, IDCANCEL);  // the dialog ended for want of input
}

// An action the screen does not take fails its line, unless the next line says so.
TEST_F(FlowRunnerTest, ARefusedActionFailsUnlessTheNextLineExpectsIt)
{
    struct Case {
        const char* script;
        std::optional<int> failedLine;
        const char* shown;
    };
    const Case cases[] = {
        {"press 3006\n", 1, "refused: control 3006 is hidden"},
        {"press 3006\nexpect refused\nexpect window \"Probe\"\n", std::nullopt, "(refused: control 3006 is hidden)"},
        {"press 3007\nexpect refused \"disabled\"\n", std::nullopt, "(refused: control 3007 is disabled)"},
        {"press 3007\nexpect refused \"hidden\"\n", 2, "refused for another reason: control 3007 is disabled"},
        {"press 3002\nexpect refused\n", 2, "the action was taken, not refused"},
        {"press \"&Missing\"\n", 1, "the active window has no control captioned \"Missing\""},
        {"press \"Missing\"\nexpect refused \"captioned\"\npress 2\nexpect ended\n", std::nullopt, "PASSED"},
        {"expect refused\n", 1, "no action was refused"},
        {"pick 7 in 3003\n", 1, "combo box 3003 has no row 7"},
    };
    for (const Case& c : cases) {
        const FlowOutcome outcome = Run(c.script);
        EXPECT_EQ(outcome.failedLine, c.failedLine) << c.script << outcome.transcript;
        EXPECT_TRUE(Has(outcome, c.shown)) << c.script << outcome.transcript;
    }
}

TEST_F(FlowRunnerTest, AfterTheEndOnlyTheMachineCanBeChecked)
{
    const std::pair<const char*, const char*> cases[] = {
        {"press 2\nexpect window \"Probe\"\n", "the program has ended: no window is open"},
        {"press 2\npress 1\n", "the program has ended: nothing takes input"},
        {"press 2\nexpect installs 1\n", "the install ran 0 times"},
        {"expect ended\n", "the program still runs: \"Probe\" (dialog 3000) waits for input"},
    };
    for (const auto& [script, why] : cases) {
        const FlowOutcome outcome = Run(script);
        EXPECT_FALSE(outcome.passed) << script;
        EXPECT_TRUE(Has(outcome, why)) << script << outcome.transcript;
    }
}

TEST_F(FlowRunnerTest, AScriptThatStopsEarlyLeavesTheProgramStoppedAndPasses)
{
    const FlowOutcome outcome = Run("expect window \"Probe\"\n");
    EXPECT_TRUE(outcome.passed) << outcome.transcript;
    EXPECT_TRUE(Has(outcome, "-- the script ends here; the program was still running and was stopped: "
                             "the input ended while \"Probe\" (dialog 3000) was waiting for it"))
        << outcome.transcript;
    EXPECT_EQ(m_result, IDCANCEL);
}

TEST_F(FlowRunnerTest, ADumpShowsTheScreenInTheTranscript)
{
    const FlowOutcome outcome = Run("dump\npress 2\ndump\n");
    EXPECT_TRUE(outcome.passed) << outcome.transcript;
    EXPECT_TRUE(Has(outcome, "           | window ")) << outcome.transcript;
    EXPECT_TRUE(Has(outcome, "\"Probe\"")) << outcome.transcript;
    EXPECT_TRUE(Has(outcome, "           | (the program has ended: no windows)"));
}

TEST_F(FlowRunnerTest, MachineExpectationsSeeTheRigsState)
{
    const FlowOutcome outcome = Run(R"(machine fakes
fail set "Device"
press 2
expect value 'HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Ports' "COM2:" "9600,n,8,1"
expect value 'HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Ports' "COM9:" none
expect value 'HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows' "Device" "x"
)");
    EXPECT_EQ(outcome.failedLine, 6);
    EXPECT_TRUE(Has(outcome, "           no value")) << outcome.transcript;
}

}  // namespace

namespace {

TEST(FlowCaptions, MnemonicMarksGoAndDoubledAmpersandsStay)
{
    EXPECT_EQ(flows::WithoutMnemonics("&Next >"), "Next >");
    EXPECT_EQ(flows::WithoutMnemonics("< &Back"), "< Back");
    EXPECT_EQ(flows::WithoutMnemonics("R&&D &Tools"), "R&D Tools");
    EXPECT_EQ(flows::WithoutMnemonics("end&"), "end");
}

}  // namespace
