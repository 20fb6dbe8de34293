#include "machine/MachineFolder.h"

#include <cstdlib>

namespace machine {

namespace {

const char* NonEmptyEnv(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

}  // namespace

MachineStatus ResolveMachineFolder(std::filesystem::path& folder)
{
    if (const char* explicitFolder = NonEmptyEnv("VORNEX_MACHINE")) {
        folder = explicitFolder;
        return MachineStatus::Success();
    }
    if (const char* stateHome = NonEmptyEnv("XDG_STATE_HOME")) {
        folder = std::filesystem::path(stateHome) / "vornex" / "machine";
        return MachineStatus::Success();
    }
    if (const char* home = NonEmptyEnv("HOME")) {
        folder = std::filesystem::path(home) / ".local" / "state" / "vornex" / "machine";
        return MachineStatus::Success();
    }
    return MachineStatus::Failure(platform::kErrorPathNotFound,
                                  "cannot tell where the machine lives: none of VORNEX_MACHINE, "
                                  "XDG_STATE_HOME and HOME is set");
}

}  // namespace machine
