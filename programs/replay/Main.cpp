// vornex-replay SCRIPT: runs VORNEX on the host machine with a flow script as its user
// and prints what happened, line by line. Admins rehearse an install with it; the
// end-to-end checks use it. The install's final half-second wait is kept: this is the
// product as it runs.
#include "app/SetupApp.h"
#include "flows/FlowCommand.h"
#include "programs/common/HostLaunch.h"

#include <iostream>
#include <string_view>

VORNEX_DEFINE_APPLICATION()

namespace {

constexpr const char* kUsage =
    "usage: vornex-replay SCRIPT\n"
    "Runs the VORNEX wizard on the host machine (VORNEX_MACHINE, else ~/.local/state/vornex/machine)\n"
    "with SCRIPT as its user and prints the transcript. A script whose header says\n"
    "'machine temporary' runs on a fresh machine that is removed afterwards.\n"
    "Exit status: 0 every line held, 1 a line failed, 2 a bad script, 4 the machine cannot be used.\n";

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 || std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h") {
        std::cerr << kUsage;
        return argc == 2 ? 0 : flows::kFlowBadScript;
    }
    flows::FlowCommandOptions options;
    options.defaultMachine = flows::MachineChoice::Found;
    options.realWait = true;
    options.programPath = launch::DefaultProgramPath();
    return flows::RunFlowFile(argv[1], options, std::cout, std::cerr);
}
