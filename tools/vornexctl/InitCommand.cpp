#include "tools/vornexctl/Commands.h"

#include "tools/vornexctl/Escaping.h"
#include "tools/vornexctl/MachineAccess.h"

namespace vornexctl {

int RunInit(CommandContext& context, const ParsedArguments& arguments)
{
    machine::WindowsVersion version = machine::kDefaultWindowsVersion;
    if (const auto given = arguments.options.find("windows"); given != arguments.options.end()) {
        const auto parsed = machine::ParseWindowsVersion(given->second);
        if (!parsed) {
            return ReportBadArgument(context, "unknown Windows version '" + given->second +
                                                  "'; use one of 95, 98, nt4, 2000, xp, 2003, vista, 7, 8, 8.1, 10");
        }
        version = *parsed;
    }

    std::unique_ptr<machine::Machine> machine;
    if (!OpenOrCreateMachine(context, version, machine))
        return kExitFailure;
    // Reset also when Open has just created the machine: one path, and it puts back
    // the stock image even if another process changed the new machine meanwhile.
    const machine::MachineStatus status = machine->Reset(version);
    if (!status.Ok()) {
        return ReportFailure(context, "cannot reset the machine in '" + EscapeField(machine->Folder().string()) +
                                          "': " + status.message);
    }
    const machine::WindowsVersionFacts& facts = machine::FactsOf(version);
    context.out << EscapeField(machine->Folder().string()) << '\t' << facts.shortName << '\t'
                << facts.productName << '\n';
    return kExitSuccess;
}

}  // namespace vornexctl
