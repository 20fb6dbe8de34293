// The install procedure against a real host machine in a temporary folder: what a
// user's machine ends up holding, read back through the machine's own inspector.

#include "install/InstallProcedure.h"
#include "machine/Machine.h"
#include "machine/MachineInspector.h"
#include "tests/support/NoWaitSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

namespace fs = std::filesystem;
using install::InstallChoices;
using install::InstallReport;
using install::PrinterOutcome;
using install::ValueOutcome;

std::vector<char> ReadAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A machine folder and a working folder holding the sample win2k/, both temporary;
// the test runs with the working folder as its current directory, as a user runs the
// installer from the folder it was unpacked into.
class HostInstallTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "vornex-host-install-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_root = pattern;
        fs::create_directories(m_root / "work");
        fs::copy(VORNEX_SAMPLE_DIR, m_root / "work" / "win2k");
        m_previousDirectory = fs::current_path();
        fs::current_path(m_root / "work");

        const machine::MachineStatus status = machine::Machine::Open(m_root / "machine", {}, m_machine);
        ASSERT_TRUE(status.Ok()) << status.message;
        m_system = std::make_unique<fakes::NoWaitSystem>(m_machine->GetSystem());
    }

    void TearDown() override
    {
        m_machine.reset();
        fs::current_path(m_previousDirectory);
        fs::remove_all(m_root);
    }

    InstallReport Install(const InstallChoices& choices)
    {
        const install::InstallServices services{
            m_machine->GetSpooler(), m_machine->GetRegistry(), m_machine->GetFiles(), *m_system,
            [this](int position) { m_progress.push_back(position); },
            [this](const std::string& text) { m_messages.push_back(text); }};
        return install::RunInstallProcedure(choices, services);
    }

    std::string RegistryText(platform::RootKey root, const std::string& key, const std::string& value)
    {
        machine::StoredValue stored;
        const auto error = machine::MachineInspector(*m_machine).QueryValue(root, key, value, stored);
        if (error != platform::kErrorSuccess)
            return "<error " + std::to_string(error) + ">";
        return std::string(stored.data.begin(), stored.data.end());
    }

    std::vector<machine::PrinterRecord> Printers()
    {
        std::vector<machine::PrinterRecord> printers;
        EXPECT_EQ(machine::MachineInspector(*m_machine).ListPrinters(printers), platform::kErrorSuccess);
        return printers;
    }

    fs::path m_root;
    fs::path m_previousDirectory;
    std::unique_ptr<machine::Machine> m_machine;
    std::unique_ptr<fakes::NoWaitSystem> m_system;
    std::vector<int> m_progress;
    std::vector<std::string> m_messages;
};

TEST_F(HostInstallTest, StagesRegistersAndCreatesThePrinter)
{
    InstallChoices choices;
    choices.moduleRow = 3;
    choices.portName = "LPT1:";
    const InstallReport report = Install(choices);

    ASSERT_TRUE(report.Succeeded()) << report.Describe();
    EXPECT_EQ(m_progress, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 95, 100}));
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(m_system->Sleeps(), std::vector<std::uint32_t>{500});

    // Every staged file is byte for byte the one in win2k.
    ASSERT_TRUE(report.driverDirectory.has_value());
    const machine::MappedPath directory = m_machine->GetPaths().Map(*report.driverDirectory);
    ASSERT_EQ(directory.error, platform::kErrorSuccess) << directory.why;
    ASSERT_EQ(report.files.size(), 10u);
    for (const install::FileCopyResult& file : report.files) {
        SCOPED_TRACE(file.fileName);
        EXPECT_TRUE(file.Copied());
        const std::vector<char> staged = ReadAll(directory.hostPath / file.fileName);
        EXPECT_FALSE(staged.empty());
        EXPECT_EQ(staged, ReadAll(fs::path("win2k") / file.fileName));
    }

    std::vector<machine::DriverRecord> drivers;
    ASSERT_EQ(machine::MachineInspector(*m_machine).ListDrivers(drivers), platform::kErrorSuccess);
    ASSERT_EQ(drivers.size(), 1u);
    EXPECT_EQ(drivers[0].name, "TR-A4");
    EXPECT_EQ(drivers[0].environment, "Windows NT x86");
    EXPECT_EQ(drivers[0].version, 2u);
    EXPECT_EQ(drivers[0].dependentFiles,
              (std::vector<std::string>{"ttfsub.GPD", "unires.DLL", "stdnames.GPD", "KOEMUNI.ini",
                                        "KOEMUNI.dll", "TRX2.DLL"}));

    const std::vector<machine::PrinterRecord> printers = Printers();
    ASSERT_EQ(printers.size(), 1u);
    EXPECT_EQ(printers[0].name, "TR-A4");
    EXPECT_EQ(printers[0].port, "LPT1:");
    EXPECT_EQ(printers[0].driver, "TR-A4");
    EXPECT_EQ(printers[0].printProcessor, "WinPrint");
    EXPECT_EQ(printers[0].dataType, "RAW");

    EXPECT_EQ(RegistryText(platform::RootKey::CurrentUser,
                           "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows", "Device"),
              std::string("TR-A4,winspool,LPT1:") + '\0');
}

TEST_F(HostInstallTest, SecondRunFindsThePrinterAndWritesTheValuesAgain)
{
    InstallChoices choices;
    choices.portRow = 4;  // the hidden port combo on COM2
    choices.serial = {4, 3, 0, 2, 0};  // 9600, 8, 1, None, no flow control
    choices.portName = "COM1:";

    ASSERT_TRUE(Install(choices).Succeeded());
    const InstallReport second = Install(choices);

    EXPECT_TRUE(second.Succeeded()) << second.Describe();
    EXPECT_EQ(second.printer, PrinterOutcome::AlreadyPresent);
    EXPECT_EQ(second.defaultPrinter.outcome, ValueOutcome::Written);
    EXPECT_EQ(second.serialSettings.outcome, ValueOutcome::Written);
    EXPECT_EQ(Printers().size(), 1u);
    // The serial value follows the hidden combo (COM2), not the printer's port.
    EXPECT_EQ(RegistryText(platform::RootKey::LocalMachine,
                           "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports", "COM2:"),
              std::string("9600,N,8,1, ") + '\0');
}

TEST_F(HostInstallTest, MissingDriverFileIsReportedAndNoPrinterAppears)
{
    fs::remove(fs::path("win2k") / "TRX.DLL");
    InstallChoices choices;
    choices.moduleRow = 0;
    choices.portName = "LPT1:";

    const InstallReport report = Install(choices);

    EXPECT_FALSE(report.Succeeded());
    EXPECT_EQ(report.FileNamesNotCopied(), std::vector<std::string>{"TRX.DLL"});
    EXPECT_NE(report.driverError, platform::kErrorSuccess);
    EXPECT_EQ(report.printer, PrinterOutcome::Failed);
    EXPECT_NE(report.Describe().find("TRX.DLL"), std::string::npos) << report.Describe();
    EXPECT_TRUE(Printers().empty());
    EXPECT_EQ(m_progress.back(), 100);  // every step still ran, as the user expects
}

TEST_F(HostInstallTest, NoWin2kFolderAtAll)
{
    fs::remove_all("win2k");
    InstallChoices choices;
    choices.portName = "LPT1:";

    const InstallReport report = Install(choices);

    EXPECT_FALSE(report.Succeeded());
    EXPECT_EQ(report.FileNamesNotCopied().size(), 10u);
    EXPECT_TRUE(Printers().empty());
}

}  // namespace
