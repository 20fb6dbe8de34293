#include "tools/vornexctl/Vornexctl.h"

#include "tools/vornexctl/Escaping.h"

#include <algorithm>
#include <string_view>

namespace vornexctl {

namespace {

constexpr std::string_view kIntroduction =
    "Sets up and inspects the embedded Windows-like machine that VORNEX uses on this\n"
    "host: the folder $VORNEX_MACHINE, else $XDG_STATE_HOME/vornex/machine, else\n"
    "~/.local/state/vornex/machine.\n";

constexpr std::string_view kConventions =
    "Listings print one record a line, fields separated by tabs; a tab, line end or\n"
    "other control character inside a field shows as \\t, \\n, \\r or \\xNN.\n"
    "'vornexctl COMMAND --help' tells more about one command.\n"
    "Exit status: 0 done; 1 the machine could not be used, or what was asked for is\n"
    "not there; 2 bad arguments.\n";

bool IsHelp(std::string_view arg)
{
    return arg == "--help" || arg == "-h";
}

std::string CommandName(const CommandInfo& command)
{
    return command.group.empty() ? std::string(command.name)
                                 : std::string(command.group) + " " + std::string(command.name);
}

void PrintCommandList(std::ostream& out, std::string_view group)
{
    for (const CommandInfo& command : AllCommands()) {
        if (!group.empty() && command.group != group)
            continue;
        std::string synopsis(command.synopsis);
        synopsis.resize(std::max<std::size_t>(synopsis.size(), 28), ' ');
        out << "  " << synopsis << "  " << command.summary << '\n';
    }
}

void PrintOverview(std::ostream& out)
{
    out << "usage: vornexctl COMMAND [ARGUMENTS]\n\n" << kIntroduction << "\nCommands:\n";
    PrintCommandList(out, "");
    out << '\n' << kConventions;
}

void PrintCommandHelp(std::ostream& out, const CommandInfo& command)
{
    out << "usage: vornexctl " << command.synopsis << "\n\n" << command.help;
}

int UsageError(CommandContext& context, std::string_view message)
{
    context.err << "vornexctl: " << message << "\n\n";
    PrintOverview(context.err);
    return kExitUsage;
}

void PrintCommandUsage(std::ostream& out, const CommandInfo& command)
{
    out << "usage: vornexctl " << command.synopsis << '\n'
        << "Try 'vornexctl " << CommandName(command) << " --help'.\n";
}

int CommandUsageError(CommandContext& context, const CommandInfo& command, std::string_view message)
{
    context.err << "vornexctl " << CommandName(command) << ": " << message << '\n';
    PrintCommandUsage(context.err, command);
    return kExitUsage;
}

const CommandInfo* FindCommand(std::string_view group, std::string_view name)
{
    const auto commands = AllCommands();
    const auto found = std::ranges::find_if(
        commands, [&](const CommandInfo& command) { return command.group == group && command.name == name; });
    return found == commands.end() ? nullptr : &*found;
}

bool IsGroup(std::string_view word)
{
    return std::ranges::any_of(AllCommands(), [&](const CommandInfo& command) { return command.group == word; });
}

// "reg" alone, "reg --help" or "reg <unknown>".
int RunGroupUsage(CommandContext& context, std::string_view group, std::span<const std::string> rest)
{
    const bool help = !rest.empty() && IsHelp(rest[0]);
    std::ostream& out = help ? context.out : context.err;
    if (!help) {
        context.err << "vornexctl " << group << ": "
                    << (rest.empty() ? std::string("which one?")
                                     : "unknown command '" + EscapeField(rest[0]) + "'")
                    << '\n';
    }
    out << "usage:\n";
    PrintCommandList(out, group);
    return help ? kExitSuccess : kExitUsage;
}

int RunCommand(CommandContext& context, const CommandInfo& command, std::span<const std::string> args)
{
    ParsedArguments arguments;
    std::string why;
    if (!ParseArguments(args, command.options, arguments, why))
        return CommandUsageError(context, command, why);
    if (arguments.help) {
        PrintCommandHelp(context.out, command);
        return kExitSuccess;
    }
    if (arguments.operands.size() < command.minOperands)
        return CommandUsageError(context, command, "missing arguments");
    if (arguments.operands.size() > command.maxOperands) {
        return CommandUsageError(context, command,
                                 "unexpected argument '" + EscapeField(arguments.operands[command.maxOperands]) + "'");
    }
    const int status = command.run(context, arguments);
    if (status == kExitUsage)
        PrintCommandUsage(context.err, command);
    if (!context.out.flush()) {
        context.err << "vornexctl: cannot write the output\n";
        return kExitFailure;
    }
    return status;
}

}  // namespace

int Run(std::span<const std::string> args, CommandContext& context)
{
    if (args.empty())
        return UsageError(context, "no command given");
    if (IsHelp(args[0])) {
        PrintOverview(context.out);
        return kExitSuccess;
    }
    if (IsGroup(args[0])) {
        const std::span<const std::string> rest = args.subspan(1);
        const CommandInfo* command = rest.empty() ? nullptr : FindCommand(args[0], rest[0]);
        if (!command)
            return RunGroupUsage(context, args[0], rest);
        return RunCommand(context, *command, rest.subspan(1));
    }
    const CommandInfo* command = FindCommand("", args[0]);
    if (!command)
        return UsageError(context, "unknown command '" + EscapeField(args[0]) + "'");
    return RunCommand(context, *command, args.subspan(1));
}

}  // namespace vornexctl
