#pragma once

#include "platform/Registry.h"
#include "tests/support/CaseInsensitive.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace fakes {

using platform::Win32Error;

// A registry held in memory. Keys exist only when a test adds them: opening never
// creates one (kErrorFileNotFound), key and value names ignore case, a handle allows
// only the access it was opened with. Every call is recorded; opens and sets fail on
// request.
class FakeRegistry : public platform::Registry {
public:
    struct Value {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };
    struct OpenCall {
        platform::RootKey root;
        std::string subKey;
        std::uint32_t access;
        Win32Error result;
        platform::RegKeyHandle handle;
    };
    struct SetCall {
        platform::RegKeyHandle key;
        std::string keyPath;  // of the key the handle was opened on, "" for a bad handle
        std::string valueName;
        std::uint32_t type;
        std::vector<std::uint8_t> data;
        Win32Error result;
    };

    void AddKey(platform::RootKey root, const std::string& path);
    // Adds the key when missing and stores a REG_SZ with its NUL.
    void PutText(platform::RootKey root, const std::string& path, const std::string& valueName,
                 const std::string& text);

    bool HasKey(platform::RootKey root, const std::string& path) const;
    std::optional<Value> GetValue(platform::RootKey root, const std::string& path,
                                  const std::string& valueName) const;
    // A REG_SZ value's text without its terminating NUL; std::nullopt when absent or
    // of another type.
    std::optional<std::string> Text(platform::RootKey root, const std::string& path,
                                    const std::string& valueName) const;

    std::size_t OpenKeyCount() const { return m_handles.size(); }

    // Scripted failures: opening this key path, or setting a value of this name, fails
    // with the error given and changes nothing.
    std::map<std::string, Win32Error, CaseInsensitiveLess> openFailures;
    std::map<std::string, Win32Error, CaseInsensitiveLess> setFailures;

    std::vector<std::string> calls;  // "OpenKey", "SetValue", "QueryValue", "CloseKey"
    std::vector<OpenCall> openCalls;
    std::vector<SetCall> setCalls;
    std::vector<platform::RegKeyHandle> closeCalls;

    Win32Error OpenKey(platform::RootKey root, const std::string& subKey, std::uint32_t access,
                       platform::RegKeyHandle& key) override;
    Win32Error SetValue(platform::RegKeyHandle key, const std::string& valueName, std::uint32_t type,
                        std::span<const std::uint8_t> data) override;
    Win32Error QueryValue(platform::RegKeyHandle key, const std::string& valueName,
                          std::uint32_t& type, std::vector<std::uint8_t>& data) override;
    Win32Error CloseKey(platform::RegKeyHandle key) override;

private:
    using Values = std::map<std::string, Value, CaseInsensitiveLess>;
    struct OpenKeyState {
        std::string id;
        std::uint32_t access;
    };

    static std::string KeyId(platform::RootKey root, const std::string& path);

    std::map<std::string, Values, CaseInsensitiveLess> m_keys;
    std::map<platform::RegKeyHandle, OpenKeyState> m_handles;
    platform::RegKeyHandle m_nextHandle = 0x100;
};

}  // namespace fakes
