#include "tests/support/FakeRegistry.h"

namespace fakes {

using platform::kErrorSuccess;

std::string FakeRegistry::KeyId(platform::RootKey root, const std::string& path)
{
    const char* rootName =
        root == platform::RootKey::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
    return std::string(rootName) + "\\" + path;
}

void FakeRegistry::AddKey(platform::RootKey root, const std::string& path)
{
    m_keys[KeyId(root, path)];
}

void FakeRegistry::PutText(platform::RootKey root, const std::string& path,
                           const std::string& valueName, const std::string& text)
{
    Value value{platform::kRegSz, std::vector<std::uint8_t>(text.begin(), text.end())};
    value.data.push_back(0);
    m_keys[KeyId(root, path)][valueName] = std::move(value);
}

bool FakeRegistry::HasKey(platform::RootKey root, const std::string& path) const
{
    return m_keys.count(KeyId(root, path)) != 0;
}

std::optional<FakeRegistry::Value> FakeRegistry::GetValue(platform::RootKey root,
                                                          const std::string& path,
                                                          const std::string& valueName) const
{
    const auto key = m_keys.find(KeyId(root, path));
    if (key == m_keys.end())
        return std::nullopt;
    const auto value = key->second.find(valueName);
    if (value == key->second.end())
        return std::nullopt;
    return value->second;
}

std::optional<std::string> FakeRegistry::Text(platform::RootKey root, const std::string& path,
                                              const std::string& valueName) const
{
    const auto value = GetValue(root, path, valueName);
    if (!value || value->type != platform::kRegSz)
        return std::nullopt;
    std::string text(value->data.begin(), value->data.end());
    if (!text.empty() && text.back() == '\0')
        text.pop_back();
    return text;
}

Win32Error FakeRegistry::OpenKey(platform::RootKey root, const std::string& subKey,
                                 std::uint32_t access, platform::RegKeyHandle& key)
{
    calls.push_back("OpenKey");
    key = platform::kNoKey;
    Win32Error result = kErrorSuccess;
    if (const auto failure = openFailures.find(subKey); failure != openFailures.end())
        result = failure->second;
    else if (!m_keys.count(KeyId(root, subKey)))
        result = platform::kErrorFileNotFound;
    if (result == kErrorSuccess) {
        key = m_nextHandle++;
        m_handles[key] = {KeyId(root, subKey), access};
    }
    openCalls.push_back({root, subKey, access, result, key});
    return result;
}

Win32Error FakeRegistry::SetValue(platform::RegKeyHandle key, const std::string& valueName,
                                  std::uint32_t type, std::span<const std::uint8_t> data)
{
    calls.push_back("SetValue");
    const auto handle = m_handles.find(key);
    SetCall call{key, "", valueName, type, {data.begin(), data.end()}, kErrorSuccess};
    if (handle == m_handles.end())
        call.result = platform::kErrorInvalidHandle;
    else if (!(handle->second.access & platform::kKeySetValue))
        call.result = platform::kErrorAccessDenied;
    else if (const auto failure = setFailures.find(valueName); failure != setFailures.end())
        call.result = failure->second;
    if (handle != m_handles.end())
        call.keyPath = handle->second.id.substr(handle->second.id.find('\\') + 1);
    if (call.result == kErrorSuccess)
        m_keys[handle->second.id][valueName] = Value{type, call.data};
    setCalls.push_back(call);
    return call.result;
}

Win32Error FakeRegistry::QueryValue(platform::RegKeyHandle key, const std::string& valueName,
                                    std::uint32_t& type, std::vector<std::uint8_t>& data)
{
    calls.push_back("QueryValue");
    const auto handle = m_handles.find(key);
    if (handle == m_handles.end())
        return platform::kErrorInvalidHandle;
    if (!(handle->second.access & platform::kKeyQueryValue))
        return platform::kErrorAccessDenied;
    const Values& values = m_keys[handle->second.id];
    const auto value = values.find(valueName);
    if (value == values.end())
        return platform::kErrorFileNotFound;
    type = value->second.type;
    data = value->second.data;
    return kErrorSuccess;
}

Win32Error FakeRegistry::CloseKey(platform::RegKeyHandle key)
{
    calls.push_back("CloseKey");
    closeCalls.push_back(key);
    return m_handles.erase(key) ? kErrorSuccess : platform::kErrorInvalidHandle;
}

}  // namespace fakes
