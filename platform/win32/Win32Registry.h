#pragma once

#include "platform/Registry.h"

namespace platform::win32 {

// The registry through RegOpenKeyExA, RegSetValueExA, RegQueryValueExA and RegCloseKey.
// A RegKeyHandle is the HKEY itself; the caller closes it (ScopedRegKey).
class Win32Registry final : public Registry {
public:
    Win32Error OpenKey(RootKey root, const std::string& subKey, std::uint32_t access, RegKeyHandle& key) override;
    Win32Error SetValue(RegKeyHandle key, const std::string& valueName, std::uint32_t type,
                        std::span<const std::uint8_t> data) override;
    Win32Error QueryValue(RegKeyHandle key, const std::string& valueName, std::uint32_t& type,
                          std::vector<std::uint8_t>& data) override;
    Win32Error CloseKey(RegKeyHandle key) override;
};

}  // namespace platform::win32
