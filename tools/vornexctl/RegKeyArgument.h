#pragma once

#include "machine/RegistryStore.h"
#include "tools/vornexctl/Command.h"

#include <string>
#include <string_view>

namespace vornexctl {

// A KEY operand: "HKLM\SOFTWARE\...", "HKEY_LOCAL_MACHINE\...", "HKCU\..." or
// "HKEY_CURRENT_USER\..." in any case; the root alone names the root.
struct RegKeyArgument {
    machine::RootKey root = machine::RootKey::LocalMachine;
    std::string subKey;  // as given after the root, for the store to check

    // "HKEY_LOCAL_MACHINE\SOFTWARE\..." as the user spelt the subkey.
    std::string FullPath() const;
};

// False, after printing why on context.err (see ReportBadArgument), when `text`
// names no known root.
bool ParseKeyArgument(CommandContext& context, std::string_view text, RegKeyArgument& key);

}  // namespace vornexctl
