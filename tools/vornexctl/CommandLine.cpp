#include "tools/vornexctl/CommandLine.h"

#include "tools/vornexctl/Escaping.h"

#include <algorithm>

namespace vornexctl {

namespace {

const OptionSpec* FindSpec(std::span<const OptionSpec> specs, std::string_view name)
{
    const auto found = std::ranges::find(specs, name, &OptionSpec::name);
    return found == specs.end() ? nullptr : &*found;
}

}  // namespace

bool ParseArguments(std::span<const std::string> args, std::span<const OptionSpec> specs,
                    ParsedArguments& parsed, std::string& why)
{
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            parsed.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            parsed.help = true;
            continue;
        }
        const std::string_view body = std::string_view(arg).substr(arg[1] == '-' ? 2 : 1);
        const std::size_t equals = body.find('=');
        const std::string_view name = body.substr(0, equals);
        const OptionSpec* spec = arg[1] == '-' ? FindSpec(specs, name) : nullptr;
        if (!spec) {
            why = "unknown option '" + EscapeField(arg) + "'";
            return false;
        }
        std::string value;
        if (equals != std::string_view::npos) {
            if (!spec->takesValue) {
                why = "the option --" + std::string(name) + " takes no value";
                return false;
            }
            value = body.substr(equals + 1);
        } else if (spec->takesValue) {
            if (i + 1 == args.size()) {
                why = "the option --" + std::string(name) + " needs a value";
                return false;
            }
            value = args[++i];
        }
        if (!parsed.options.emplace(std::string(name), std::move(value)).second) {
            why = "the option --" + std::string(name) + " is given twice";
            return false;
        }
    }
    return true;
}

}  // namespace vornexctl
