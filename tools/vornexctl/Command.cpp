#include "tools/vornexctl/Command.h"

#include "tools/vornexctl/Escaping.h"

namespace vornexctl {

int ReportFailure(CommandContext& context, std::string_view text)
{
    // Messages quote names from the machine and the command line; escaping them (again)
    // is harmless, as escaping leaves backslashes alone.
    context.err << "vornexctl: " << EscapeField(text) << '\n';
    return kExitFailure;
}

int ReportBadArgument(CommandContext& context, std::string_view text)
{
    ReportFailure(context, text);
    return kExitUsage;
}

std::string FailureText(const std::string& lastErrorText, platform::Win32Error error)
{
    return lastErrorText.empty() ? platform::DescribeError(error) : lastErrorText;
}

}  // namespace vornexctl
