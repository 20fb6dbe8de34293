#include "machine/RegistryStore.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <system_error>

namespace machine {

namespace {

constexpr const char* kSchemaVersion = "1";
constexpr RegistryStore::KeyId kCurrentUserId = 1;
constexpr RegistryStore::KeyId kLocalMachineId = 2;

constexpr const char* kSchemaSql =
    "CREATE TABLE meta(name TEXT PRIMARY KEY NOT NULL, value TEXT NOT NULL);"
    "CREATE TABLE keys(id INTEGER PRIMARY KEY, parent INTEGER NOT NULL, name BLOB NOT NULL,"
    " folded BLOB NOT NULL, UNIQUE(parent, folded));"
    "CREATE TABLE vals(id INTEGER PRIMARY KEY, key INTEGER NOT NULL, name BLOB NOT NULL,"
    " folded BLOB NOT NULL, type INTEGER NOT NULL, data BLOB NOT NULL, UNIQUE(key, folded));"
    "CREATE INDEX vals_in_order ON vals(key, id);"
    "INSERT INTO keys(id, parent, name, folded) VALUES"
    " (1, 0, 'HKEY_CURRENT_USER', 'HKEY_CURRENT_USER'),"
    " (2, 0, 'HKEY_LOCAL_MACHINE', 'HKEY_LOCAL_MACHINE');"
    "INSERT INTO meta(name, value) VALUES ('schema', '1');";

// Splits a key path into its names. A trailing backslash is allowed; a leading or
// doubled one is not.
Win32Error SplitKeyPath(std::string_view path, std::vector<std::string_view>& names)
{
    names.clear();
    if (path.empty())
        return platform::kErrorSuccess;
    if (path.back() == '\\')
        path.remove_suffix(1);
    std::size_t start = 0;
    while (true) {
        const std::size_t end = path.find('\\', start);
        const std::string_view name = path.substr(start, end == std::string_view::npos ? path.size() - start : end - start);
        if (name.empty())
            return kErrorBadPathname;
        names.push_back(name);
        if (end == std::string_view::npos)
            return platform::kErrorSuccess;
        start = end + 1;
    }
}

}  // namespace

// A prepared statement that finalises itself.
class RegistryStore::Statement {
public:
    Statement(sqlite3* db, const char* sql) { m_rc = sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr); }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool Prepared() const { return m_rc == SQLITE_OK && m_stmt; }

    void Bind(int index, std::int64_t value) { sqlite3_bind_int64(m_stmt, index, value); }
    // Names and data go in as blobs, byte for byte; an empty one is an empty blob, not NULL.
    void Bind(int index, std::string_view bytes) { BindBytes(index, bytes.data(), bytes.size()); }
    void Bind(int index, std::span<const std::uint8_t> bytes) { BindBytes(index, bytes.data(), bytes.size()); }
    void BindText(int index, std::string_view text)
    {
        sqlite3_bind_text64(m_stmt, index, text.empty() ? "" : text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
    }

    int Step() { return sqlite3_step(m_stmt); }

    std::int64_t Int(int column) { return sqlite3_column_int64(m_stmt, column); }
    std::string Text(int column)
    {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(m_stmt, column));
        const int size = sqlite3_column_bytes(m_stmt, column);
        return bytes ? std::string(bytes, static_cast<std::size_t>(size)) : std::string();
    }
    std::vector<std::uint8_t> Bytes(int column)
    {
        const auto* bytes = static_cast<const std::uint8_t*>(sqlite3_column_blob(m_stmt, column));
        const int size = sqlite3_column_bytes(m_stmt, column);
        return bytes ? std::vector<std::uint8_t>(bytes, bytes + size) : std::vector<std::uint8_t>();
    }

private:
    void BindBytes(int index, const void* bytes, std::size_t size)
    {
        static const char kEmpty = 0;
        sqlite3_bind_blob64(m_stmt, index, size ? bytes : &kEmpty, size, SQLITE_TRANSIENT);
    }

    sqlite3_stmt* m_stmt = nullptr;
    int m_rc = SQLITE_ERROR;
};

RegistryStore::RegistryStore(std::filesystem::path file, sqlite3* db) : m_file(std::move(file)), m_db(db) {}

RegistryStore::~RegistryStore()
{
    sqlite3_close_v2(m_db);
}

