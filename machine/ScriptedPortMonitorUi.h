#pragma once

#include "machine/PortMonitorUi.h"

#include <cstdint>
#include <deque>
#include <string>
#include <variant>
#include <vector>

namespace machine {

// A PortMonitorUi that answers from a queue, for tests and unattended runs. Each
// dialog takes the next answer; an empty queue, a queued Cancel or an answer of the
// wrong kind cancels the dialog. Everything shown is kept in a transcript.
class ScriptedPortMonitorUi : public PortMonitorUi {
public:
    struct Cancel {};
    using Answer = std::variant<std::string, ComPortSettings, std::uint32_t, Cancel>;

    // One entry per dialog shown or message told.
    struct Event {
        std::string dialog;  // "PortName", "Message", "ComSettings", "LptTimeout", "NothingToConfigure"
        WindowHandle owner = 0;
        std::string detail;  // port name, message text, or the proposed name
        bool answered = false;  // false when the dialog was cancelled (or is a message)
    };

    void QueuePortName(std::string name) { m_answers.emplace_back(std::move(name)); }
    void QueueComSettings(ComPortSettings settings) { m_answers.emplace_back(std::move(settings)); }
    void QueueLptTimeout(std::uint32_t seconds) { m_answers.emplace_back(seconds); }
    void QueueCancel() { m_answers.emplace_back(Cancel{}); }

    std::size_t PendingAnswers() const { return m_answers.size(); }
    const std::vector<Event>& Transcript() const { return m_transcript; }
    // The settings the last port-settings dialog opened with.
    const ComPortSettings& LastComSettingsShown() const { return m_lastComShown; }
    std::uint32_t LastLptTimeoutShown() const { return m_lastLptShown; }

    bool AskPortName(WindowHandle owner, std::string& portName) override;
    void ShowMessage(WindowHandle owner, const std::string& text) override;
    bool EditComSettings(WindowHandle owner, const std::string& portName,
                         ComPortSettings& settings) override;
    bool EditLptTimeout(WindowHandle owner, const std::string& portName,
                        std::uint32_t& timeoutSeconds) override;
    void ShowNothingToConfigure(WindowHandle owner, const std::string& portName) override;

private:
    template <class T>
    bool Take(T& into);

    std::deque<Answer> m_answers;
    std::vector<Event> m_transcript;
    ComPortSettings m_lastComShown;
    std::uint32_t m_lastLptShown = 0;
};

}  // namespace machine
