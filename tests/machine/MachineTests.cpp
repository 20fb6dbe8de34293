#include "machine/MachineFolder.h"
#include "machine/RegistryPaths.h"
#include "tests/machine/MachineFixture.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using machine::Machine;
using machine::MachineOptions;
using machine::MachineStatus;
using machinetest::MachineTest;
using machinetest::TempFolder;
using platform::RootKey;

std::vector<std::string> EntriesOf(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(MachineTest, AFreshMachineHasTheStockImageOfWindowsXp)
{
    std::vector<machine::PortRecord> ports;
    ASSERT_EQ(Inspect().ListPorts(ports), platform::kErrorSuccess);
    std::vector<std::string> names;
    for (const auto& port : ports) {
        names.push_back(port.name);
        EXPECT_EQ(port.monitor, "Local Port");
        EXPECT_EQ(port.description, "Local Port");
    }
    EXPECT_EQ(names, (std::vector<std::string>{"COM1:", "COM2:", "COM3:", "COM4:", "LPT1:", "LPT2:", "LPT3:", "FILE:"}));
    EXPECT_EQ(ValueText(RootKey::LocalMachine, machine::kPortsKey, "COM3:"), "9600,n,8,1");
    EXPECT_EQ(ValueText(RootKey::LocalMachine, machine::kPortsKey, "LPT2:"), "");

    machine::StoredValue device;
    EXPECT_EQ(Inspect().QueryValue(RootKey::CurrentUser, machine::kHkcuWindowsKey, "Device", device),
              platform::kErrorFileNotFound)
        << "a fresh system has no default printer";
    EXPECT_EQ(ValueText(RootKey::LocalMachine, machine::kMachineWindowsKey, "TransmissionRetryTimeout"), "90");

    std::vector<std::string> monitors;
    ASSERT_EQ(Inspect().ListMonitors(monitors), platform::kErrorSuccess);
    EXPECT_EQ(monitors, (std::vector<std::string>{"Local Port"}));
    const std::string environment = std::string(machine::kEnvironmentsKey) + "\\Windows NT x86";
    for (const std::string& key : {environment + "\\Drivers\\Version-2", environment + "\\Drivers\\Version-3",
                                   environment + "\\Print Processors\\WinPrint", std::string(machine::kPrintersKey)}) {
        std::vector<machine::StoredValue> values;
        std::vector<std::string> subKeys;
        EXPECT_EQ(Inspect().QueryKey(RootKey::LocalMachine, key, values, subKeys), platform::kErrorSuccess) << key;
    }
    std::vector<machine::PrinterRecord> printers;
    std::vector<machine::DriverRecord> drivers;
    ASSERT_EQ(Inspect().ListPrinters(printers), platform::kErrorSuccess);
    ASSERT_EQ(Inspect().ListDrivers(drivers), platform::kErrorSuccess);
    EXPECT_TRUE(printers.empty());
    EXPECT_TRUE(drivers.empty());
    EXPECT_TRUE(std::filesystem::is_directory(DriverFolder()));
    std::string image;
    ASSERT_EQ(Inspect().ImageVersionName(image), platform::kErrorSuccess);
    EXPECT_EQ(image, "xp");
}

TEST_F(MachineTest, ReopeningKeepsWhatTheMachineHolds)
{
    platform::ScopedRegKey key(m_machine->GetRegistry());
    ASSERT_EQ(key.Open(RootKey::CurrentUser, machine::kHkcuWindowsKey, platform::kKeySetValue), platform::kErrorSuccess);
    const auto data = machine::EncodeSz("P,winspool,LPT1:");
    ASSERT_EQ(m_machine->GetRegistry().SetValue(key.Get(), "Device", platform::kRegSz, data), platform::kErrorSuccess);
    key.Close();

    Open(machine::WindowsVersion::Windows7);  // the version only matters for a new machine
    EXPECT_EQ(ValueText(RootKey::CurrentUser, machine::kHkcuWindowsKey, "Device"), "P,winspool,LPT1:");
    machine::MachineVersion version;
    ASSERT_EQ(Inspect().TrueVersion(version), platform::kErrorSuccess);
    EXPECT_EQ(version.minor, 1u);
    EXPECT_EQ(version.major, 5u);
}

TEST_F(MachineTest, ResetBringsBackTheStockImageOfTheVersionAsked)
{
    machinetest::WriteFile(DriverFolder() / "TRX.DLL", "driver");
    m_machine->GetSystem().Trace("LPT1:\n");
    machine::RegistryStore& store = m_machine->GetStore();
    machine::RegistryStore::KeyId ports = 0;
    ASSERT_EQ(store.FindKey(store.Root(RootKey::LocalMachine), machine::kPortsKey, ports), platform::kErrorSuccess);
    ASSERT_EQ(store.SetValue(ports, "COM9:", platform::kRegSz, machine::EncodeSz("")), platform::kErrorSuccess);

    const MachineStatus reset = m_machine->Reset(machine::WindowsVersion::Windows2000);
    ASSERT_TRUE(reset.Ok()) << reset.message;

    std::vector<machine::PortRecord> ports2;
    ASSERT_EQ(Inspect().ListPorts(ports2), platform::kErrorSuccess);
    EXPECT_EQ(ports2.size(), 8u);
    machine::MachineVersion version;
    ASSERT_EQ(Inspect().TrueVersion(version), platform::kErrorSuccess);
    EXPECT_EQ(version.major, 5u);
    EXPECT_EQ(version.minor, 0u);
    std::string trace;
    ASSERT_EQ(Inspect().ReadTrace(trace), platform::kErrorSuccess);
    EXPECT_EQ(trace, "");
    const auto driveC = m_folder.Path() / "machine" / "drive_c";
    EXPECT_EQ(EntriesOf(driveC), (std::vector<std::string>{"WINNT"}));
    EXPECT_TRUE(std::filesystem::is_directory(driveC / "WINNT" / "system32" / "spool" / "drivers" / "w32x86"));
    // Handles keep working on the new store.
    std::array<char, 255> buffer{};
    std::uint32_t needed = 0;
    ASSERT_EQ(m_machine->GetSpooler().GetDriverDirectory("Windows NT x86", 1, buffer, needed), platform::kErrorSuccess);
    EXPECT_STREQ(buffer.data(), "C:\\WINNT\\system32\\spool\\drivers\\w32x86");
}

TEST(MachineCreation, ProcessesStartingTogetherShareOneImage)
{
    TempFolder folder;
    const auto place = folder.Path() / "state" / "machine";
    constexpr int kProcesses = 4;
    std::vector<pid_t> children;
    for (int i = 0; i < kProcesses; ++i) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::unique_ptr<Machine> machine;
            MachineOptions options;
            options.version = i % 2 ? machine::WindowsVersion::Windows7 : machine::WindowsVersion::WindowsXp;
            if (!Machine::Open(place, options, machine).Ok())
                ::_exit(1);
            std::vector<machine::PortRecord> ports;
            machine::MachineInspector inspector(*machine);
            ::_exit(inspector.ListPorts(ports) == platform::kErrorSuccess && ports.size() == 8 ? 0 : 2);
        }
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    EXPECT_EQ(EntriesOf(place), (std::vector<std::string>{"drive_c", "machine.lock", "registry.db"}))
        << "no second store and no leftover of a build";
    std::unique_ptr<Machine> machine;
    ASSERT_TRUE(Machine::Open(place, {}, machine).Ok());
    std::string image;
    machine::MachineInspector inspector(*machine);
    ASSERT_EQ(inspector.ImageVersionName(image), platform::kErrorSuccess);
    EXPECT_TRUE(image == "xp" || image == "7") << image;
    EXPECT_EQ(EntriesOf(place / "drive_c").size(), 1u) << "one image's folders only";
}

