#pragma once

#include "flows/FlowScript.h"
#include "flows/FlowServices.h"
#include "tests/win32/robot/Screen.h"
#include "tests/win32/robot/UiThread.h"

#include <optional>
#include <string>

// The person at the keyboard, as a flow script says, for the real program: runs on a
// thread of its own while the wizard runs on the program's thread; performs each action
// with real messages, waits until the wizard has dealt with it, and checks the
// expectations against the real windows and the machine. The transcript reads like the
// host runner's, line for line.
namespace robot {

struct RobotOutcome {
    bool passed = false;
    std::optional<int> failedLine;
    std::string transcript;
};

class FlowRobot {
public:
    // `shots`: a folder for the screenshots that `dump` lines take, or empty.
    FlowRobot(const flows::FlowScript& script, flows::FlowServices& services, UiThread& ui, std::string shots);

    // Runs the script to its end, or to its first failing line.
    RobotOutcome Run();

private:
    void Record(const flows::FlowStep& step, bool ok, const std::string& detail = {});
    void Note(const std::string& text);
    bool Settle();
    std::optional<std::string> Check(const flows::FlowStep& step);
    std::optional<std::string> CheckWindows(const flows::FlowStep& step);
    std::optional<std::string> CheckMachine(const flows::FlowStep& step);
    void RunAction(const flows::FlowStep& step);
    void TakeScreenshot(const flows::FlowStep& step);

    const flows::FlowScript& m_script;
    flows::FlowServices& m_services;
    UiThread& m_ui;
    Screen m_screen;
    std::string m_shots;
    std::size_t m_next = 0;
    bool m_stopped = false;
    bool m_ended = false;
    int m_held = 0;
    int m_shotCount = 0;
    std::optional<int> m_failedLine;
    std::string m_transcript;
};

}  // namespace robot
