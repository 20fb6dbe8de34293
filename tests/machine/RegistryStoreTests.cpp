#include "machine/RegData.h"
#include "machine/RegistryStore.h"
#include "tests/machine/TempFolder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using machine::RegistryStore;
using machine::RootKey;
using machine::StoredValue;
using machinetest::TempFolder;
using namespace std::chrono_literals;

constexpr auto kTestBusyTimeout = 5000ms;

std::vector<std::string> Names(const std::vector<StoredValue>& values)
{
    std::vector<std::string> names;
    for (const StoredValue& value : values)
        names.push_back(value.name);
    return names;
}

class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const machine::MachineStatus created = RegistryStore::Create(File(), kTestBusyTimeout, m_store);
        ASSERT_TRUE(created.Ok()) << created.message;
    }

    std::filesystem::path File() const { return m_folder / "registry.db"; }
    RegistryStore::KeyId Machine() const { return m_store->Root(RootKey::LocalMachine); }

    RegistryStore::KeyId MakeKey(const std::string& path)
    {
        RegistryStore::KeyId key = 0;
        EXPECT_EQ(m_store->CreateKey(Machine(), path, key), platform::kErrorSuccess);
        return key;
    }

    std::unique_ptr<RegistryStore> OpenSecond(std::chrono::milliseconds busyTimeout = kTestBusyTimeout)
    {
        std::unique_ptr<RegistryStore> second;
        const machine::MachineStatus opened = RegistryStore::Open(File(), busyTimeout, second);
        EXPECT_TRUE(opened.Ok()) << opened.message;
        return second;
    }

    TempFolder m_folder;
    std::unique_ptr<RegistryStore> m_store;
};

TEST_F(RegistryStoreTest, NamesCompareWithoutCaseAndKeepTheCaseTheyWereMadeWith)
{
    const RegistryStore::KeyId made = MakeKey("Software\\Vendor");
    RegistryStore::KeyId found = 0;
    ASSERT_EQ(m_store->FindKey(Machine(), "SOFTWARE\\vendor", found), platform::kErrorSuccess);
    EXPECT_EQ(found, made);
    std::string name;
    ASSERT_EQ(m_store->KeyName(found, name), platform::kErrorSuccess);
    EXPECT_EQ(name, "Vendor");

    RegistryStore::KeyId again = 0;
    ASSERT_EQ(m_store->CreateKey(Machine(), "software\\VENDOR", again), platform::kErrorSuccess);
    EXPECT_EQ(again, made) << "creating an existing key under another case makes no second key";

    ASSERT_EQ(m_store->SetValue(made, "Device", platform::kRegSz, machine::EncodeSz("one")), platform::kErrorSuccess);
    ASSERT_EQ(m_store->SetValue(made, "DEVICE", platform::kRegSz, machine::EncodeSz("two")), platform::kErrorSuccess);
    std::vector<StoredValue> values;
    ASSERT_EQ(m_store->ListValues(made, values), platform::kErrorSuccess);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].name, "Device");
    EXPECT_EQ(machine::DecodeSz(values[0].data), "two");
}

TEST_F(RegistryStoreTest, ValuesListInTheOrderTheyWereFirstSet)
{
    const RegistryStore::KeyId key = MakeKey("Ports");
    for (const char* name : {"COM1:", "LPT1:", "FILE:", "COM2:"})
        ASSERT_EQ(m_store->SetValue(key, name, platform::kRegSz, machine::EncodeSz("")), platform::kErrorSuccess);
    // Replacing keeps the place, deleting frees it, a new value goes last.
    ASSERT_EQ(m_store->SetValue(key, "lpt1:", platform::kRegSz, machine::EncodeSz("x")), platform::kErrorSuccess);
    ASSERT_EQ(m_store->DeleteValue(key, "FILE:"), platform::kErrorSuccess);
    ASSERT_EQ(m_store->SetValue(key, "NUL:", platform::kRegSz, machine::EncodeSz("")), platform::kErrorSuccess);
    std::vector<StoredValue> values;
    ASSERT_EQ(m_store->ListValues(key, values), platform::kErrorSuccess);
    EXPECT_EQ(Names(values), (std::vector<std::string>{"COM1:", "LPT1:", "COM2:", "NUL:"}));

    std::vector<std::string> subKeys;
    MakeKey("Ports\\b");
    MakeKey("Ports\\A");
    MakeKey("Ports\\c");
    ASSERT_EQ(m_store->ListSubKeys(key, subKeys), platform::kErrorSuccess);
    EXPECT_EQ(subKeys, (std::vector<std::string>{"A", "b", "c"}));
}

