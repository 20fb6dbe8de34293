#include "flows/WizardTarget.h"

#include "afx/host/HostApp.h"
#include "app/WizardGlobals.h"
#include "app/WizardServices.h"
#include "monitorui/DialogPortMonitorUi.h"

namespace flows {
namespace {

// Attaches the monitor's dialogs for one run, so the rig never calls into dialogs
// that are gone.
class ScopedMonitorUi {
public:
    ScopedMonitorUi(FlowRig& rig, machine::PortMonitorUi& ui) : m_rig(rig) { m_rig.SetPortMonitorUi(&ui); }
    ~ScopedMonitorUi() { m_rig.SetPortMonitorUi(nullptr); }
    ScopedMonitorUi(const ScopedMonitorUi&) = delete;
    ScopedMonitorUi& operator=(const ScopedMonitorUi&) = delete;

private:
    FlowRig& m_rig;
};

}  // namespace

FlowTarget WizardTarget(std::string programPath)
{
    return [programPath](afx::host::Desktop& desktop, FlowServices& services) {
        monitorui::DialogPortMonitorUi dialogs;
        const ScopedMonitorUi attached(services.Rig(), dialogs);
        const app::ScopedWizardServices wizardServices(
            {services.Spooler(), services.Registry(), services.Files(), services.System()});
        app::ResetWizardGlobals();  // a process may run several flows
        return afx::host::RunApp(desktop, programPath);
    };
}

}  // namespace flows
