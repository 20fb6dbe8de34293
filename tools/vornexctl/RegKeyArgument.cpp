#include "tools/vornexctl/RegKeyArgument.h"

namespace vornexctl {

std::string RegKeyArgument::FullPath() const
{
    std::string path = machine::RootKeyName(root);
    if (!subKey.empty())
        path += "\\" + subKey;
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
    if (!key.subKey.empty() && key.subKey.back() == '\\')
        key.subKey.pop_back();
    return true;
}

}  // namespace vornexctl
