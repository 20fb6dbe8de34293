#pragma once

#include "platform/Win32Error.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

// The two predefined roots VORNEX writes under.
enum class RootKey : std::uint8_t { CurrentUser, LocalMachine };

using RegKeyHandle = std::uintptr_t;  // 0 means no key
inline constexpr RegKeyHandle kNoKey = 0;

// Access rights, as RegOpenKeyExA takes them.
inline constexpr std::uint32_t kKeyQueryValue = 0x0001;
inline constexpr std::uint32_t kKeySetValue = 0x0002;
inline constexpr std::uint32_t kKeyEnumerateSubKeys = 0x0008;
inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kKeyAllAccess = 0xF003F;

// Value types.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;

// The registry as RegOpenKeyExA, RegQueryValueExA, RegSetValueExA and RegCloseKey
// see it. Key paths use backslashes; key and value names compare case-insensitively.
class Registry {
public:
    virtual ~Registry() = default;

    // Opens an existing key with the given access; never creates one
    // (kErrorFileNotFound when the key is missing).
    virtual Win32Error OpenKey(RootKey root, const std::string& subKey, std::uint32_t access,
                               RegKeyHandle& key) = 0;

    // Stores the bytes as given: for kRegSz the caller counts the terminating NUL.
    // Needs kKeySetValue on the handle.
    virtual Win32Error SetValue(RegKeyHandle key, const std::string& valueName, std::uint32_t type,
                                std::span<const std::uint8_t> data) = 0;

    // Reads a value's type and bytes. Needs kKeyQueryValue on the handle.
    virtual Win32Error QueryValue(RegKeyHandle key, const std::string& valueName, std::uint32_t& type,
                                  std::vector<std::uint8_t>& data) = 0;

    virtual Win32Error CloseKey(RegKeyHandle key) = 0;
};

// Owns an open key and closes it when it goes out of scope.
class ScopedRegKey {
public:
    explicit ScopedRegKey(Registry& registry) : m_registry(registry) {}
    ScopedRegKey(const ScopedRegKey&) = delete;
    ScopedRegKey& operator=(const ScopedRegKey&) = delete;
    ~ScopedRegKey() { Close(); }

    Win32Error Open(RootKey root, const std::string& subKey, std::uint32_t access)
    {
        Close();
        return m_registry.OpenKey(root, subKey, access, m_key);
    }
    Win32Error Close()
    {
        Win32Error result = kErrorSuccess;
        if (m_key != kNoKey)
            result = m_registry.CloseKey(m_key);
        m_key = kNoKey;
        return result;
    }
    RegKeyHandle Get() const { return m_key; }

private:
    Registry& m_registry;
    RegKeyHandle m_key = kNoKey;
};

}  // namespace platform
