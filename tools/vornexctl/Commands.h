#pragma once

#include "tools/vornexctl/Command.h"

namespace vornexctl {

// One function per command; the arguments have been checked against the command's
// options and operand count.
int RunInit(CommandContext& context, const ParsedArguments& arguments);
int RunVersion(CommandContext& context, const ParsedArguments& arguments);
int RunPrinters(CommandContext& context, const ParsedArguments& arguments);
int RunDrivers(CommandContext& context, const ParsedArguments& arguments);
int RunPorts(CommandContext& context, const ParsedArguments& arguments);
int RunMonitors(CommandContext& context, const ParsedArguments& arguments);
int RunRegQuery(CommandContext& context, const ParsedArguments& arguments);
int RunRegExport(CommandContext& context, const ParsedArguments& arguments);
int RunTrace(CommandContext& context, const ParsedArguments& arguments);

}  // namespace vornexctl
