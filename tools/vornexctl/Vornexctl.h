#pragma once

#include "tools/vornexctl/Command.h"

#include <span>
#include <string>

namespace vornexctl {

// Runs one command line (the arguments after the program name) and gives the exit
// status: kExitSuccess, kExitFailure or kExitUsage. Output goes to context.out,
// messages to context.err.
int Run(std::span<const std::string> args, CommandContext& context);

}  // namespace vornexctl