namespace {

MachineStatus OpenConnection(const std::filesystem::path& file, int flags, sqlite3*& db)
{
    db = nullptr;
    const int rc = sqlite3_open_v2(file.c_str(), &db, flags, nullptr);
    if (rc == SQLITE_OK)
        return MachineStatus::Success();
    std::string why = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    sqlite3_close_v2(db);
    db = nullptr;
    const Win32Error error = rc == SQLITE_NOMEM ? platform::kErrorNotEnoughMemory : platform::kErrorAccessDenied;
    return MachineStatus::Failure(error, "cannot open the registry store " + file.string() + ": " + why);
}

}  // namespace

MachineStatus RegistryStore::Open(const std::filesystem::path& file, std::chrono::milliseconds busyTimeout,
                                  std::unique_ptr<RegistryStore>& store)
{
    store.reset();
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (!std::filesystem::exists(status))
        return MachineStatus::Failure(platform::kErrorFileNotFound,
                                      "the registry store " + file.string() + " does not exist");
    if (!std::filesystem::is_regular_file(status))
        return MachineStatus::Failure(platform::kErrorAccessDenied,
                                      "the registry store " + file.string() + " is not a regular file");

    sqlite3* db = nullptr;
    MachineStatus opened = OpenConnection(file, SQLITE_OPEN_READWRITE, db);
    if (!opened.Ok())
        return opened;
    std::unique_ptr<RegistryStore> candidate(new RegistryStore(file, db));
    candidate->m_busyTimeout = busyTimeout;
    sqlite3_busy_timeout(db, static_cast<int>(busyTimeout.count()));
    sqlite3_extended_result_codes(db, 1);
    if (Win32Error error = candidate->CheckSchema())
        return candidate->LastStatus(error);
    store = std::move(candidate);
    return MachineStatus::Success();
}

MachineStatus RegistryStore::Create(const std::filesystem::path& file, std::chrono::milliseconds busyTimeout,
                                    std::unique_ptr<RegistryStore>& store)
{
    store.reset();
    std::error_code ec;
    if (std::filesystem::exists(file, ec) && std::filesystem::file_size(file, ec) != 0)
        return MachineStatus::Failure(platform::kErrorAlreadyExists,
                                      "cannot create the registry store " + file.string() + ": the file exists");
    sqlite3* db = nullptr;
    MachineStatus opened = OpenConnection(file, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, db);
    if (!opened.Ok())
        return opened;
    std::unique_ptr<RegistryStore> candidate(new RegistryStore(file, db));
    candidate->m_busyTimeout = busyTimeout;
    sqlite3_busy_timeout(db, static_cast<int>(busyTimeout.count()));
    sqlite3_extended_result_codes(db, 1);
    if (Win32Error error = candidate->Exec("PRAGMA synchronous=FULL", "setting up the store"))
        return candidate->LastStatus(error);
    const Win32Error error = candidate->Write([&] { return candidate->Exec(kSchemaSql, "creating the store"); });
    if (error)
        return candidate->LastStatus(error);
    store = std::move(candidate);
    return MachineStatus::Success();
}

Win32Error RegistryStore::CheckSchema()
{
    // A rollback journal synced in full: after a crash the next opener rolls back.
    if (Win32Error error = Exec("PRAGMA synchronous=FULL", "setting up the store"))
        return error;
    return Read([&]() -> Win32Error {
        Statement check(m_db, "PRAGMA quick_check");
        if (!check.Prepared())
            return FailSql("checking the store");
        const int rc = check.Step();
        if (rc != SQLITE_ROW)
            return FailSql("checking the store");
        const std::string verdict = check.Text(0);
        if (verdict != "ok")
            return Fail(platform::kErrorBadDatabase, "the registry store " + m_file.string() + " is corrupt: " + verdict);

        Statement schema(m_db, "SELECT value FROM meta WHERE name = 'schema'");
        if (!schema.Prepared()) {
            if ((sqlite3_errcode(m_db) & 0xff) == SQLITE_ERROR)
                return Fail(platform::kErrorBadDatabase, m_file.string() + " is not a registry store of this machine");
            return FailSql("reading the store's schema");
        }
        if (schema.Step() != SQLITE_ROW || schema.Text(0) != kSchemaVersion)
            return Fail(platform::kErrorBadDatabase,
                        m_file.string() + " is not a registry store of this machine (unknown schema)");
        return platform::kErrorSuccess;
    });
}

Win32Error RegistryStore::Fail(Win32Error error, std::string why)
{
    m_lastError = std::move(why);
    return error;
}

