#include "tools/vornexctl/RegKeyArgument.h"

namespace vornexctl {

std::string RegKeyArgument::FullPath() const
{
    std::string path = machine::RootKeyName(root);
    // The store ignores one trailing backslash; so does the path shown.
    const std::string_view rest = std::string_view(subKey).substr(0, subKey.ends_with('\\') ? subKey.size() - 1 : subKey.size());
    if (!rest.empty())
        path += "\\" + std::string(rest);
    return path;
}

bool ParseKeyArgument(CommandContext& context, std::string_view text, RegKeyArgument& key)
{
    if (!machine::ParseRootedKeyPath(text, key.root, key.subKey)) {
        ReportBadArgument(context, "'" + std::string(text) +
                                       "' is not a registry key: begin it with HKLM\\, HKEY_LOCAL_MACHINE\\, "
                                       "HKCU\\ or HKEY_CURRENT_USER\\");
        return false;
    }
    return true;
}

}  // namespace vornexctl