TEST_F(RegistryStoreTest, FindingAKeyNeverCreatesIt)
{
    RegistryStore::KeyId key = 0;
    EXPECT_EQ(m_store->FindKey(Machine(), "SOFTWARE\\Missing\\Deeper", key), platform::kErrorFileNotFound);
    EXPECT_EQ(m_store->FindKey(Machine(), "SOFTWARE\\Missing", key), platform::kErrorFileNotFound);
    EXPECT_EQ(m_store->FindKey(Machine(), "SOFTWARE", key), platform::kErrorFileNotFound);
    std::vector<std::string> subKeys;
    ASSERT_EQ(m_store->ListSubKeys(Machine(), subKeys), platform::kErrorSuccess);
    EXPECT_TRUE(subKeys.empty());
}

TEST_F(RegistryStoreTest, KeyPathSyntax)
{
    const RegistryStore::KeyId software = MakeKey("SOFTWARE\\Vendor");
    struct Case {
        std::string path;
        platform::Win32Error find;
        platform::Win32Error create;
    };
    const std::string longName(256, 'k');
    const Case cases[] = {
        {"SOFTWARE\\Vendor", platform::kErrorSuccess, platform::kErrorSuccess},
        {"SOFTWARE\\Vendor\\", platform::kErrorSuccess, platform::kErrorSuccess},
        {"\\SOFTWARE\\Vendor", machine::kErrorBadPathname, machine::kErrorBadPathname},
        {"SOFTWARE\\\\Vendor", machine::kErrorBadPathname, machine::kErrorBadPathname},
        {"SOFTWARE\\" + longName, platform::kErrorFileNotFound, platform::kErrorInvalidParameter},
        {"SOFTWARE\\" + std::string(255, 'k'), platform::kErrorFileNotFound, platform::kErrorSuccess},
    };
    for (const Case& c : cases) {
        RegistryStore::KeyId key = 0;
        EXPECT_EQ(m_store->FindKey(Machine(), c.path, key), c.find) << c.path.substr(0, 40);
        EXPECT_EQ(m_store->CreateKey(Machine(), c.path, key), c.create) << c.path.substr(0, 40);
    }
    RegistryStore::KeyId self = 0;
    ASSERT_EQ(m_store->FindKey(software, "", self), platform::kErrorSuccess);
    EXPECT_EQ(self, software);
}

TEST_F(RegistryStoreTest, ValuesKeepTheirTypeAndBytesExactly)
{
    const RegistryStore::KeyId key = MakeKey("Bytes");
    std::vector<std::uint8_t> binary;
    for (int i = 0; i < 256; ++i)
        binary.push_back(static_cast<std::uint8_t>(i));
    const std::string oddName = std::string("na\x01me\xff\t", 7);
    const StoredValue cases[] = {
        {"binary", platform::kRegBinary, binary},
        {"empty", platform::kRegBinary, {}},
        {"", platform::kRegSz, machine::EncodeSz("the default value")},
        {"multi", platform::kRegMultiSz, {'a', 0, 'b', 0, 0}},
        {"dword", platform::kRegDword, machine::EncodeDword(0xA1B2C3D4)},
        {oddName, platform::kRegExpandSz, machine::EncodeSz("%SystemRoot%")},
        {"big", platform::kRegBinary, std::vector<std::uint8_t>(64 * 1024, 0xAB)},
        {std::string(machine::kMaxValueNameLength, 'v'), platform::kRegSz, machine::EncodeSz("long name")},
    };
    for (const StoredValue& value : cases)
        ASSERT_EQ(m_store->SetValue(key, value.name, value.type, value.data), platform::kErrorSuccess);

    std::unique_ptr<RegistryStore> reopened = OpenSecond();
    for (const StoredValue& expected : cases) {
        StoredValue read;
        ASSERT_EQ(reopened->GetValue(key, expected.name, read), platform::kErrorSuccess) << expected.name.substr(0, 20);
        EXPECT_EQ(read.name, expected.name);
        EXPECT_EQ(read.type, expected.type);
        EXPECT_EQ(read.data, expected.data) << expected.name.substr(0, 20);
    }
    const std::string tooLong(machine::kMaxValueNameLength + 1, 'v');
    EXPECT_EQ(m_store->SetValue(key, tooLong, platform::kRegSz, machine::EncodeSz("")), platform::kErrorInvalidParameter);
    StoredValue none;
    EXPECT_EQ(m_store->GetValue(key, tooLong, none), platform::kErrorFileNotFound);
}

