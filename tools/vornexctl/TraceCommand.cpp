#include "tools/vornexctl/Commands.h"

#include "machine/MachineInspector.h"
#include "tools/vornexctl/Escaping.h"
#include "tools/vornexctl/MachineAccess.h"

namespace vornexctl {

int RunTrace(CommandContext& context, const ParsedArguments&)
{
    std::unique_ptr<machine::Machine> machine;
    if (!OpenExistingMachine(context, machine))
        return kExitFailure;
    machine::MachineInspector inspector(*machine);
    std::string text;
    if (const platform::Win32Error error = inspector.ReadTrace(text); error != platform::kErrorSuccess)
        return ReportFailure(context, "cannot read the trace: " + FailureText(inspector.LastErrorText(), error));
    context.out << EscapeLines(text);
    return kExitSuccess;
}

}  // namespace vornexctl
