#include "machine/ScriptedPortMonitorUi.h"

namespace machine {

template <class T>
bool ScriptedPortMonitorUi::Take(T& into)
{
    if (m_answers.empty())
        return false;
    Answer answer = std::move(m_answers.front());
    m_answers.pop_front();
    if (T* value = std::get_if<T>(&answer)) {
        into = std::move(*value);
        return true;
    }
    return false;  // a Cancel, or an answer meant for another dialog
}

bool ScriptedPortMonitorUi::AskPortName(WindowHandle owner, std::string& portName)
{
    const bool answered = Take(portName);
    m_transcript.push_back({"PortName", owner, portName, answered});
    return answered;
}

void ScriptedPortMonitorUi::ShowMessage(WindowHandle owner, const std::string& text)
{
    m_transcript.push_back({"Message", owner, text, false});
}

bool ScriptedPortMonitorUi::EditComSettings(WindowHandle owner, const std::string& portName,
                                            ComPortSettings& settings)
{
    m_lastComShown = settings;
    const bool answered = Take(settings);
    m_transcript.push_back({"ComSettings", owner, portName, answered});
    return answered;
}

bool ScriptedPortMonitorUi::EditLptTimeout(WindowHandle owner, const std::string& portName,
                                           std::uint32_t& timeoutSeconds)
{
    m_lastLptShown = timeoutSeconds;
    const bool answered = Take(timeoutSeconds);
    m_transcript.push_back({"LptTimeout", owner, portName, answered});
    return answered;
}

void ScriptedPortMonitorUi::ShowNothingToConfigure(WindowHandle owner, const std::string& portName)
{
    m_transcript.push_back({"NothingToConfigure", owner, portName, false});
}

}  // namespace machine
