#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vornexctl {

// An option a command accepts: "--windows VALUE" / "--windows=VALUE", or a flag.
struct OptionSpec {
    std::string_view name;  // without the dashes: "windows"
    bool takesValue = false;
};

struct ParsedArguments {
    bool help = false;                          // --help or -h was given
    std::map<std::string, std::string> options; // flags map to ""
    std::vector<std::string> operands;

    bool Has(std::string_view name) const { return options.contains(std::string(name)); }
};

// Splits a command's arguments into options and operands. "--" ends the options, a
// lone "-" is an operand. False with `why` set for an option the command does not
// know, an option given twice, a missing value or a value given to a flag.
bool ParseArguments(std::span<const std::string> args, std::span<const OptionSpec> specs,
                    ParsedArguments& parsed, std::string& why);

}  // namespace vornexctl