Win32Error RegistryStore::FailSql(const char* doing)
{
    const int code = sqlite3_extended_errcode(m_db);
    const std::string why = sqlite3_errmsg(m_db);
    const std::string where = " (" + std::string(doing) + ")";
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Fail(platform::kErrorBusy, "the registry store " + m_file.string() +
                                              " is in use by another process (waited " +
                                              std::to_string(m_busyTimeout.count()) + " ms)" + where);
    case SQLITE_NOTADB:
        return Fail(platform::kErrorBadDatabase, m_file.string() + " is not a registry store: " + why + where);
    case SQLITE_CORRUPT:
        return Fail(platform::kErrorBadDatabase, "the registry store " + m_file.string() + " is corrupt: " + why + where);
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
    case SQLITE_AUTH:
        return Fail(platform::kErrorAccessDenied, "cannot write the registry store " + m_file.string() + ": " + why + where);
    case SQLITE_FULL:
        return Fail(kErrorDiskFull, "the disk holding the registry store " + m_file.string() + " is full" + where);
    case SQLITE_NOMEM:
        return Fail(platform::kErrorNotEnoughMemory, "out of memory in the registry store" + where);
    case SQLITE_TOOBIG:
        return Fail(platform::kErrorInvalidParameter, "a value too large for the registry store" + where);
    default:
        return Fail(platform::kErrorWriteFault, "the registry store " + m_file.string() + " failed: " + why + where);
    }
}

Win32Error RegistryStore::Exec(const char* sql, const char* doing)
{
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        return FailSql(doing);
    return platform::kErrorSuccess;
}

Win32Error RegistryStore::Write(const std::function<Win32Error()>& body)
{
    if (m_depth > 0) {
        if (!m_writing)
            return Fail(platform::kErrorInvalidParameter, "a write was asked for inside a read of the registry store");
        // A nested write is a savepoint: if it fails, only its own changes go.
        if (Win32Error error = Exec("SAVEPOINT nested", "starting a nested write"))
            return error;
        ++m_depth;
        const Win32Error result = body();
        --m_depth;
        if (result != platform::kErrorSuccess)
            sqlite3_exec(m_db, "ROLLBACK TO nested", nullptr, nullptr, nullptr);
        sqlite3_exec(m_db, "RELEASE nested", nullptr, nullptr, nullptr);
        return result;
    }

    if (Win32Error error = Exec("BEGIN IMMEDIATE", "starting a write"))
        return error;
    m_depth = 1;
    m_writing = true;
    Win32Error result = body();
    if (result == platform::kErrorSuccess)
        result = Exec("COMMIT", "committing a write");
    if (result != platform::kErrorSuccess && !sqlite3_get_autocommit(m_db))
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    m_depth = 0;
    m_writing = false;
    return result;
}

Win32Error RegistryStore::Read(const std::function<Win32Error()>& body)
{
    if (m_depth > 0)
        return body();
    if (Win32Error error = Exec("BEGIN", "starting a read"))
        return error;
    m_depth = 1;
    const Win32Error result = body();
    if (!sqlite3_get_autocommit(m_db))
        sqlite3_exec(m_db, result == platform::kErrorSuccess ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr);
    m_depth = 0;
    return result;
}

RegistryStore::KeyId RegistryStore::Root(RootKey root) const
{
    return root == RootKey::CurrentUser ? kCurrentUserId : kLocalMachineId;
}

Win32Error RegistryStore::FindChild(KeyId parent, std::string_view name, KeyId& child)
{
    Statement find(m_db, "SELECT id FROM keys WHERE parent = ? AND folded = ?");
    if (!find.Prepared())
        return FailSql("finding a key");
    find.Bind(1, parent);
    find.Bind(2, FoldName(name));
    const int rc = find.Step();
    if (rc == SQLITE_ROW) {
        child = find.Int(0);
        return platform::kErrorSuccess;
    }
    if (rc == SQLITE_DONE)
        return platform::kErrorFileNotFound;
    return FailSql("finding a key");
}

Win32Error RegistryStore::FindKey(KeyId parent, std::string_view path, KeyId& key)
{
    std::vector<std::string_view> names;
    if (Win32Error error = SplitKeyPath(path, names))
        return Fail(error, "the key path \"" + std::string(path) + "\" is malformed");
    return Read([&]() -> Win32Error {
        if (Win32Error error = CheckKey(parent))
            return error;
        KeyId at = parent;
        for (std::string_view name : names) {
            if (name.size() > kMaxKeyNameLength)
                return platform::kErrorFileNotFound;
            if (Win32Error error = FindChild(at, name, at))
                return error;
        }
        key = at;
        return platform::kErrorSuccess;
    });
}