TEST(MachineCreation, UnusableFoldersGiveAClearErrorAndAreLeftAlone)
{
    TempFolder folder;
    const auto foreign = folder.Path() / "foreign";
    machinetest::WriteFile(foreign / "notes.txt", "mine");
    const auto file = folder.Path() / "plain-file";
    machinetest::WriteFile(file, "x");
    const auto corrupt = folder.Path() / "corrupt";
    machinetest::WriteFile(corrupt / "registry.db", std::string(4096, '\x01'));
    const auto storeIsFolder = folder.Path() / "store-is-folder";
    std::filesystem::create_directories(storeIsFolder / "registry.db");
    const auto underFile = file / "machine";

    struct Case {
        std::filesystem::path folder;
        platform::Win32Error error;
        std::string names;
    };
    const Case cases[] = {
        {foreign, platform::kErrorAlreadyExists, foreign.string()},
        {file, platform::kErrorPathNotFound, file.string()},
        {corrupt, platform::kErrorBadDatabase, (corrupt / "registry.db").string()},
        {storeIsFolder, platform::kErrorAccessDenied, (storeIsFolder / "registry.db").string()},
        {underFile, platform::kErrorAccessDenied, underFile.string()},
    };
    for (const Case& c : cases) {
        std::unique_ptr<Machine> machine;
        const MachineStatus status = Machine::Open(c.folder, {}, machine);
        EXPECT_EQ(status.error, c.error) << c.folder << ": " << status.message;
        EXPECT_FALSE(machine);
        EXPECT_NE(status.message.find(c.names), std::string::npos) << status.message;
    }
    EXPECT_EQ(EntriesOf(foreign), (std::vector<std::string>{"notes.txt"}));
    EXPECT_EQ(machinetest::ReadFile(corrupt / "registry.db"), std::string(4096, '\x01'));
}

TEST(MachineCreation, ABuildThatDiedHalfWayIsClearedAndDoneAgain)
{
    TempFolder folder;
    const auto place = folder.Path() / "machine";
    machinetest::WriteFile(place / "registry.db.new-AbC123", "half a store");
    machinetest::WriteFile(place / "registry.db.new-AbC123-journal", "its journal");
    std::filesystem::create_directories(place / "drive_c" / "WINDOWS");
    std::unique_ptr<Machine> machine;
    const MachineStatus status = Machine::Open(place, {}, machine);
    ASSERT_TRUE(status.Ok()) << status.message;
    EXPECT_EQ(EntriesOf(place), (std::vector<std::string>{"drive_c", "machine.lock", "registry.db"}));
}

