#pragma once

#include "afx/host/InputEvent.h"

#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace afx::host {

class Desktop;

// Where the modal loops take the user's input from: a terminal, a flow script, a test.
// A loop asks for the next event whenever it waits for input; the desktop is shown as
// it stands, so a script can check it first. No more events (nullopt) ends every loop:
// the dialogs end with IDCANCEL, no new dialog opens, and the desktop reports why.
class InputSource {
public:
    virtual ~InputSource() = default;

    virtual std::optional<InputEvent> NextEvent(const Desktop& desktop) = 0;

    // The event could not do what it asks: a hidden or disabled control, no such
    // control, a key nothing takes, a click that only closed the open system menu.
    virtual void OnRefused(const InputEvent& event, std::string_view reason) {
        (void)event;
        (void)reason;
    }
};

// A fixed list of events, with checks between them: for tests and simple mains.
//
//     ScriptedInput input;
//     input.Then(KeyPress{Key::Tab})
//          .Check([](const Desktop& d) { ... })   // runs when the loop next waits
//          .Then(PressControl{IDC_NEXT});
class ScriptedInput : public InputSource {
public:
    using CheckFn = std::function<void(const Desktop&)>;

    ScriptedInput() = default;
    ScriptedInput(std::initializer_list<InputEvent> events);

    ScriptedInput& Then(InputEvent event);
    ScriptedInput& Check(CheckFn check);

    std::optional<InputEvent> NextEvent(const Desktop& desktop) override;
    void OnRefused(const InputEvent& event, std::string_view reason) override;

    std::size_t Remaining() const { return m_steps.size(); }
    // "click 1008: control 1008 is hidden", one per refused event.
    const std::vector<std::string>& Refusals() const { return m_refusals; }

private:
    std::deque<std::variant<InputEvent, CheckFn>> m_steps;
    std::vector<std::string> m_refusals;
};

}  // namespace afx::host