Win32Error RegistryStore::CreateKey(KeyId parent, std::string_view path, KeyId& key)
{
    std::vector<std::string_view> names;
    if (Win32Error error = SplitKeyPath(path, names))
        return Fail(error, "the key path \"" + std::string(path) + "\" is malformed");
    for (std::string_view name : names) {
        if (name.size() > kMaxKeyNameLength)
            return Fail(platform::kErrorInvalidParameter, "a key name is longer than 255 characters");
    }
    return Write([&]() -> Win32Error {
        if (Win32Error error = CheckKey(parent))
            return error;
        KeyId at = parent;
        for (std::string_view name : names) {
            KeyId child = 0;
            const Win32Error found = FindChild(at, name, child);
            if (found == platform::kErrorFileNotFound) {
                Statement insert(m_db, "INSERT INTO keys(parent, name, folded) VALUES (?, ?, ?)");
                if (!insert.Prepared())
                    return FailSql("creating a key");
                insert.Bind(1, at);
                insert.Bind(2, name);
                insert.Bind(3, FoldName(name));
                if (insert.Step() != SQLITE_DONE)
                    return FailSql("creating a key");
                child = sqlite3_last_insert_rowid(m_db);
            } else if (found != platform::kErrorSuccess) {
                return found;
            }
            at = child;
        }
        key = at;
        return platform::kErrorSuccess;
    });
}

Win32Error RegistryStore::CheckKey(KeyId key)
{
    Statement check(m_db, "SELECT 1 FROM keys WHERE id = ?");
    if (!check.Prepared())
        return FailSql("checking a key");
    check.Bind(1, key);
    const int rc = check.Step();
    if (rc == SQLITE_ROW)
        return platform::kErrorSuccess;
    if (rc == SQLITE_DONE)
        return Fail(kErrorKeyDeleted, "the key was deleted");
    return FailSql("checking a key");
}

Win32Error RegistryStore::DeleteKeyTree(KeyId key)
{
    if (key == kCurrentUserId || key == kLocalMachineId)
        return Fail(platform::kErrorAccessDenied, "a root key cannot be deleted");
    return Write([&]() -> Win32Error {
        if (Win32Error error = CheckKey(key))
            return error;
        constexpr const char* kTree =
            "WITH RECURSIVE tree(id) AS (SELECT ? UNION ALL SELECT keys.id FROM keys JOIN tree ON keys.parent = tree.id) ";
        Statement values(m_db, (std::string(kTree) + "DELETE FROM vals WHERE key IN tree").c_str());
        if (!values.Prepared())
            return FailSql("deleting a key");
        values.Bind(1, key);
        if (values.Step() != SQLITE_DONE)
            return FailSql("deleting a key");
        Statement keys(m_db, (std::string(kTree) + "DELETE FROM keys WHERE id IN tree").c_str());
        if (!keys.Prepared())
            return FailSql("deleting a key");
        keys.Bind(1, key);
        if (keys.Step() != SQLITE_DONE)
            return FailSql("deleting a key");
        return platform::kErrorSuccess;
    });
}

Win32Error RegistryStore::KeyName(KeyId key, std::string& name)
{
    Statement find(m_db, "SELECT name FROM keys WHERE id = ?");
    if (!find.Prepared())
        return FailSql("reading a key's name");
    find.Bind(1, key);
    const int rc = find.Step();
    if (rc == SQLITE_ROW) {
        name = find.Text(0);
        return platform::kErrorSuccess;
    }
    if (rc == SQLITE_DONE)
        return Fail(kErrorKeyDeleted, "the key was deleted");
    return FailSql("reading a key's name");
}

Win32Error RegistryStore::SetValue(KeyId key, std::string_view name, std::uint32_t type,
                                   std::span<const std::uint8_t> data)
{
    if (name.size() > kMaxValueNameLength)
        return Fail(platform::kErrorInvalidParameter, "a value name is longer than 16383 characters");
    return Write([&]() -> Win32Error {
        if (Win32Error error = CheckKey(key))
            return error;
        Statement upsert(m_db,
                         "INSERT INTO vals(key, name, folded, type, data) VALUES (?, ?, ?, ?, ?) "
                         "ON CONFLICT(key, folded) DO UPDATE SET type = excluded.type, data = excluded.data");
        if (!upsert.Prepared())
            return FailSql("setting a value");
        upsert.Bind(1, key);
        upsert.Bind(2, name);
        upsert.Bind(3, FoldName(name));
        upsert.Bind(4, static_cast<std::int64_t>(type));
        upsert.Bind(5, data);
        if (upsert.Step() != SQLITE_DONE)
            return FailSql("setting a value");
        return platform::kErrorSuccess;
    });
}

