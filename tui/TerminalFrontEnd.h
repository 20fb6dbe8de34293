#pragma once

#include <functional>
#include <iosfwd>

namespace afx::host {
class Desktop;
class InputSource;
}  // namespace afx::host

// The host program's face: runs the wizard on a desktop drawn in the terminal, with the
// person's keys and mouse as its input.
namespace tui {

// Exit status when there is no terminal to run in (or it cannot be used).
inline constexpr int kExitNoTerminal = 2;

// `run` runs the application on the desktop with the input given, writing what goes
// wrong to `errors` (shown once the terminal is given back). Returns its status, or
// kExitNoTerminal with a message on standard error when the terminal cannot be used.
using TerminalRun =
    std::function<int(afx::host::Desktop& desktop, afx::host::InputSource& input, std::ostream& errors)>;

int RunInTerminal(const TerminalRun& run);

}  // namespace tui
