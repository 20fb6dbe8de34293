#include "afx/host/InputSource.h"

#include "afx/host/Desktop.h"

namespace afx::host {

ScriptedInput::ScriptedInput(std::initializer_list<InputEvent> events) {
    for (const InputEvent& event : events) {
        m_steps.emplace_back(event);
    }
}

ScriptedInput& ScriptedInput::Then(InputEvent event) {
    m_steps.emplace_back(std::move(event));
    return *this;
}

ScriptedInput& ScriptedInput::Check(CheckFn check) {
    m_steps.emplace_back(std::move(check));
    return *this;
}

std::optional<InputEvent> ScriptedInput::NextEvent(const Desktop& desktop) {
    while (!m_steps.empty()) {
        auto step = std::move(m_steps.front());
        m_steps.pop_front();
        if (auto* check = std::get_if<CheckFn>(&step)) {
            (*check)(desktop);
            continue;
        }
        return std::get<InputEvent>(std::move(step));
    }
    return std::nullopt;
}

void ScriptedInput::OnRefused(const InputEvent& event, std::string_view reason) {
    m_refusals.push_back(Describe(event) + ": " + std::string(reason));
}

}  // namespace afx::host
