#pragma once

#include "flows/FlowRig.h"
#include "flows/FlowScript.h"

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

// Running one script file as a command: vornex-replay and the flow tests.
namespace flows {

// Exit statuses.
inline constexpr int kFlowPassed = 0;
inline constexpr int kFlowFailed = 1;
inline constexpr int kFlowBadScript = 2;
inline constexpr int kFlowMachineUnusable = 4;  // as for VORNEX itself

struct FlowCommandOptions {
    // The machine for a script without a `machine` line.
    MachineChoice defaultMachine = MachineChoice::Found;
    // Makes the fakes, where the build has them; null: `machine fakes` is refused.
    std::function<std::unique_ptr<FlowRig>(const FlowSetup&)> makeFakes;
    bool realWait = false;
    std::string programPath;  // names the wizard's program file; empty: the running one
};

// Loads, checks and runs the script at `path` against the wizard, writes the
// transcript on `out` and any reason it could not run on `errors` (naming the script
// and its line), and returns the exit status.
int RunFlowFile(const std::string& path, const FlowCommandOptions& options, std::ostream& out, std::ostream& errors);

}  // namespace flows
