#include "tui/TerminalFrontEnd.h"

#include "afx/host/Desktop.h"
#include "tui/Terminal.h"
#include "tui/TerminalView.h"

#include <cstdio>
#include <iostream>
#include <sstream>

namespace tui {

int RunInTerminal(const TerminalRun& run) {
    std::string error;
    std::unique_ptr<Terminal> terminal = Terminal::Open(error);
    if (!terminal) {
        std::fprintf(stderr,
                     "VORNEX: %s, so the wizard cannot be shown.\n"
                     "Rehearse an install without a terminal with a flow script: vornex-replay SCRIPT\n",
                     error.c_str());
        return kExitNoTerminal;
    }
    afx::host::Desktop desktop;
    TerminalView view(*terminal);
    desktop.AddObserver(&view);
    std::ostringstream errors;
    const int status = run(desktop, view, errors);
    desktop.RemoveObserver(&view);
    terminal->Close();
    std::cerr << errors.str();
    return status;
}

}  // namespace tui
