#include "tests/win32/robot/FlowRobot.h"

#include "flows/FlowRig.h"
#include "flows/FlowTokens.h"
#include "flows/RefusalVerdict.h"
#include "platform/Registry.h"
#include "tests/win32/robot/Actions.h"
#include "tests/win32/robot/Screenshot.h"

#include <cstdio>

namespace robot {
namespace {

using flows::FlowStep;
using flows::Op;
using flows::Quote;
using flows::WithoutMnemonics;

// Long enough for an install with its real wait and a message box.
constexpr DWORD kSettleMs = 30000;
constexpr DWORD kPaintFlushMs = 300;

std::string Padded(int line) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%4d", line);
    return buffer;
}

std::string Join(const std::vector<int>& numbers) {
    if (numbers.empty()) {
        return "none";
    }
    std::string text;
    for (int number : numbers) {
        text += (text.empty() ? "" : " ") + std::to_string(number);
    }
    return text;
}

std::optional<std::string> ReadValueText(platform::Registry& registry, const FlowStep& step, std::string& text) {
    platform::ScopedRegKey key(registry);
    const platform::Win32Error opened = key.Open(step.root, step.texts[0], platform::kKeyQueryValue);
    if (opened == platform::kErrorFileNotFound) {
        return std::string("no key");
    }
    if (opened != platform::kErrorSuccess) {
        return "the key cannot be opened: " + platform::DescribeError(opened);
    }
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    const platform::Win32Error read = registry.QueryValue(key.Get(), step.texts[1], type, data);
    if (read == platform::kErrorFileNotFound) {
        return std::string("no value");
    }
    if (read != platform::kErrorSuccess) {
        return "the value cannot be read: " + platform::DescribeError(read);
    }
    if (type != platform::kRegSz && type != platform::kRegExpandSz) {
        text = "<type " + std::to_string(type) + ", " + std::to_string(data.size()) + " bytes>";
        return std::nullopt;
    }
    text.assign(data.begin(), data.end());
    if (!text.empty() && text.back() == '\0') {
        text.pop_back();
    }
    return std::nullopt;
}

}  // namespace

FlowRobot::FlowRobot(const flows::FlowScript& script, flows::FlowServices& services, UiThread& ui, std::string shots)
    : m_script(script), m_services(services), m_ui(ui), m_screen(ui.Id()), m_shots(std::move(shots)) {
    m_transcript = "flow " + script.name + " on " + services.Rig().Description() + "\n";
}

void FlowRobot::Record(const FlowStep& step, bool ok, const std::string& detail) {
    m_transcript += Padded(step.line) + (ok ? " ok    " : " FAIL  ") + step.source;
    if (ok) {
        ++m_held;
        if (!detail.empty()) {
            m_transcript += "  (" + detail + ")";
        }
        m_transcript += "\n";
        return;
    }
    m_transcript += "\n           " + detail + "\n";
    m_failedLine = step.line;
    m_stopped = true;
}

void FlowRobot::Note(const std::string& text) { m_transcript += "           -- " + text + "\n"; }

// Waits until the wizard has dealt with everything sent so far; notes the end of the
// program the first time it is seen.
bool FlowRobot::Settle() {
    if (m_ended) {
        return true;
    }
    switch (m_ui.Settle(kSettleMs)) {
        case UiThread::Settled::Idle:
            return true;
        case UiThread::Settled::Ended:
            m_ended = true;
            Note("the program has ended");
            return true;
        case UiThread::Settled::TimedOut:
            break;
    }
    return false;
}

RobotOutcome FlowRobot::Run() {
    while (!m_stopped && m_next < m_script.steps.size()) {
        const FlowStep& step = m_script.steps[m_next++];
        if (!Settle()) {
            Record(step, false, "the program did not take its input within " + std::to_string(kSettleMs / 1000) +
                                    " seconds: " + Screen::WindowName(m_screen.ActiveWindow()) + " is busy");
            break;
        }
        if (step.op == Op::Dump) {
            TakeScreenshot(step);
        } else if (step.IsAction()) {
            RunAction(step);
        } else if (const std::optional<std::string> failure = Check(step)) {
            Record(step, false, *failure);
        } else {
            Record(step, true);
        }
    }
    if (!m_stopped && !m_ended && Settle() && !m_ended) {
        Note("the script ends here; the program was still running and was stopped: " +
             Screen::WindowName(m_screen.ActiveWindow()) + " waits for input");
    }
    RobotOutcome outcome;
    outcome.passed = !m_failedLine.has_value();
    outcome.failedLine = m_failedLine;
    m_transcript += flows::ClosingLine(m_held, m_failedLine, m_script.steps.size() - m_next);
    outcome.transcript = m_transcript;
    return outcome;
}