TEST_F(MachineTest, AMachineHeldTooLongByAnotherProcessSaysSoAndWritesNothing)
{
    std::unique_ptr<Machine> other;
    MachineOptions impatient;
    impatient.busyTimeout = std::chrono::milliseconds(20);
    ASSERT_TRUE(Machine::Open(m_folder.Path() / "machine", impatient, other).Ok());
    machinetest::WriteFile(DriverFolder() / "A.DLL", "a");

    spooler::DriverInfo3 driver;
    driver.cVersion = 3;
    driver.pName = "Held";
    driver.pDriverPath = driver.pDataFile = driver.pConfigFile = "\\A.DLL";
    platform::Win32Error added = platform::kErrorSuccess;
    const platform::Win32Error holder = m_machine->GetStore().Write([&] {
        added = other->GetSpooler().AddDriver(3, driver);
        return platform::kErrorSuccess;
    });
    ASSERT_EQ(holder, platform::kErrorSuccess);
    EXPECT_EQ(added, platform::kErrorBusy);
    EXPECT_NE(other->GetStore().LastErrorText().find("in use by another process"), std::string::npos);
    std::vector<machine::DriverRecord> drivers;
    ASSERT_EQ(Inspect().ListDrivers(drivers), platform::kErrorSuccess);
    EXPECT_TRUE(drivers.empty());
    EXPECT_EQ(other->GetSpooler().AddDriver(3, driver), platform::kErrorSuccess) << "its turn comes after";
}

TEST(MachineFolder, ResolvesFromTheEnvironment)
{
    struct Saved {
        const char* name;
        std::optional<std::string> value;
    };
    std::vector<Saved> saved;
    for (const char* name : {"VORNEX_MACHINE", "XDG_STATE_HOME", "HOME"}) {
        const char* value = std::getenv(name);
        saved.push_back({name, value ? std::optional<std::string>(value) : std::nullopt});
    }
    struct Case {
        const char* machineVar;
        const char* stateHome;
        const char* home;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"/m", "/s", "/h", "/m"},
        {"", "/s", "/h", "/s/vornex/machine"},
        {nullptr, "/s", "/h", "/s/vornex/machine"},
        {nullptr, "", "/h", "/h/.local/state/vornex/machine"},
        {nullptr, nullptr, nullptr, std::nullopt},
    };
    for (const Case& c : cases) {
        const char* values[] = {c.machineVar, c.stateHome, c.home};
        for (std::size_t i = 0; i < 3; ++i) {
            if (values[i])
                ::setenv(saved[i].name, values[i], 1);
            else
                ::unsetenv(saved[i].name);
        }
        std::filesystem::path folder;
        const MachineStatus status = machine::ResolveMachineFolder(folder);
        EXPECT_EQ(status.Ok(), c.expected.has_value());
        if (c.expected)
            EXPECT_EQ(folder, *c.expected);
        else
            EXPECT_FALSE(status.message.empty());
    }
    for (const Saved& s : saved) {
        if (s.value)
            ::setenv(s.name, s.value->c_str(), 1);
        else
            ::unsetenv(s.name);
    }
}

TEST_F(MachineTest, TraceAppendsTextAsGivenAndProcessesDoNotMixLines)
{
    m_machine->GetSystem().Trace("LPT1:\n");
    m_machine->GetSystem().Trace("");
    m_machine->GetSystem().Trace("no line feed");
    std::string trace;
    ASSERT_EQ(Inspect().ReadTrace(trace), platform::kErrorSuccess);
    EXPECT_EQ(trace, "LPT1:\nno line feed");

    ASSERT_TRUE(m_machine->Reset(machine::kDefaultWindowsVersion).Ok());
    constexpr int kLines = 300;
    std::vector<pid_t> children;
    for (char letter : {'a', 'b'}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const std::string line = std::string(2000, letter) + "\n";
            for (int i = 0; i < kLines; ++i)
                m_machine->GetSystem().Trace(line);
            ::_exit(0);
        }
        children.push_back(child);
    }
    for (pid_t child : children)
        ::waitpid(child, nullptr, 0);
    ASSERT_EQ(Inspect().ReadTrace(trace), platform::kErrorSuccess);
    std::size_t lines = 0;
    for (std::size_t at = 0; at < trace.size(); ++lines) {
        const std::size_t end = trace.find('\n', at);
        ASSERT_NE(end, std::string::npos);
        const std::string line = trace.substr(at, end - at);
        ASSERT_EQ(line.size(), 2000u);
        ASSERT_EQ(line.find_first_not_of(line[0]), std::string::npos) << "a line holds two processes' text";
        at = end + 1;
    }
    EXPECT_EQ(lines, 2u * kLines);
}

}  // namespace
