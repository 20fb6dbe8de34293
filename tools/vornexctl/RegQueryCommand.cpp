#include "tools/vornexctl/Commands.h"

#include "machine/MachineInspector.h"
#include "tools/vornexctl/Escaping.h"
#include "tools/vornexctl/MachineAccess.h"
#include "tools/vornexctl/RegKeyArgument.h"
#include "tools/vornexctl/RegValueText.h"

namespace vornexctl {

namespace {

std::string Quoted(std::string_view text)
{
    return "'" + EscapeField(text) + "'";
}

int ReportMissingKey(CommandContext& context, const RegKeyArgument& key)
{
    return ReportFailure(context, "the key " + Quoted(key.FullPath()) + " does not exist");
}

int PrintOneValue(CommandContext& context, machine::MachineInspector& inspector, const RegKeyArgument& key,
                  const std::string& valueName)
{
    machine::StoredValue value;
    const platform::Win32Error error = inspector.QueryValue(key.root, key.subKey, valueName, value);
    if (error == platform::kErrorFileNotFound) {
        // Tell a missing key from a missing value.
        std::vector<machine::StoredValue> values;
        std::vector<std::string> subKeys;
        if (inspector.QueryKey(key.root, key.subKey, values, subKeys) == platform::kErrorFileNotFound)
            return ReportMissingKey(context, key);
        const std::string what = valueName.empty() ? "default value" : "value " + Quoted(valueName);
        return ReportFailure(context, "the key " + Quoted(key.FullPath()) + " has no " + what);
    }
    if (error != platform::kErrorSuccess) {
        return ReportFailure(context, "cannot read " + Quoted(key.FullPath()) + ": " +
                                          FailureText(inspector.LastErrorText(), error));
    }
    context.out << EscapeField(RegDataText(value)) << '\n';
    return kExitSuccess;
}

int PrintKey(CommandContext& context, machine::MachineInspector& inspector, const RegKeyArgument& key)
{
    std::vector<machine::StoredValue> values;
    std::vector<std::string> subKeys;
    const platform::Win32Error error = inspector.QueryKey(key.root, key.subKey, values, subKeys);
    if (error == platform::kErrorFileNotFound)
        return ReportMissingKey(context, key);
    if (error != platform::kErrorSuccess) {
        return ReportFailure(context, "cannot read " + Quoted(key.FullPath()) + ": " +
                                          FailureText(inspector.LastErrorText(), error));
    }
    for (const machine::StoredValue& value : values) {
        context.out << EscapeField(value.name) << '\t' << RegTypeName(value.type) << '\t'
                    << EscapeField(RegDataText(value)) << '\n';
    }
    const std::string parent = key.FullPath();
    for (const std::string& subKey : subKeys)
        context.out << EscapeField(parent + "\\" + subKey) << '\n';
    return kExitSuccess;
}

}  // namespace

int RunRegQuery(CommandContext& context, const ParsedArguments& arguments)
{
    RegKeyArgument key;
    if (!ParseKeyArgument(context, arguments.operands[0], key))
        return kExitUsage;
    std::unique_ptr<machine::Machine> machine;
    if (!OpenExistingMachine(context, machine))
        return kExitFailure;
    machine::MachineInspector inspector(*machine);
    if (arguments.operands.size() == 2)
        return PrintOneValue(context, inspector, key, arguments.operands[1]);
    return PrintKey(context, inspector, key);
}

}  // namespace vornexctl
