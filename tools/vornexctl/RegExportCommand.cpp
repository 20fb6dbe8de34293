#include "tools/vornexctl/Commands.h"

#include "machine/MachineInspector.h"
#include "tools/vornexctl/Escaping.h"
#include "tools/vornexctl/MachineAccess.h"
#include "tools/vornexctl/RegExport.h"
#include "tools/vornexctl/RegKeyArgument.h"

#include <vector>

namespace vornexctl {

namespace {

// Adds `key` and every key below it; false after reporting on context.err.
bool AddTree(CommandContext& context, machine::MachineInspector& inspector, const RegKeyArgument& key,
             RegFileBuilder& builder)
{
    bool refused = false;
    const platform::Win32Error error =
        inspector.WalkKeys(key.root, key.subKey, [&](const machine::RegistryKeyRecord& record) {
            if (!refused && !builder.AddKey(record))
                refused = true;
        });
    if (error == platform::kErrorFileNotFound) {
        ReportFailure(context, "the key '" + EscapeField(key.FullPath()) + "' does not exist");
        return false;
    }
    if (error != platform::kErrorSuccess) {
        ReportFailure(context, "cannot read '" + EscapeField(key.FullPath()) + "': " +
                                   FailureText(inspector.LastErrorText(), error));
        return false;
    }
    if (refused) {
        ReportFailure(context, "cannot export: " + builder.Error() + ", which a .reg file cannot carry; nothing written");
        return false;
    }
    return true;
}

}  // namespace

int RunRegExport(CommandContext& context, const ParsedArguments& arguments)
{
    std::vector<RegKeyArgument> keys(1);
    if (arguments.operands.empty()) {
        // Both roots, in the order regedit shows them.
        keys = {{machine::RootKey::CurrentUser, ""}, {machine::RootKey::LocalMachine, ""}};
    } else if (!ParseKeyArgument(context, arguments.operands[0], keys[0])) {
        return kExitUsage;
    }
    std::unique_ptr<machine::Machine> machine;
    if (!OpenExistingMachine(context, machine))
        return kExitFailure;
    machine::MachineInspector inspector(*machine);
    // The whole file is built before any of it is written, so a refusal leaves no
    // half-written file behind.
    RegFileBuilder builder;
    for (const RegKeyArgument& key : keys) {
        if (!AddTree(context, inspector, key, builder))
            return kExitFailure;
    }
    const RegFileEncoding encoding = arguments.Has("utf16") ? RegFileEncoding::Utf16Le : RegFileEncoding::Utf8;
    context.out << EncodeRegFile(builder.Text(), encoding);
    return kExitSuccess;
}

}  // namespace vornexctl
