#include "flows/FlowCommand.h"

#include "flows/FlowRunner.h"
#include "flows/MachineRig.h"
#include "flows/WizardTarget.h"

#include <ostream>

namespace flows {

int RunFlowFile(const std::string& path, const FlowCommandOptions& options, std::ostream& out, std::ostream& errors)
{
    FlowScript script;
    FlowError error;
    if (!LoadFlowScript(path, script, error)) {
        errors << error.Describe(path) << "\n";
        return kFlowBadScript;
    }
    const MachineChoice choice = script.setup.machine.value_or(options.defaultMachine);
    if (const std::optional<std::string> problem = script.setup.CheckFor(choice)) {
        errors << path << ":" << problem->substr(5) << "\n";  // "line N: ..." -> "path:N: ..."
        return kFlowBadScript;
    }

    std::unique_ptr<FlowRig> rig;
    if (choice == MachineChoice::Fakes) {
        if (!options.makeFakes) {
            errors << path << ": 'machine fakes' runs only in the test build; use 'machine temporary'\n";
            return kFlowBadScript;
        }
        rig = options.makeFakes(script.setup);
    } else {
        std::unique_ptr<MachineRig> machineRig;
        std::string why;
        if (!MachineRig::Create(choice, script.setup, machineRig, why)) {
            errors << path << ": " << why << "\n";
            return kFlowMachineUnusable;
        }
        rig = std::move(machineRig);
    }

    const FlowOutcome outcome = RunFlow(script, *rig, WizardTarget(options.programPath), options.realWait);
    out << outcome.transcript << std::flush;
    return outcome.passed ? kFlowPassed : kFlowFailed;
}

}  // namespace flows
