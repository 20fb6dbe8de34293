// VORNEX on the host: the wizard over the embedded machine, drawn in the terminal.
#include "app/SetupApp.h"
#include "monitorui/DialogPortMonitorUi.h"
#include "programs/common/HostLaunch.h"
#include "tui/TerminalFrontEnd.h"

VORNEX_DEFINE_APPLICATION()

int main()
{
    monitorui::DialogPortMonitorUi monitorDialogs;
    return tui::RunInTerminal([&](afx::host::Desktop& desktop, afx::host::InputSource& input, std::ostream& errors) {
        return launch::RunWizardOnDefaultMachine(launch::HostRun(desktop, input, &monitorDialogs), errors);
    });
}
