#pragma once

#include <iosfwd>
#include <string>

namespace afx::host {
class Desktop;
class InputSource;
}  // namespace afx::host
namespace machine {
class Machine;
class PortMonitorUi;
}  // namespace machine
namespace platform {
class System;
}  // namespace platform

// Runs the wizard on the host: the machine's spooler, registry, files and system as
// the pages' services, the "Local Port" monitor's dialogs as the caller gives them,
// and the application object (VORNEX_DEFINE_APPLICATION in the program's main file)
// on a desktop fed by an input source. Shared by VORNEX and vornex-replay.
namespace launch {

// The exit status when the machine folder cannot be used.
inline constexpr int kExitMachineUnusable = 4;

struct HostRun {
    HostRun(afx::host::Desktop& onDesktop, afx::host::InputSource& from, machine::PortMonitorUi* monitorUi = nullptr)
        : desktop(onDesktop), input(from), portMonitorUi(monitorUi)
    {
    }

    afx::host::Desktop& desktop;
    afx::host::InputSource& input;
    // The monitor's dialogs (not owned); null: every one of them is cancelled.
    machine::PortMonitorUi* portMonitorUi = nullptr;
    // Stands in for the machine's own system (not owned), e.g. one without the
    // install's final wait; null: the machine's.
    platform::System* system = nullptr;
    // The program file that names the application: message-box captions and the help
    // file beside it. Empty: DefaultProgramPath().
    std::string programPath;
};

// "VORNEX" in the folder of the running executable, so that every host program shows
// the wizard as VORNEX and finds VORNEX.HLP there.
std::string DefaultProgramPath();

// Runs the application on `machine` and returns its exit status:
// afx::host::kExitInputEnded when the input ran out first (the desktop's InputError()
// says where). The services and the monitor's dialogs are detached again afterwards.
int RunWizard(machine::Machine& machine, const HostRun& run);

// Opens the machine (VORNEX_MACHINE, else the state folder; created on first use),
// then RunWizard. When the machine cannot be opened, writes one line saying which
// folder and why to `errors` and returns kExitMachineUnusable.
int RunWizardOnDefaultMachine(const HostRun& run, std::ostream& errors);

}  // namespace launch
