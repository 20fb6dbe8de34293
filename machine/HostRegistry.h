#pragma once

#include "machine/RegistryStore.h"
#include "platform/Registry.h"

#include <map>

namespace machine {

// platform::Registry over the machine's registry store: handles with their access
// rights, as RegOpenKeyExA hands them out. Setting a value needs kKeySetValue,
// querying needs kKeyQueryValue (kErrorAccessDenied otherwise); a handle whose key
// was deleted meanwhile gives kErrorKeyDeleted.
class HostRegistry : public platform::Registry {
public:
    explicit HostRegistry(RegistryStore& store) : m_store(store) {}

    Win32Error OpenKey(RootKey root, const std::string& subKey, std::uint32_t access,
                       platform::RegKeyHandle& key) override;
    Win32Error SetValue(platform::RegKeyHandle key, const std::string& valueName, std::uint32_t type,
                        std::span<const std::uint8_t> data) override;
    Win32Error QueryValue(platform::RegKeyHandle key, const std::string& valueName, std::uint32_t& type,
                          std::vector<std::uint8_t>& data) override;
    Win32Error CloseKey(platform::RegKeyHandle key) override;

    std::size_t OpenHandleCount() const { return m_handles.size(); }

private:
    struct OpenKeyEntry {
        RegistryStore::KeyId key;
        std::uint32_t access;
    };
    const OpenKeyEntry* Find(platform::RegKeyHandle key) const;

    RegistryStore& m_store;
    std::map<platform::RegKeyHandle, OpenKeyEntry> m_handles;
    platform::RegKeyHandle m_nextHandle = 0x100;
};

}  // namespace machine
