#include "tools/vornexctl/MachineAccess.h"

#include "machine/MachineFolder.h"
#include "tools/vornexctl/Escaping.h"

#include <system_error>

namespace vornexctl {

namespace {

bool ResolveFolder(CommandContext& context, std::filesystem::path& folder)
{
    if (!context.machineFolder.empty()) {
        folder = context.machineFolder;
        return true;
    }
    const machine::MachineStatus status = machine::ResolveMachineFolder(folder);
    if (!status.Ok()) {
        ReportFailure(context, status.message);
        return false;
    }
    return true;
}

std::string Quoted(const std::filesystem::path& path)
{
    return "'" + EscapeField(path.string()) + "'";
}

bool ReportOpenFailure(CommandContext& context, const std::filesystem::path& folder,
                       const machine::MachineStatus& status)
{
    // The machine's own message names the folder or file and why.
    std::string text = status.message.empty()
                           ? "cannot use the machine in " + Quoted(folder) + ": " + platform::DescribeError(status.error)
                           : status.message;
    // The tool never overwrites a store it cannot read: what is in it may still matter.
    if (status.error == platform::kErrorBadDatabase)
        text += "; move the folder away to keep it, then 'vornexctl init' makes a fresh machine";
    ReportFailure(context, text);
    return false;
}

bool Open(CommandContext& context, const std::filesystem::path& folder, machine::WindowsVersion version,
          std::unique_ptr<machine::Machine>& machine)
{
    machine::MachineOptions options;
    options.busyTimeout = context.busyTimeout;
    options.version = version;
    const machine::MachineStatus status = machine::Machine::Open(folder, options, machine);
    if (!status.Ok())
        return ReportOpenFailure(context, folder, status);
    return true;
}

}  // namespace

bool OpenExistingMachine(CommandContext& context, std::unique_ptr<machine::Machine>& machine)
{
    std::filesystem::path folder;
    if (!ResolveFolder(context, folder))
        return false;
    std::error_code error;
    const std::filesystem::file_status folderStatus = std::filesystem::status(folder, error);
    if (folderStatus.type() == std::filesystem::file_type::not_found) {
        ReportFailure(context, "there is no machine in " + Quoted(folder) +
                                   ": the folder does not exist; 'vornexctl init' creates one");
        return false;
    }
    if (error) {
        ReportFailure(context, "cannot use the machine in " + Quoted(folder) + ": " + error.message());
        return false;
    }
    if (!std::filesystem::is_directory(folderStatus)) {
        ReportFailure(context, "cannot use the machine in " + Quoted(folder) + ": it is not a folder");
        return false;
    }
    const std::filesystem::path store = folder / machine::kRegistryFileName;
    if (!std::filesystem::exists(std::filesystem::symlink_status(store, error))) {
        ReportFailure(context, "there is no machine in " + Quoted(folder) + ": it holds no " +
                                   machine::kRegistryFileName + "; 'vornexctl init' creates one");
        return false;
    }
    return Open(context, folder, machine::kDefaultWindowsVersion, machine);
}

bool OpenOrCreateMachine(CommandContext& context, machine::WindowsVersion version,
                         std::unique_ptr<machine::Machine>& machine)
{
    std::filesystem::path folder;
    if (!ResolveFolder(context, folder))
        return false;
    return Open(context, folder, version, machine);
}

}  // namespace vornexctl
