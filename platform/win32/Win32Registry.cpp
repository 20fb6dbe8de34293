#include "platform/win32/Win32Registry.h"

#include <windows.h>

namespace platform::win32 {
namespace {

HKEY RootHandle(RootKey root) { return root == RootKey::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

HKEY ToHkey(RegKeyHandle key) { return reinterpret_cast<HKEY>(key); }

// A growing value is read again, a bounded number of times.
constexpr int kQueryAttempts = 4;

}  // namespace

Win32Error Win32Registry::OpenKey(RootKey root, const std::string& subKey, std::uint32_t access,
                                  RegKeyHandle& key) {
    key = kNoKey;
    HKEY opened = nullptr;
    const LSTATUS status = ::RegOpenKeyExA(RootHandle(root), subKey.c_str(), 0, access, &opened);
    if (status != ERROR_SUCCESS) {
        return static_cast<Win32Error>(status);
    }
    key = reinterpret_cast<RegKeyHandle>(opened);
    return kErrorSuccess;
}

Win32Error Win32Registry::SetValue(RegKeyHandle key, const std::string& valueName, std::uint32_t type,
                                   std::span<const std::uint8_t> data) {
    return static_cast<Win32Error>(::RegSetValueExA(ToHkey(key), valueName.c_str(), 0, type, data.data(),
                                                    static_cast<DWORD>(data.size())));
}

Win32Error Win32Registry::QueryValue(RegKeyHandle key, const std::string& valueName, std::uint32_t& type,
                                     std::vector<std::uint8_t>& data) {
    data.clear();
    LSTATUS status = ERROR_MORE_DATA;
    for (int attempt = 0; attempt < kQueryAttempts && status == ERROR_MORE_DATA; ++attempt) {
        DWORD valueType = 0;
        DWORD size = 0;
        status = ::RegQueryValueExA(ToHkey(key), valueName.c_str(), nullptr, &valueType, nullptr, &size);
        if (status != ERROR_SUCCESS) {
            return static_cast<Win32Error>(status);
        }
        data.resize(size);
        status = ::RegQueryValueExA(ToHkey(key), valueName.c_str(), nullptr, &valueType, data.data(), &size);
        if (status == ERROR_SUCCESS) {
            data.resize(size);
            type = static_cast<std::uint32_t>(valueType);
        }
    }
    if (status != ERROR_SUCCESS) {
        data.clear();
    }
    return static_cast<Win32Error>(status);
}

Win32Error Win32Registry::CloseKey(RegKeyHandle key) { return static_cast<Win32Error>(::RegCloseKey(ToHkey(key))); }

}  // namespace platform::win32
