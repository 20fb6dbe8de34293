#include "machine/HostRegistry.h"

namespace machine {

Win32Error HostRegistry::OpenKey(RootKey root, const std::string& subKey, std::uint32_t access,
                                 platform::RegKeyHandle& key)
{
    key = platform::kNoKey;
    RegistryStore::KeyId found = 0;
    if (Win32Error error = m_store.FindKey(m_store.Root(root), subKey, found))
        return error;
    key = m_nextHandle++;
    m_handles[key] = {found, access};
    return platform::kErrorSuccess;
}

const HostRegistry::OpenKeyEntry* HostRegistry::Find(platform::RegKeyHandle key) const
{
    const auto it = m_handles.find(key);
    return it == m_handles.end() ? nullptr : &it->second;
}

Win32Error HostRegistry::SetValue(platform::RegKeyHandle key, const std::string& valueName, std::uint32_t type,
                                  std::span<const std::uint8_t> data)
{
    const OpenKeyEntry* entry = Find(key);
    if (!entry)
        return platform::kErrorInvalidHandle;
    if ((entry->access & platform::kKeySetValue) == 0)
        return platform::kErrorAccessDenied;
    return m_store.SetValue(entry->key, valueName, type, data);
}

Win32Error HostRegistry::QueryValue(platform::RegKeyHandle key, const std::string& valueName, std::uint32_t& type,
                                    std::vector<std::uint8_t>& data)
{
    const OpenKeyEntry* entry = Find(key);
    if (!entry)
        return platform::kErrorInvalidHandle;
    if ((entry->access & platform::kKeyQueryValue) == 0)
        return platform::kErrorAccessDenied;
    StoredValue value;
    if (Win32Error error = m_store.GetValue(entry->key, valueName, value))
        return error;
    type = value.type;
    data = std::move(value.data);
    return platform::kErrorSuccess;
}

Win32Error HostRegistry::CloseKey(platform::RegKeyHandle key)
{
    return m_handles.erase(key) ? platform::kErrorSuccess : platform::kErrorInvalidHandle;
}

}  // namespace machine
