// vornex_flow_runner SCRIPT: one flow script against the wizard, for ctest. A script
// without a `machine` line runs on a temporary machine, never on the user's; the
// install's final wait is only counted.
#include "app/SetupApp.h"
#include "flows/FlowCommand.h"
#include "tests/flows/FakeRig.h"

#include <iostream>

VORNEX_DEFINE_APPLICATION()

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: vornex_flow_runner SCRIPT\n";
        return flows::kFlowBadScript;
    }
    flows::FlowCommandOptions options;
    options.defaultMachine = flows::MachineChoice::Temporary;
    options.makeFakes = [](const flows::FlowSetup& setup) -> std::unique_ptr<flows::FlowRig> {
        return std::make_unique<flowtest::FakeRig>(setup);
    };
    options.realWait = false;
    options.programPath = VORNEX_PROGRAM_PATH;
    return flows::RunFlowFile(argv[1], options, std::cout, std::cerr);
}