TEST_F(RegistryStoreTest, AFailedWriteLeavesNothingBehind)
{
    const RegistryStore::KeyId key = MakeKey("Kept");
    ASSERT_EQ(m_store->SetValue(key, "before", platform::kRegSz, machine::EncodeSz("1")), platform::kErrorSuccess);

    const platform::Win32Error result = m_store->Write([&]() -> platform::Win32Error {
        RegistryStore::KeyId made = 0;
        EXPECT_EQ(m_store->CreateKey(Machine(), "Half\\Written", made), platform::kErrorSuccess);
        EXPECT_EQ(m_store->SetValue(key, "during", platform::kRegSz, machine::EncodeSz("2")), platform::kErrorSuccess);
        EXPECT_EQ(m_store->SetValue(key, "before", platform::kRegSz, machine::EncodeSz("changed")), platform::kErrorSuccess);
        return platform::kErrorWriteFault;
    });
    EXPECT_EQ(result, platform::kErrorWriteFault);

    RegistryStore::KeyId half = 0;
    EXPECT_EQ(m_store->FindKey(Machine(), "Half", half), platform::kErrorFileNotFound);
    std::vector<StoredValue> values;
    ASSERT_EQ(m_store->ListValues(key, values), platform::kErrorSuccess);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(machine::DecodeSz(values[0].data), "1");
}

TEST_F(RegistryStoreTest, AFailedNestedWriteUndoesOnlyItsOwnPart)
{
    const RegistryStore::KeyId key = MakeKey("Nested");
    const platform::Win32Error result = m_store->Write([&]() -> platform::Win32Error {
        EXPECT_EQ(m_store->SetValue(key, "outer", platform::kRegSz, machine::EncodeSz("")), platform::kErrorSuccess);
        const platform::Win32Error inner = m_store->Write([&] {
            m_store->SetValue(key, "inner", platform::kRegSz, machine::EncodeSz(""));
            return platform::kErrorAccessDenied;
        });
        EXPECT_EQ(inner, platform::kErrorAccessDenied);
        return platform::kErrorSuccess;
    });
    ASSERT_EQ(result, platform::kErrorSuccess);
    std::vector<StoredValue> values;
    ASSERT_EQ(m_store->ListValues(key, values), platform::kErrorSuccess);
    EXPECT_EQ(Names(values), (std::vector<std::string>{"outer"}));
}

