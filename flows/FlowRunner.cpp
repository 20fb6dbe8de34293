#include "flows/FlowRunner.h"

#include "flows/FlowTokens.h"
#include "flows/RefusalVerdict.h"

#include <cstdio>

namespace flows {
namespace {

using afx::host::Desktop;

std::string Padded(int line)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%4d", line);
    return buffer;
}

}  // namespace

FlowRunner::FlowRunner(const FlowScript& script, FlowServices& services) : m_script(script), m_services(services)
{
    m_transcript = "flow " + script.name + " on " + services.Rig().Description() + "\n";
}

void FlowRunner::Record(const FlowStep& step, bool ok, const std::string& detail)
{
    m_transcript += Padded(step.line) + (ok ? " ok    " : " FAIL  ") + step.source;
    if (ok) {
        ++m_held;
        if (!detail.empty())
            m_transcript += "  (" + detail + ")";
        m_transcript += "\n";
        return;
    }
    m_transcript += "\n           " + detail + "\n";
    m_failedLine = step.line;
    m_stopped = true;
}

void FlowRunner::Note(const std::string& text)
{
    std::string indented;
    for (char c : text)
        indented += c == '\n' ? std::string("\n              ") : std::string(1, c);
    m_transcript += "           -- " + indented + "\n";
}

void FlowRunner::OnRefused(const afx::host::InputEvent& event, std::string_view reason)
{
    (void)event;
    m_refusal = std::string(reason);
}

void FlowRunner::OnDesktopChanged(const Desktop& desktop, const afx::host::Change& change)
{
    if (change.kind != afx::host::ChangeKind::ControlChanged)
        return;
    const afx::host::Control* control = desktop.FindControl(change.control);
    if (control == nullptr || control->kind != res::ControlKind::ProgressBar)
        return;
    const auto last = m_lastPosition.find(control->handle);
    if (last != m_lastPosition.end() && last->second == control->position)
        return;
    m_lastPosition[control->handle] = control->position;
    m_progress[control->id].push_back(control->position);
}

// The action handed out last was delivered or refused; the line after it may say
// that it had to be refused.
bool FlowRunner::ResolvePendingAction()
{
    if (m_pending == nullptr)
        return true;
    const FlowStep& action = *m_pending;
    m_pending = nullptr;
    const std::optional<std::string> refusal = std::move(m_refusal);
    m_refusal.reset();
    const bool refusalExpected = m_next < m_script.steps.size() && m_script.steps[m_next].op == Op::ExpectRefused;
    const FlowStep* expect = refusalExpected ? &m_script.steps[m_next++] : nullptr;
    const RefusalVerdict verdict = JudgeRefusal(refusal, expect);
    Record(action, verdict.action.ok, verdict.action.detail);
    if (expect != nullptr)
        Record(*expect, verdict.expectation->ok, verdict.expectation->detail);
    return !m_stopped;
}

std::optional<afx::host::InputEvent> FlowRunner::NextEvent(const Desktop& desktop)
{
    if (m_stopped || !ResolvePendingAction())
        return std::nullopt;
    std::optional<afx::host::InputEvent> event = RunUntilAction(&desktop);
    if (!event && !m_stopped) {
        m_scriptEndedEarly = true;
        m_stopped = true;
    }
    return event;
}

std::optional<afx::host::InputEvent> FlowRunner::RunUntilAction(const Desktop* desktop)
{
    while (!m_stopped && m_next < m_script.steps.size()) {
        const FlowStep& step = m_script.steps[m_next++];
        if (step.op == Op::Dump) {
            Record(step, true);
            std::string dump = desktop != nullptr ? desktop->Dump() : "(the program has ended: no windows)\n";
            for (std::size_t at = 0; at < dump.size();) {
                const std::size_t end = dump.find('\n', at);
                m_transcript += "           | " + dump.substr(at, end - at) + "\n";
                at = end == std::string::npos ? dump.size() : end + 1;
            }
            continue;
        }
        if (!step.IsAction()) {
            if (const std::optional<std::string> failure = Check(step, desktop))
                Record(step, false, *failure);
            else
                Record(step, true);
            continue;
        }
        if (desktop == nullptr) {
            Record(step, false, "the program has ended: nothing takes input");
            continue;
        }
        std::optional<afx::host::InputEvent> event = step.event;
        if (step.op == Op::PressCaption) {
            const afx::host::Window* active = desktop->ActiveWindow();
            const std::string plain = WithoutMnemonics(*step.text);
            const afx::host::Control* control = active != nullptr ? active->FindControlByCaption(plain) : nullptr;
            if (control == nullptr) {
                // Nothing to deliver: the line is refused here, as the screen would.
                m_pending = &step;
                m_refusal = "the active window has no control captioned " + Quote(plain);
                if (!ResolvePendingAction())
                    return std::nullopt;
                continue;
            }
            event = afx::host::PressControl{control->id};
        }
        m_pending = &step;
        m_refusal.reset();
        m_progress.clear();
        return event;
    }
    return std::nullopt;
}

FlowOutcome FlowRunner::Finish(const Desktop& desktop, int exitStatus)
{
    const bool stoppedByFailure = m_failedLine.has_value();
    if (!stoppedByFailure) {
        if (m_scriptEndedEarly) {
            Note("the script ends here; the program was still running and was stopped: " +
                 desktop.InputError().value_or("no window was waiting"));
        } else {
            ResolvePendingAction();
            if (!m_stopped) {
                Note("the program has ended (exit status " + std::to_string(exitStatus) + ")");
                RunUntilAction(nullptr);
            }
        }
    }
    FlowOutcome outcome;
    outcome.exitStatus = exitStatus;
    outcome.linesHeld = m_held;
    outcome.failedLine = m_failedLine;
    outcome.passed = !m_failedLine.has_value();
    m_transcript += ClosingLine(m_held, m_failedLine, m_script.steps.size() - m_next);
    outcome.transcript = m_transcript;
    return outcome;
}

FlowOutcome RunFlow(const FlowScript& script, FlowRig& rig, const FlowTarget& target, bool realWait)
{
    FlowServices services(rig, script.setup, realWait);
    Desktop desktop;
    FlowRunner runner(script, services);
    desktop.AddObserver(&runner);
    desktop.SetInput(&runner);
    const int status = target(desktop, services);
    FlowOutcome outcome = runner.Finish(desktop, status);
    desktop.SetInput(nullptr);
    desktop.RemoveObserver(&runner);
    return outcome;
}

}  // namespace flows
