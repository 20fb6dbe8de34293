#include "tools/vornexctl/Commands.h"

#include "machine/MachineInspector.h"
#include "tools/vornexctl/MachineAccess.h"

namespace vornexctl {

int RunVersion(CommandContext& context, const ParsedArguments& arguments)
{
    std::unique_ptr<machine::Machine> machine;
    if (!OpenExistingMachine(context, machine))
        return kExitFailure;
    machine::MachineInspector inspector(*machine);
    machine::MachineVersion version;
    const bool trueVersion = arguments.Has("true");
    const platform::Win32Error error =
        trueVersion ? inspector.TrueVersion(version) : inspector.ReportedVersion(version);
    if (error != platform::kErrorSuccess)
        return ReportFailure(context, "cannot read the version: " + FailureText(inspector.LastErrorText(), error));
    context.out << version.platformId << '\t' << version.major << '\t' << version.minor << '\t'
                << version.build << '\n';
    return kExitSuccess;
}

}  // namespace vornexctl