Win32Error RegistryStore::GetValue(KeyId key, std::string_view name, StoredValue& value)
{
    return Read([&]() -> Win32Error {
        if (Win32Error error = CheckKey(key))
            return error;
        if (name.size() > kMaxValueNameLength)
            return platform::kErrorFileNotFound;
        Statement find(m_db, "SELECT name, type, data FROM vals WHERE key = ? AND folded = ?");
        if (!find.Prepared())
            return FailSql("reading a value");
        find.Bind(1, key);
        find.Bind(2, FoldName(name));
        const int rc = find.Step();
        if (rc == SQLITE_DONE)
            return platform::kErrorFileNotFound;
        if (rc != SQLITE_ROW)
            return FailSql("reading a value");
        value.name = find.Text(0);
        value.type = static_cast<std::uint32_t>(find.Int(1));
        value.data = find.Bytes(2);
        return platform::kErrorSuccess;
    });
}

Win32Error RegistryStore::DeleteValue(KeyId key, std::string_view name)
{
    return Write([&]() -> Win32Error {
        if (Win32Error error = CheckKey(key))
            return error;
        Statement remove(m_db, "DELETE FROM vals WHERE key = ? AND folded = ?");
        if (!remove.Prepared())
            return FailSql("deleting a value");
        remove.Bind(1, key);
        remove.Bind(2, FoldName(name));
        if (remove.Step() != SQLITE_DONE)
            return FailSql("deleting a value");
        return sqlite3_changes(m_db) > 0 ? platform::kErrorSuccess : platform::kErrorFileNotFound;
    });
}

Win32Error RegistryStore::ListValues(KeyId key, std::vector<StoredValue>& values)
{
    values.clear();
    return Read([&]() -> Win32Error {
        if (Win32Error error = CheckKey(key))
            return error;
        Statement list(m_db, "SELECT name, type, data FROM vals WHERE key = ? ORDER BY id");
        if (!list.Prepared())
            return FailSql("listing values");
        list.Bind(1, key);
        int rc = SQLITE_ROW;
        while ((rc = list.Step()) == SQLITE_ROW)
            values.push_back({list.Text(0), static_cast<std::uint32_t>(list.Int(1)), list.Bytes(2)});
        return rc == SQLITE_DONE ? platform::kErrorSuccess : FailSql("listing values");
    });
}

Win32Error RegistryStore::ListSubKeys(KeyId key, std::vector<std::string>& names)
{
    names.clear();
    return Read([&]() -> Win32Error {
        if (Win32Error error = CheckKey(key))
            return error;
        Statement list(m_db, "SELECT name FROM keys WHERE parent = ? ORDER BY folded, name");
        if (!list.Prepared())
            return FailSql("listing subkeys");
        list.Bind(1, key);
        int rc = SQLITE_ROW;
        while ((rc = list.Step()) == SQLITE_ROW)
            names.push_back(list.Text(0));
        return rc == SQLITE_DONE ? platform::kErrorSuccess : FailSql("listing subkeys");
    });
}

Win32Error RegistryStore::Clear()
{
    return Write([&]() -> Win32Error {
        if (Win32Error error = Exec("DELETE FROM vals", "clearing the store"))
            return error;
        return Exec("DELETE FROM keys WHERE id > 2", "clearing the store");
    });
}

Win32Error RegistryStore::SetNote(std::string_view name, std::string_view text)
{
    return Write([&]() -> Win32Error {
        Statement upsert(m_db, "INSERT INTO meta(name, value) VALUES (?, ?) "
                               "ON CONFLICT(name) DO UPDATE SET value = excluded.value");
        if (!upsert.Prepared())
            return FailSql("writing a note");
        upsert.BindText(1, name);
        upsert.BindText(2, text);
        return upsert.Step() == SQLITE_DONE ? platform::kErrorSuccess : FailSql("writing a note");
    });
}

Win32Error RegistryStore::GetNote(std::string_view name, std::string& text)
{
    Statement find(m_db, "SELECT value FROM meta WHERE name = ?");
    if (!find.Prepared())
        return FailSql("reading a note");
    find.BindText(1, name);
    const int rc = find.Step();
    if (rc == SQLITE_ROW) {
        text = find.Text(0);
        return platform::kErrorSuccess;
    }
    return rc == SQLITE_DONE ? platform::kErrorFileNotFound : FailSql("reading a note");
}

}  // namespace machine
