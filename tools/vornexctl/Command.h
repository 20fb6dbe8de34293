#pragma once

#include "machine/RegistryStore.h"
#include "tools/vornexctl/CommandLine.h"

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace vornexctl {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // the machine could not be used, or what was asked for is not there
inline constexpr int kExitUsage = 2;    // bad arguments

// What a command runs with: where it prints, and which machine it works on.
struct CommandContext {
    std::ostream& out;
    std::ostream& err;
    // Empty: ResolveMachineFolder decides ($VORNEX_MACHINE, $XDG_STATE_HOME, ~).
    std::filesystem::path machineFolder = {};
    // How long a command waits for another process that holds the machine's registry.
    std::chrono::milliseconds busyTimeout = machine::kDefaultBusyTimeout;
};

using CommandFunction = int (*)(CommandContext& context, const ParsedArguments& arguments);

struct CommandInfo {
    std::string_view group;     // "reg" for "reg query", else empty
    std::string_view name;
    std::string_view synopsis;  // what follows "vornexctl " in the usage line
    std::string_view summary;   // one line in the overview
    std::string_view help;      // the body of the command's --help
    std::span<const OptionSpec> options;
    std::size_t minOperands;
    std::size_t maxOperands;
    CommandFunction run;
};

// Every command, in the order the overview lists them.
std::span<const CommandInfo> AllCommands();

// Prints "vornexctl: <text>" on the error stream, control characters escaped, and
// gives kExitFailure.
int ReportFailure(CommandContext& context, std::string_view text);

// For an operand the command cannot use: prints "vornexctl: <text>" on the error
// stream and gives kExitUsage; the caller then adds the command's usage line.
int ReportBadArgument(CommandContext& context, std::string_view text);

// The machine's reason for a failed call, or the code's description when it gave none.
std::string FailureText(const std::string& lastErrorText, platform::Win32Error error);

}  // namespace vornexctl