void FlowRobot::RunAction(const FlowStep& step) {
    const bool refusalExpected = m_next < m_script.steps.size() && m_script.steps[m_next].op == Op::ExpectRefused;
    std::optional<std::string> refusal;
    if (m_ended) {
        Record(step, false, "the program has ended: nothing takes input");
        return;
    }
    const HWND active = m_screen.ActiveWindow();
    std::optional<afx::host::InputEvent> event = step.event;
    if (step.op == Op::PressCaption) {
        const std::string plain = WithoutMnemonics(*step.text);
        const HWND control = Screen::ControlByCaption(active, plain);
        if (control == nullptr) {
            refusal = "the active window has no control captioned " + Quote(plain);
        } else {
            event = afx::host::PressControl{::GetDlgCtrlID(control)};
        }
    }
    if (!refusal) {
        m_ui.ClearProgress();
        refusal = event ? Perform(*event, active, m_screen) : std::optional<std::string>("nothing to do");
    }
    const FlowStep* expect = refusalExpected ? &m_script.steps[m_next++] : nullptr;
    const flows::RefusalVerdict verdict = flows::JudgeRefusal(refusal, expect);
    Record(step, verdict.action.ok, verdict.action.detail);
    if (expect != nullptr) {
        Record(*expect, verdict.expectation->ok, verdict.expectation->detail);
    }
}

void FlowRobot::TakeScreenshot(const FlowStep& step) {
    if (m_shots.empty()) {
        Record(step, true, "no screenshot asked for");
        return;
    }
    // Painting waits until a queue is empty: make the windows paint now, all of them.
    // What the wizard's thread drew reaches the X server once that thread waits for
    // input again; a screenshot is an end-to-end matter, so it may wait a moment for it.
    m_screen.RepaintAll();
    Settle();
    ::Sleep(kPaintFlushMs);
    const std::string caption = m_ended ? std::string("ended") : Screen::Caption(m_screen.ActiveWindow());
    const std::string file = SaveScreenshot(m_shots, m_script.name, ++m_shotCount, caption);
    if (file.empty()) {
        Record(step, false, "the screen could not be captured");
    } else {
        Record(step, true, "screenshot " + file);
    }
}

std::optional<std::string> FlowRobot::Check(const FlowStep& step) {
    switch (step.op) {
        case Op::ExpectTraces:
        case Op::ExpectInstalls:
        case Op::ExpectCalls:
        case Op::ExpectPrinter:
        case Op::ExpectPrinters:
        case Op::ExpectValue:
            return CheckMachine(step);
        case Op::ExpectEnded:
            if (m_ended) {
                return std::nullopt;
            }
            return "the program still runs: " + Screen::WindowName(m_screen.ActiveWindow()) + " waits for input";
        case Op::ExpectRefused:
            return std::string("no action was refused: this line must follow the action");
        case Op::ExpectProgress: {
            const auto progress = m_ui.Progress();
            const auto found = progress.find(step.id);
            const std::vector<int> seen = found != progress.end() ? found->second : std::vector<int>{};
            if (seen != step.positions) {
                return "since the last action the bar showed: " + Join(seen);
            }
            return std::nullopt;
        }
        default:
            return CheckWindows(step);
    }
}

