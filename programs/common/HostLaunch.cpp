#include "programs/common/HostLaunch.h"

#include "afx/host/Desktop.h"
#include "afx/host/HostApp.h"
#include "app/WizardServices.h"
#include "machine/Machine.h"
#include "machine/MachineFolder.h"

#include <filesystem>
#include <memory>
#include <ostream>

namespace launch {

namespace {

// Attaches the monitor's dialogs for the run and detaches them after it, so the
// machine never calls into dialogs that are gone.
class ScopedMonitorUi {
public:
    ScopedMonitorUi(machine::Machine& machine, machine::PortMonitorUi* ui) : m_machine(machine)
    {
        m_machine.SetPortMonitorUi(ui);
    }
    ~ScopedMonitorUi() { m_machine.SetPortMonitorUi(nullptr); }
    ScopedMonitorUi(const ScopedMonitorUi&) = delete;
    ScopedMonitorUi& operator=(const ScopedMonitorUi&) = delete;

private:
    machine::Machine& m_machine;
};

std::string RunningProgramName()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string("VORNEX") : self.filename().string();
}

std::string UnusableMachineText(const std::filesystem::path& folder, const machine::MachineStatus& status)
{
    const std::string why = status.message.empty() ? platform::DescribeError(status.error) : status.message;
    std::string text = RunningProgramName() + ": " +
                       (folder.empty() ? why : "cannot use the machine in '" + folder.string() + "': " + why);
    if (status.error == platform::kErrorBadDatabase)
        text += "; move the folder away to keep it, then 'vornexctl init' makes a fresh machine";
    return text + "\n";
}

}  // namespace

std::string DefaultProgramPath()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string("VORNEX") : (self.parent_path() / "VORNEX").string();
}

int RunWizard(machine::Machine& machine, const HostRun& run)
{
    platform::System& system = run.system != nullptr ? *run.system : machine.GetSystem();
    const app::ScopedWizardServices services(
        {machine.GetSpooler(), machine.GetRegistry(), machine.GetFiles(), system});
    const ScopedMonitorUi monitorUi(machine, run.portMonitorUi);
    run.desktop.SetInput(&run.input);
    return afx::host::RunApp(run.desktop,
                             run.programPath.empty() ? DefaultProgramPath() : run.programPath);
}

int RunWizardOnDefaultMachine(const HostRun& run, std::ostream& errors)
{
    std::filesystem::path folder;
    machine::MachineStatus status = machine::ResolveMachineFolder(folder);
    std::unique_ptr<machine::Machine> host;
    if (status.Ok())
        status = machine::Machine::Open(folder, {}, host);
    if (!status.Ok()) {
        errors << UnusableMachineText(folder, status);
        return kExitMachineUnusable;
    }
    return RunWizard(*host, run);
}

}  // namespace launch