TEST_F(RegistryStoreTest, AProcessKilledInTheMiddleOfAWriteLeavesTheOldState)
{
    const RegistryStore::KeyId key = MakeKey("Crash");
    ASSERT_EQ(m_store->SetValue(key, "old", platform::kRegSz, machine::EncodeSz("kept")), platform::kErrorSuccess);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::unique_ptr<RegistryStore> store;
        if (!RegistryStore::Open(File(), kTestBusyTimeout, store).Ok())
            ::_exit(2);
        store->Write([&]() -> platform::Win32Error {
            for (int i = 0; i < 200; ++i)
                store->SetValue(key, "new" + std::to_string(i), platform::kRegBinary, std::vector<std::uint8_t>(4000, 7));
            store->SetValue(key, "old", platform::kRegSz, machine::EncodeSz("overwritten"));
            ::raise(SIGKILL);  // dies holding the write, its journal on disk
            return platform::kErrorSuccess;
        });
        ::_exit(3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child should have died in its write";

    m_store.reset();
    std::unique_ptr<RegistryStore> after = OpenSecond();
    ASSERT_TRUE(after);
    std::vector<StoredValue> values;
    ASSERT_EQ(after->ListValues(key, values), platform::kErrorSuccess);
    ASSERT_EQ(Names(values), (std::vector<std::string>{"old"}));
    EXPECT_EQ(machine::DecodeSz(values[0].data), "kept");
    EXPECT_EQ(after->SetValue(key, "later", platform::kRegSz, machine::EncodeSz("")), platform::kErrorSuccess);
}

TEST_F(RegistryStoreTest, TwoProcessesWritingAtOnceBothLand)
{
    const RegistryStore::KeyId key = MakeKey("Shared");
    constexpr int kPerProcess = 40;
    std::vector<pid_t> children;
    for (const char* prefix : {"a", "b"}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::unique_ptr<RegistryStore> store;
            if (!RegistryStore::Open(File(), kTestBusyTimeout, store).Ok())
                ::_exit(2);
            for (int i = 0; i < kPerProcess; ++i) {
                const platform::Win32Error error = store->Write([&] {
                    RegistryStore::KeyId sub = 0;
                    if (platform::Win32Error made = store->CreateKey(key, std::string(prefix) + std::to_string(i), sub))
                        return made;
                    return store->SetValue(key, std::string(prefix) + std::to_string(i), platform::kRegDword,
                                           machine::EncodeDword(static_cast<std::uint32_t>(i)));
                });
                if (error)
                    ::_exit(1);
            }
            ::_exit(0);
        }
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    std::vector<StoredValue> values;
    std::vector<std::string> subKeys;
    ASSERT_EQ(m_store->ListValues(key, values), platform::kErrorSuccess);
    ASSERT_EQ(m_store->ListSubKeys(key, subKeys), platform::kErrorSuccess);
    EXPECT_EQ(values.size(), 2u * kPerProcess);
    EXPECT_EQ(subKeys.size(), 2u * kPerProcess);
}

TEST_F(RegistryStoreTest, AStoreHeldTooLongByAnotherWriterGivesErrorBusyAndNothingHalfWritten)
{
    const RegistryStore::KeyId key = MakeKey("Busy");
    std::unique_ptr<RegistryStore> impatient = OpenSecond(20ms);
    ASSERT_TRUE(impatient);

    platform::Win32Error blocked = platform::kErrorSuccess;
    std::chrono::steady_clock::duration waited{};
    const platform::Win32Error holder = m_store->Write([&] {
        m_store->SetValue(key, "holder", platform::kRegSz, machine::EncodeSz(""));
        const auto start = std::chrono::steady_clock::now();
        blocked = impatient->Write([&] {
            return impatient->SetValue(key, "impatient", platform::kRegSz, machine::EncodeSz(""));
        });
        waited = std::chrono::steady_clock::now() - start;
        return platform::kErrorSuccess;
    });
    ASSERT_EQ(holder, platform::kErrorSuccess);
    EXPECT_EQ(blocked, platform::kErrorBusy);
    EXPECT_LT(waited, 2s);
    EXPECT_NE(impatient->LastErrorText().find("in use by another process"), std::string::npos);
    EXPECT_NE(impatient->LastErrorText().find(File().string()), std::string::npos);

    std::vector<StoredValue> values;
    ASSERT_EQ(impatient->ListValues(key, values), platform::kErrorSuccess);
    EXPECT_EQ(Names(values), (std::vector<std::string>{"holder"}));
    // Once the holder is done the other process gets its turn.
    EXPECT_EQ(impatient->SetValue(key, "impatient", platform::kRegSz, machine::EncodeSz("")), platform::kErrorSuccess);
}

TEST_F(RegistryStoreTest, DeletingAKeyTakesItsTreeAndLeavesHandlesKnowingIt)
{
    const RegistryStore::KeyId top = MakeKey("Tree");
    const RegistryStore::KeyId leaf = MakeKey("Tree\\Branch\\Leaf");
    ASSERT_EQ(m_store->SetValue(leaf, "v", platform::kRegSz, machine::EncodeSz("")), platform::kErrorSuccess);
    ASSERT_EQ(m_store->DeleteKeyTree(top), platform::kErrorSuccess);
    EXPECT_EQ(m_store->CheckKey(leaf), machine::kErrorKeyDeleted);
    EXPECT_EQ(m_store->SetValue(leaf, "v", platform::kRegSz, machine::EncodeSz("")), machine::kErrorKeyDeleted);
    EXPECT_EQ(m_store->DeleteKeyTree(Machine()), platform::kErrorAccessDenied);
}

class BadStoreFileTest : public ::testing::Test {
protected:
    machine::MachineStatus OpenFile(const std::filesystem::path& file)
    {
        std::unique_ptr<RegistryStore> store;
        machine::MachineStatus status = RegistryStore::Open(file, 100ms, store);
        EXPECT_EQ(status.Ok(), store != nullptr);
        return status;
    }
    TempFolder m_folder;
};

TEST_F(BadStoreFileTest, EachBadFileGivesAClearErrorNamingIt)
{
    const auto garbage = m_folder / "garbage.db";
    machinetest::WriteFile(garbage, std::string(8192, 'x'));

    const auto valid = m_folder / "valid.db";
    {
        std::unique_ptr<RegistryStore> store;
        ASSERT_TRUE(RegistryStore::Create(valid, 100ms, store).Ok());
    }
    // A sound SQLite database of somebody else's.
    const auto foreign = m_folder / "foreign.db";
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(foreign.c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE notes(text)", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
    const auto other = m_folder / "other.db";
    {
        std::unique_ptr<RegistryStore> store;
        ASSERT_TRUE(RegistryStore::Create(other, 100ms, store).Ok());
        ASSERT_EQ(store->SetNote("schema", "99"), platform::kErrorSuccess);
    }
    const auto truncated = m_folder / "truncated.db";
    std::filesystem::copy_file(valid, truncated);
    std::filesystem::resize_file(truncated, 100);

    const auto folder = m_folder / "folder.db";
    std::filesystem::create_directory(folder);

    struct Case {
        std::filesystem::path file;
        platform::Win32Error error;
        const char* says;
    };
    const Case cases[] = {
        {garbage, platform::kErrorBadDatabase, "not a registry store"},
        {foreign, platform::kErrorBadDatabase, "not a registry store of this machine"},
        {other, platform::kErrorBadDatabase, "unknown schema"},
        {truncated, platform::kErrorBadDatabase, ""},
        {folder, platform::kErrorAccessDenied, "not a regular file"},
        {m_folder / "missing.db", platform::kErrorFileNotFound, "does not exist"},
    };
    for (const Case& c : cases) {
        const machine::MachineStatus status = OpenFile(c.file);
        EXPECT_EQ(status.error, c.error) << c.file << ": " << status.message;
        EXPECT_NE(status.message.find(c.file.string()), std::string::npos) << status.message;
        EXPECT_NE(status.message.find(c.says), std::string::npos) << status.message;
    }
    EXPECT_FALSE(std::filesystem::exists(m_folder / "missing.db")) << "opening never creates a store";
}

TEST_F(BadStoreFileTest, DamageInsideTheFileIsFoundOnOpen)
{
    const auto file = m_folder / "damaged.db";
    {
        std::unique_ptr<RegistryStore> store;
        ASSERT_TRUE(RegistryStore::Create(file, 100ms, store).Ok());
        RegistryStore::KeyId key = 0;
        ASSERT_EQ(store->CreateKey(store->Root(RootKey::LocalMachine), "Filler", key), platform::kErrorSuccess);
        for (int i = 0; i < 50; ++i)
            ASSERT_EQ(store->SetValue(key, "v" + std::to_string(i), platform::kRegBinary, std::vector<std::uint8_t>(900, 1)),
                      platform::kErrorSuccess);
    }
    const auto size = std::filesystem::file_size(file);
    ASSERT_GT(size, 16u * 1024);
    {
        // Scribble over the middle pages, leaving the header intact.
        std::fstream out(file, std::ios::in | std::ios::out | std::ios::binary);
        out.seekp(static_cast<std::streamoff>(4096));
        const std::string noise(static_cast<std::size_t>(size) - 8192, '\x5a');
        out.write(noise.data(), static_cast<std::streamsize>(noise.size()));
    }
    std::unique_ptr<RegistryStore> store;
    const machine::MachineStatus status = RegistryStore::Open(file, 100ms, store);
    EXPECT_EQ(status.error, platform::kErrorBadDatabase) << status.message;
    EXPECT_NE(status.message.find(file.string()), std::string::npos) << status.message;
}

TEST(RootedKeyPath, ParsesTheRootNamesRegeditUses)
{
    struct Case {
        const char* text;
        bool ok;
        RootKey root;
        const char* rest;
    };
    const Case cases[] = {
        {"HKLM\\SOFTWARE\\x", true, RootKey::LocalMachine, "SOFTWARE\\x"},
        {"hkey_local_machine\\SYSTEM", true, RootKey::LocalMachine, "SYSTEM"},
        {"HKCU", true, RootKey::CurrentUser, ""},
        {"HKEY_CURRENT_USER\\Software", true, RootKey::CurrentUser, "Software"},
        {"HKCR\\x", false, RootKey::CurrentUser, ""},
        {"", false, RootKey::CurrentUser, ""},
    };
    for (const Case& c : cases) {
        RootKey root = RootKey::CurrentUser;
        std::string rest;
        EXPECT_EQ(machine::ParseRootedKeyPath(c.text, root, rest), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(root, c.root) << c.text;
            EXPECT_EQ(rest, c.rest) << c.text;
        }
    }
}

}  // namespace
