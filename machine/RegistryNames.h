#pragma once

#include "platform/Registry.h"

#include <string>
#include <string_view>

namespace machine {

using platform::RootKey;

// "HKEY_LOCAL_MACHINE" / "HKEY_CURRENT_USER".
const char* RootKeyName(RootKey root);
// Splits "HKLM\SOFTWARE\..." (also HKEY_LOCAL_MACHINE, HKCU, HKEY_CURRENT_USER, any
// case) into its root and the rest; false when it names no known root.
bool ParseRootedKeyPath(std::string_view text, RootKey& root, std::string& subKey);

// ASCII upper-casing, the comparison Windows applies to registry names.
std::string FoldName(std::string_view name);

}  // namespace machine
