#pragma once

#include "machine/Machine.h"
#include "tools/vornexctl/Command.h"

#include <memory>

namespace vornexctl {

// Opens the machine a command works on. On failure the reason, naming the folder or
// file, is printed on context.err and false returned.

// For every command but init: the machine must exist already; the tool does not
// create one behind a misspelt VORNEX_MACHINE.
bool OpenExistingMachine(CommandContext& context, std::unique_ptr<machine::Machine>& machine);

// For init: opens the machine, creating it with the stock image of `version` when
// the folder holds none yet.
bool OpenOrCreateMachine(CommandContext& context, machine::WindowsVersion version,
                         std::unique_ptr<machine::Machine>& machine);

}  // namespace vornexctl
