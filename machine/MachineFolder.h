#pragma once

#include "machine/MachineStatus.h"

#include <filesystem>

namespace machine {

// Where the machine lives: $VORNEX_MACHINE when set and not empty, else
// $XDG_STATE_HOME/vornex/machine, else ~/.local/state/vornex/machine. Fails only
// when none of the three can be formed (no HOME either).
MachineStatus ResolveMachineFolder(std::filesystem::path& folder);

// The names inside a machine folder.
inline constexpr const char* kRegistryFileName = "registry.db";
inline constexpr const char* kDriveCFolderName = "drive_c";
inline constexpr const char* kTraceFileName = "debug.log";
inline constexpr const char* kLockFileName = "machine.lock";

}  // namespace machine
