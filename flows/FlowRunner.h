#pragma once

#include "afx/host/Desktop.h"
#include "afx/host/DesktopObserver.h"
#include "afx/host/InputSource.h"
#include "flows/FlowRig.h"
#include "flows/FlowScript.h"
#include "flows/FlowServices.h"

#include <functional>
#include <map>
#include <optional>
#include <string>

namespace flows {

// How a flow ended.
struct FlowOutcome {
    bool passed = false;
    int linesHeld = 0;
    std::optional<int> failedLine;
    int exitStatus = 0;  // what the program returned
    std::string transcript;
};

// Runs the program under test on `desktop`, handing it `services`, with the desktop's
// input already set; returns the program's exit status. The wizard's target is in
// WizardTarget.h; tests run dialogs of their own.
using FlowTarget = std::function<int(afx::host::Desktop& desktop, FlowServices& services)>;

// The person at the keyboard, as a script says: the program's modal loops ask it for
// the next event; before handing out an action it checks every expectation up to it
// against the screen as it stands. An action the screen refuses fails its line unless
// the next line is `expect refused`. The first failing line ends the run: no more
// input, so every dialog ends and the program returns. Lines after the program has
// ended check the machine (and that it has ended).
class FlowRunner : public afx::host::InputSource, public afx::host::DesktopObserver {
public:
    FlowRunner(const FlowScript& script, FlowServices& services);

    std::optional<afx::host::InputEvent> NextEvent(const afx::host::Desktop& desktop) override;
    void OnRefused(const afx::host::InputEvent& event, std::string_view reason) override;
    void OnDesktopChanged(const afx::host::Desktop& desktop, const afx::host::Change& change) override;

    // After the program has returned: the lines left, and the outcome.
    FlowOutcome Finish(const afx::host::Desktop& desktop, int exitStatus);

private:
    bool ResolvePendingAction();
    // Runs lines up to the next action; the action's event, or nullopt when the run
    // stops (a failure, or the end of the script).
    std::optional<afx::host::InputEvent> RunUntilAction(const afx::host::Desktop* desktop);
    std::optional<std::string> Check(const FlowStep& step, const afx::host::Desktop* desktop) const;
    void Record(const FlowStep& step, bool ok, const std::string& detail = {});
    void Note(const std::string& text);

    const FlowScript& m_script;
    FlowServices& m_services;
    std::size_t m_next = 0;
    bool m_stopped = false;
    std::optional<int> m_failedLine;
    int m_held = 0;
    bool m_scriptEndedEarly = false;

    const FlowStep* m_pending = nullptr;  // the action handed out last
    std::optional<std::string> m_refusal;

    // Progress bars: the positions each control id took since the last action, and
    // the last position of each bar, so a change of range alone is not counted.
    std::map<int, std::vector<int>> m_progress;
    std::map<HWND, int> m_lastPosition;

    std::string m_transcript;
};

// Runs `script` on `rig` with `target`; the services wrap the rig's (FlowServices).
// `realWait`: the install's final wait really waits.
FlowOutcome RunFlow(const FlowScript& script, FlowRig& rig, const FlowTarget& target, bool realWait = false);

}  // namespace flows
