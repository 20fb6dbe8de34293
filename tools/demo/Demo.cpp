// vornex-demo: runs the install engine once on the embedded default machine with the
// wizard's default choices (the second module, LPT1:, made the default printer) and
// prints its progress and its report. It stands in for the wizard's own front end.

#include "install/InstallProcedure.h"
#include "machine/Machine.h"

#include <iostream>

int main()
{
    std::unique_ptr<machine::Machine> host;
    const machine::MachineStatus status = machine::Machine::OpenDefault({}, host);
    if (!status.Ok()) {
        std::cerr << "vornex-demo: " << status.message << "\n";
        return 1;
    }
    std::cout << "Machine: " << host->Folder().string() << "\n";

    install::InstallChoices choices;
    choices.portName = "LPT1:";
    const install::InstallServices services{
        host->GetSpooler(), host->GetRegistry(), host->GetFiles(), host->GetSystem(),
        [](int position) { std::cout << "Progress: " << position << "%\n" << std::flush; },
        [](const std::string& text) { std::cout << "Message: " << text << "\n"; }};
    const install::InstallReport report = install::RunInstallProcedure(choices, services);

    std::cout << report.Describe() << "\n";
    if (!report.Succeeded())
        return 1;
    std::cout << "Completed!\n";
    return 0;
}
