#pragma once

#include "machine/MachineStatus.h"
#include "machine/RegistryNames.h"
#include "platform/Registry.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace machine {

using platform::RootKey;

inline constexpr std::chrono::milliseconds kDefaultBusyTimeout{5000};

// Windows' own limits on names.
inline constexpr std::size_t kMaxKeyNameLength = 255;
inline constexpr std::size_t kMaxValueNameLength = 16383;

struct StoredValue {
    std::string name;  // as first written
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
};

// The registry of a host machine: one SQLite database file holding keys and typed
// values. Key and value names compare case-insensitively (ASCII letters) and keep the
// case they were created with; values list in the order they were first set, subkeys
// in name order. Every write runs in a transaction taken with BEGIN IMMEDIATE and the
// file is kept with a rollback journal synced in full, so a crash at any point leaves
// either the old or the new state, and two processes take turns: one that waits
// longer than the busy timeout gets kErrorBusy, nothing half-written.
//
// One store serves one thread. Failures return a Win32 code; LastErrorText() then
// says which file and why.
class RegistryStore {
public:
    using KeyId = std::int64_t;

    ~RegistryStore();
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    // Opens an existing store; never creates the file. A file that is not a store
    // (or a corrupt one) gives kErrorBadDatabase, an unreadable one kErrorAccessDenied.
    static MachineStatus Open(const std::filesystem::path& file, std::chrono::milliseconds busyTimeout,
                              std::unique_ptr<RegistryStore>& store);
    // Creates an empty store (the two root keys, no subkeys) at `file`, which must not
    // exist yet or be an empty file.
    static MachineStatus Create(const std::filesystem::path& file, std::chrono::milliseconds busyTimeout,
                                std::unique_ptr<RegistryStore>& store);

    const std::filesystem::path& File() const { return m_file; }
    const std::string& LastErrorText() const { return m_lastError; }
    MachineStatus LastStatus(Win32Error error) const { return {error, m_lastError}; }

    // Runs `body` in one write transaction: all of it lands or none of it. A body
    // that returns an error rolls back and that error is returned. Nested calls join
    // the outer transaction.
    Win32Error Write(const std::function<Win32Error()>& body);
    // Runs `body` on one consistent snapshot.
    Win32Error Read(const std::function<Win32Error()>& body);

    KeyId Root(RootKey root) const;

    // Finds an existing key below `parent`; `path` is backslash-separated, a trailing
    // backslash is ignored, an empty path is `parent` itself. Never creates.
    // kErrorFileNotFound when missing, kErrorBadPathname for a leading or doubled
    // backslash, kErrorInvalidParameter for a name longer than kMaxKeyNameLength.
    Win32Error FindKey(KeyId parent, std::string_view path, KeyId& key);
    // As FindKey, creating what is missing (in one transaction).
    Win32Error CreateKey(KeyId parent, std::string_view path, KeyId& key);
    // kErrorSuccess when the key still exists, kErrorKeyDeleted when it is gone.
    Win32Error CheckKey(KeyId key);
    // Deletes the key with its subkeys and values. A root cannot be deleted.
    Win32Error DeleteKeyTree(KeyId key);
    Win32Error KeyName(KeyId key, std::string& name);

    // Sets a value, replacing one of the same name (which keeps its place in the list).
    Win32Error SetValue(KeyId key, std::string_view name, std::uint32_t type,
                        std::span<const std::uint8_t> data);
    // kErrorFileNotFound when the value does not exist.
    Win32Error GetValue(KeyId key, std::string_view name, StoredValue& value);
    Win32Error DeleteValue(KeyId key, std::string_view name);

    Win32Error ListValues(KeyId key, std::vector<StoredValue>& values);
    Win32Error ListSubKeys(KeyId key, std::vector<std::string>& names);

    // Removes every key and value below the two roots.
    Win32Error Clear();

    // A note kept beside the keys, e.g. the version the image was made for.
    Win32Error SetNote(std::string_view name, std::string_view text);
    Win32Error GetNote(std::string_view name, std::string& text);

private:
    class Statement;
    RegistryStore(std::filesystem::path file, sqlite3* db);

    Win32Error Fail(Win32Error error, std::string why);
    Win32Error FailSql(const char* doing);
    Win32Error Exec(const char* sql, const char* doing);
    Win32Error FindChild(KeyId parent, std::string_view name, KeyId& child);
    Win32Error CheckSchema();

    std::filesystem::path m_file;
    sqlite3* m_db = nullptr;
    std::chrono::milliseconds m_busyTimeout{kDefaultBusyTimeout};
    int m_depth = 0;
    bool m_writing = false;
    std::string m_lastError;
};

}  // namespace machine