std::optional<std::string> FlowRobot::CheckWindows(const FlowStep& step) {
    if (m_ended) {
        return std::string("the program has ended: no window is open");
    }
    const HWND active = m_screen.ActiveWindow();
    if (active == nullptr) {
        return std::string("no window is active");
    }
    if (step.op == Op::ExpectWindow) {
        if (Screen::Caption(active) != *step.text) {
            return "the active window is " + Screen::WindowName(active);
        }
        return std::nullopt;
    }
    if (step.op == Op::ExpectShows) {
        for (HWND control : Screen::Controls(active)) {
            if (Screen::IsVisible(control) && Screen::Text(control) == *step.text) {
                return std::nullopt;
            }
        }
        return Screen::WindowName(active) + " shows no control with that text";
    }
    if (step.op == Op::ExpectMessage) {
        if (!Screen::IsMessageBox(active)) {
            return "the active window is " + Screen::WindowName(active) + ", not a message box";
        }
        if (Screen::MessageText(active) != *step.text) {
            return "the message is " + Quote(Screen::MessageText(active));
        }
        return std::nullopt;
    }

    const HWND control = Screen::Control(active, step.id);
    if (control == nullptr) {
        return "the active window " + Screen::WindowName(active) + " has no control " + std::to_string(step.id);
    }
    switch (step.op) {
        case Op::ExpectText: {
            const std::string shown = Screen::ShownText(control);
            if (shown != *step.text) {
                return Screen::Named(control) + " shows " + Quote(shown);
            }
            return std::nullopt;
        }
        case Op::ExpectChecked:
        case Op::ExpectUnchecked: {
            const bool want = step.op == Op::ExpectChecked;
            if ((Screen::Check(control) == BST_CHECKED) != want) {
                return Screen::Named(control) + (want ? " is not checked" : " is checked");
            }
            return std::nullopt;
        }
        case Op::ExpectEnabled:
        case Op::ExpectDisabled: {
            const bool enabled = Screen::IsEnabled(control);
            if (enabled != (step.op == Op::ExpectEnabled)) {
                return Screen::Named(control) + (enabled ? " is enabled" : " is disabled");
            }
            return std::nullopt;
        }
        case Op::ExpectVisible:
        case Op::ExpectHidden: {
            const bool visible = Screen::IsVisible(control);
            if (visible != (step.op == Op::ExpectVisible)) {
                return Screen::Named(control) + (visible ? " is visible" : " is hidden");
            }
            return std::nullopt;
        }
        case Op::ExpectFocus: {
            const HWND focused = m_screen.FocusWindow();
            if (focused != control) {
                return "the focus is on " +
                       (focused != nullptr && ::GetParent(focused) == active ? Screen::Named(focused)
                                                                              : std::string("no control"));
            }
            return std::nullopt;
        }
        case Op::ExpectCount: {
            const std::optional<int> count = Screen::RowCount(control);
            if (!count) {
                return Screen::Named(control) + " has no rows";
            }
            if (*count != step.number) {
                return Screen::Named(control) + " has " + std::to_string(*count) + " rows";
            }
            return std::nullopt;
        }
        case Op::ExpectSelected: {
            const std::optional<int> row = Screen::SelectedRow(control);
            if (!row) {
                return Screen::Named(control) + " has no rows";
            }
            const long long want = step.none ? -1 : step.number;
            if (*row != want) {
                return Screen::Named(control) +
                       (*row < 0 ? " has no row selected" : " has row " + std::to_string(*row) + " selected");
            }
            return std::nullopt;
        }
        case Op::ExpectItem: {
            const std::optional<int> count = Screen::RowCount(control);
            if (!count) {
                return Screen::Named(control) + " has no rows";
            }
            if (step.number >= *count) {
                return Screen::Named(control) + " has only " + std::to_string(*count) + " rows";
            }
            const int row = static_cast<int>(step.number);
            std::vector<std::string> want{*step.text};
            want.insert(want.end(), step.texts.begin(), step.texts.end());
            std::vector<std::string> shown;
            for (std::size_t column = 0; column < want.size(); ++column) {
                shown.push_back(Screen::ItemText(control, row, static_cast<int>(column)));
                if (Screen::KindOf(control) == ControlKind::ComboBox) {
                    break;
                }
            }
            if (shown != want) {
                std::string text;
                for (const std::string& column : shown) {
                    text += (text.empty() ? "" : " ") + Quote(column);
                }
                return "row " + std::to_string(row) + " shows " + text;
            }
            return std::nullopt;
        }
        default:
            return std::string("not an expectation");
    }
}

std::optional<std::string> FlowRobot::CheckMachine(const FlowStep& step) {
    switch (step.op) {
        case Op::ExpectTraces: {
            const int count = m_services.System().TraceCount();
            if (count != step.number) {
                return std::to_string(count) + " trace lines were written";
            }
            return std::nullopt;
        }
        case Op::ExpectInstalls: {
            // Every run of the install procedure begins by asking for the driver directory.
            const int count = m_services.Spooler().Count("GetDriverDirectory");
            if (count != step.number) {
                return "the install ran " + std::to_string(count) + " times";
            }
            return std::nullopt;
        }
        case Op::ExpectCalls: {
            const int count = m_services.Spooler().Count(*step.text);
            if (count != step.number) {
                return *step.text + " was called " + std::to_string(count) + " times";
            }
            return std::nullopt;
        }
        case Op::ExpectPrinter:
        case Op::ExpectPrinters: {
            std::vector<flows::PrinterSeen> printers;
            std::string why;
            if (!m_services.Rig().ListPrinters(printers, why)) {
                return "the printers cannot be listed: " + why;
            }
            std::string listed;
            for (const flows::PrinterSeen& printer : printers) {
                listed += (listed.empty() ? "" : ", ") + Quote(printer.name) + " on " + Quote(printer.port);
            }
            if (listed.empty()) {
                listed = "none";
            }
            if (step.op == Op::ExpectPrinters) {
                if (static_cast<long long>(printers.size()) != step.number) {
                    return "the printers are: " + listed;
                }
                return std::nullopt;
            }
            for (const flows::PrinterSeen& printer : printers) {
                if (printer.name == *step.text && (step.texts.empty() || printer.port == step.texts[0])) {
                    return std::nullopt;
                }
            }
            return "the printers are: " + listed;
        }
        case Op::ExpectValue: {
            std::string text;
            const std::optional<std::string> missing = ReadValueText(m_services.Rig().Registry(), step, text);
            if (step.none) {
                return missing ? std::nullopt : std::optional<std::string>("the value is " + Quote(text));
            }
            if (missing) {
                return missing;
            }
            if (text != *step.text) {
                return "the value is " + Quote(text);
            }
            return std::nullopt;
        }
        default:
            return std::string("not a machine expectation");
    }
}

}  // namespace robot
