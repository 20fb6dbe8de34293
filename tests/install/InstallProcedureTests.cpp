#include "install/InstallProcedure.h"
#include "tests/support/FakeFiles.h"
#include "tests/support/FakeRegistry.h"
#include "tests/support/FakeSpooler.h"
#include "tests/support/FakeSystem.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace install {
namespace {

using namespace std::string_literals;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using platform::RootKey;

const std::string kDriverDir = "C:\\WINDOWS\\System32\\spool\\DRIVERS\\W32X86";
const std::string kDeviceKey(kDefaultPrinterKey);
const std::string kPorts(kPortsKey);

const char* const kSourceFiles[] = {
    "TRX.DLL",    "TRX2.DLL",   "TRA1.GPD",     "TRA2.GPD",     "TRA3.GPD",
    "TRA4.GPD",   "TRA5.GPD",   "uniDRVui.DLL", "uniDRV.DLL",   "UNIDRV.HLP",
    "UNIRES.DLL", "TTFSUB.GPD", "STDNAMES.GPD", "KOEMUNI.ini", "KOEMUNI.dll",
};

// What the doubles had seen when a progress position was reported.
struct ProgressSnapshot {
    int position;
    std::size_t copies;
    std::size_t driversAdded;
    std::size_t printersCreated;
    std::size_t valuesSet;
    std::size_t printersClosed;
    std::size_t sleeps;

    bool operator==(const ProgressSnapshot&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ProgressSnapshot& s)
{
    return out << "{" << s.position << ": copies " << s.copies << ", drivers " << s.driversAdded
               << ", printers " << s.printersCreated << ", values " << s.valuesSet << ", closed "
               << s.printersClosed << ", sleeps " << s.sleeps << "}";
}

class InstallProcedureTest : public ::testing::Test {
protected:
    InstallProcedureTest()
    {
        files.AddDirectory(kDriverDir);
        for (const char* name : kSourceFiles)
            files.AddFile("win2k\\"s + name, "contents of "s + name);
        registry.AddKey(RootKey::CurrentUser, kDeviceKey);
        registry.AddKey(RootKey::LocalMachine, kPorts);
        choices.portName = "LPT1:";
    }

    InstallReport Run() { return RunInstallProcedure(choices, services); }

    std::vector<int> Positions() const
    {
        std::vector<int> positions;
        for (const ProgressSnapshot& s : progress)
            positions.push_back(s.position);
        return positions;
    }

    fakes::FakeSpooler spooler;
    fakes::FakeRegistry registry;
    fakes::FakeFiles files;
    fakes::FakeSystem system;
    std::vector<ProgressSnapshot> progress;
    std::vector<std::string> messages;
    std::vector<std::size_t> openKeysAtMessage;
    InstallChoices choices;
    InstallServices services{
        spooler,
        registry,
        files,
        system,
        [this](int position) {
            progress.push_back({position, files.copyCalls.size(), spooler.addDriverCalls.size(),
                                spooler.createPrinterCalls.size(), registry.setCalls.size(),
                                spooler.closedPrinters.size(), system.sleeps.size()});
        },
        [this](const std::string& text) {
            messages.push_back(text);
            openKeysAtMessage.push_back(registry.OpenKeyCount());
        },
    };
};

const std::vector<int> kAllPositions{10, 20, 30, 40, 50, 60, 70, 80, 90, 95, 100};

TEST_F(InstallProcedureTest, RunsEveryStepInOrderAndReportsProgressAfterEach)
{
    choices.portRow = 3;
    const InstallReport report = Run();

    using S = ProgressSnapshot;
    EXPECT_THAT(progress, ElementsAre(S{10, 1, 0, 0, 0, 0, 0}, S{20, 2, 0, 0, 0, 0, 0},
                                      S{30, 3, 0, 0, 0, 0, 0}, S{40, 5, 0, 0, 0, 0, 0},
                                      S{50, 7, 0, 0, 0, 0, 0}, S{60, 10, 0, 0, 0, 0, 0},
                                      S{70, 10, 1, 0, 0, 0, 0}, S{80, 10, 1, 1, 0, 0, 0},
                                      S{90, 10, 1, 1, 1, 0, 0}, S{95, 10, 1, 1, 2, 0, 0},
                                      S{100, 10, 1, 1, 2, 1, 1}));
    EXPECT_THAT(spooler.calls,
                ElementsAre("GetDriverDirectory", "AddDriver", "CreatePrinter", "ClosePrinter"));
    EXPECT_THAT(system.sleeps, ElementsAre(500u));
    EXPECT_TRUE(spooler.OpenPrinters().empty());
    EXPECT_EQ(registry.OpenKeyCount(), 0u);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(report.Succeeded()) << report.Describe();
    EXPECT_EQ(report.Describe(), "The printer \"TR-A2\" was installed on port \"LPT1:\".");
}

TEST_F(InstallProcedureTest, AsksForTheDriverDirectoryWithAZeroFilledBuffer)
{
    Run();
    ASSERT_EQ(spooler.driverDirectoryCalls.size(), 1u);
    const auto& call = spooler.driverDirectoryCalls[0];
    EXPECT_EQ(call.environment, "Windows NT x86");
    EXPECT_EQ(call.level, 1u);
    EXPECT_EQ(call.bufferSize, 255u);
    EXPECT_TRUE(call.bufferZeroFilled);
}

TEST_F(InstallProcedureTest, StagesTheModuleFilesThenEverySupportFile)
{
    choices.moduleRow = 0;  // the plug-in pair is staged even though row 0 does not name it
    const InstallReport report = Run();

    std::vector<std::pair<std::string, std::string>> copies;
    for (const auto& call : files.copyCalls) {
        copies.emplace_back(call.source, call.target);
        EXPECT_FALSE(call.failIfExists);
    }
    using P = std::pair<std::string, std::string>;
    const std::string d = kDriverDir + "\\";
    EXPECT_THAT(copies, ElementsAre(P{"win2k\\TRX.DLL", d + "TRX.DLL"},
                                    P{"win2k\\TRA1.GPD", d + "TRA1.GPD"},
                                    P{"win2k\\uniDRVui.DLL", d + "uniDRVui.DLL"},
                                    P{"win2k\\uniDRV.DLL", d + "uniDRV.DLL"},
                                    P{"win2k\\UNIDRV.HLP", d + "UNIDRV.HLP"},
                                    P{"win2k\\UNIRES.DLL", d + "UNIRES.DLL"},
                                    P{"win2k\\TTFSUB.GPD", d + "TTFSUB.GPD"},
                                    P{"win2k\\STDNAMES.GPD", d + "STDNAMES.GPD"},
                                    P{"win2k\\KOEMUNI.ini", d + "KOEMUNI.ini"},
                                    P{"win2k\\KOEMUNI.dll", d + "KOEMUNI.dll"}));
    EXPECT_EQ(files.Content(d + "KOEMUNI.dll"), "contents of KOEMUNI.dll");
    ASSERT_EQ(report.files.size(), 10u);
    EXPECT_EQ(report.files[1].fileName, "TRA1.GPD");
    EXPECT_TRUE(report.files[1].Copied());
}

TEST_F(InstallProcedureTest, OverwritesFilesAlreadyInTheDriverDirectory)
{
    files.AddFile(kDriverDir + "\\TRX.DLL", "an older TRX.DLL");
    const InstallReport report = Run();
    EXPECT_EQ(files.Content(kDriverDir + "\\TRX.DLL"), "contents of TRX.DLL");
    EXPECT_TRUE(report.Succeeded());
}

struct DriverRecordCase {
    int row;
    const char* name;
    const char* dataFile;
    std::string dependentFiles;
};

TEST_F(InstallProcedureTest, RegistersTheDriverRecordFieldByField)
{
    const DriverRecordCase cases[] = {
        {0, "TR-A1", "\\TRA1.GPD", "\\ttfsub.GPD\0\\unires.DLL\0\\stdnames.GPD\0TRX.DLL\0\0"s},
        {2, "TR-A3", "\\TRA3.GPD", "\\ttfsub.GPD\0\\unires.DLL\0\\stdnames.GPD\0TRX2.DLL\0\0"s},
        {3, "TR-A4", "\\TRA4.GPD",
         "\\ttfsub.GPD\0\\unires.DLL\0\\stdnames.GPD\0\\KOEMUNI.ini\0\\KOEMUNI.dll\0TRX2.DLL\0\0"s},
    };
    for (const DriverRecordCase& c : cases) {
        SCOPED_TRACE(c.row);
        spooler.addDriverCalls.clear();
        choices.moduleRow = c.row;
        Run();
        ASSERT_EQ(spooler.addDriverCalls.size(), 1u);
        const auto& call = spooler.addDriverCalls[0];
        EXPECT_EQ(call.level, 3u);
        EXPECT_EQ(call.info.cVersion, 2u);
        EXPECT_EQ(call.info.name, c.name);
        EXPECT_EQ(call.info.environment, "Windows NT x86");
        EXPECT_EQ(call.info.driverPath, "\\uniDRV.DLL");
        EXPECT_EQ(call.info.dataFile, c.dataFile);
        EXPECT_EQ(call.info.configFile, "\\uniDRVui.DLL");
        EXPECT_EQ(call.info.helpFile, "\\uniDRV.HLP");
        EXPECT_EQ(call.info.dependentFiles, c.dependentFiles);
        EXPECT_EQ(call.info.monitorName, "");  // an empty text, not a null pointer
        EXPECT_EQ(call.info.defaultDataType, "RAW");
    }
}

TEST_F(InstallProcedureTest, CreatesThePrinterWithFiveFieldsAndNothingElse)
{
    choices.moduleRow = 4;
    choices.portName = "COM3:";
    Run();
    ASSERT_EQ(spooler.createPrinterCalls.size(), 1u);
    const auto& call = spooler.createPrinterCalls[0];
    EXPECT_EQ(call.level, 2u);
    const fakes::CapturedPrinter& p = call.info;
    EXPECT_EQ(p.printerName, "TR-A5");
    EXPECT_EQ(p.portName, "COM3:");
    EXPECT_EQ(p.driverName, "TR-A5");
    EXPECT_EQ(p.printProcessor, "WinPrint");
    EXPECT_EQ(p.dataType, "RAW");
    for (const auto* text : {&p.serverName, &p.shareName, &p.comment, &p.location, &p.sepFile,
                             &p.parameters})
        EXPECT_FALSE(text->has_value());
    EXPECT_FALSE(p.devModeGiven);
    EXPECT_FALSE(p.securityDescriptorGiven);
    for (const std::uint32_t field : {p.attributes, p.priority, p.defaultPriority, p.startTime,
                                      p.untilTime, p.status, p.jobs, p.averagePpm})
        EXPECT_EQ(field, 0u);
    ASSERT_EQ(spooler.closedPrinters.size(), 1u);
    EXPECT_EQ(spooler.closedPrinters[0], call.handle);
}

struct ValueCase {
    const char* what;
    int moduleRow;
    int portRow;
    SerialRows serial;
    const char* portName;
    bool setDefault;
    std::optional<std::string> device;
    const char* serialValueName;  // null: no serial value
    std::optional<std::string> serialText;
};

TEST_F(InstallProcedureTest, WritesTheDeviceAndSerialTexts)
{
    spooler.ports.push_back({"USB001", "USB Monitor", "Virtual printer port for USB"});
    const ValueCase cases[] = {
        {"default printer on a parallel row", 1, 0, {}, "LPT1:", true, "TR-A2,winspool,LPT1:",
         nullptr, std::nullopt},
        {"port name exactly as listed", 0, 1, {}, "USB001", true, "TR-A1,winspool,USB001", nullptr,
         std::nullopt},
        {"9600 N 8 1 none", 1, 3, {4, 3, 0, 2, 0}, "COM1:", false, std::nullopt, "COM1:",
         "9600,N,8,1, "},
        {"serial row follows the Detail page, not the printer's port", 2, 4, {}, "LPT1:", true,
         "TR-A3,winspool,LPT1:", "COM2:", "19200,N,8,1,p"},
        {"every other column", 3, 6, {8, 0, 1, 1, 1}, "COM4:", true, "TR-A4,winspool,COM4:",
         "COM4:", "115200,M,5,1.5,x"},
        {"even parity, two stop bits, hardware", 4, 5, {0, 2, 2, 0, 2}, "COM3:", true,
         "TR-A5,winspool,COM3:", "COM3:", "300,E,7,2,p"},
        {"odd and space", 4, 5, {1, 1, 0, 3, 0}, "COM3:", false, std::nullopt, "COM3:",
         "1200,O,6,1, "},
        {"space parity", 4, 5, {7, 3, 0, 4, 1}, "COM3:", false, std::nullopt, "COM3:",
         "57600,S,8,1,x"},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.what);
        fakes::FakeRegistry fresh;
        fresh.AddKey(RootKey::CurrentUser, kDeviceKey);
        fresh.AddKey(RootKey::LocalMachine, kPorts);
        InstallServices local{spooler, fresh, files, system, services.reportProgress,
                              services.showMessage};
        spooler.printers.clear();
        choices = {c.moduleRow, c.portRow, c.setDefault, c.serial, c.portName};
        const InstallReport report = RunInstallProcedure(choices, local);

        EXPECT_EQ(fresh.Text(RootKey::CurrentUser, kDeviceKey, "Device"), c.device);
        const std::size_t serialValues = c.serialValueName ? 1 : 0;
        EXPECT_EQ(fresh.setCalls.size(), (c.device ? 1u : 0u) + serialValues);
        if (c.serialValueName) {
            EXPECT_EQ(fresh.Text(RootKey::LocalMachine, kPorts, c.serialValueName), c.serialText);
        }
        EXPECT_EQ(spooler.createPrinterCalls.back().info.portName, c.portName);
        EXPECT_EQ(report.defaultPrinter.outcome,
                  c.setDefault ? ValueOutcome::Written : ValueOutcome::NotAsked);
        EXPECT_EQ(report.serialSettings.outcome,
                  c.serialValueName ? ValueOutcome::Written : ValueOutcome::NotAsked);
        EXPECT_TRUE(report.Succeeded()) << report.Describe();
    }
}

TEST_F(InstallProcedureTest, OpensEachKeyForSettingOnlyAndClosesItAfterTheWrite)
{
    choices.portRow = 3;
    Run();
    EXPECT_THAT(registry.calls,
                ElementsAre("OpenKey", "SetValue", "CloseKey", "OpenKey", "SetValue", "CloseKey"));
    ASSERT_EQ(registry.openCalls.size(), 2u);
    EXPECT_EQ(registry.openCalls[0].root, RootKey::CurrentUser);
    EXPECT_EQ(registry.openCalls[0].subKey, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows");
    EXPECT_EQ(registry.openCalls[1].root, RootKey::LocalMachine);
    EXPECT_EQ(registry.openCalls[1].subKey, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports");
    for (const auto& open : registry.openCalls)
        EXPECT_EQ(open.access, platform::kKeySetValue);
    ASSERT_EQ(registry.setCalls.size(), 2u);
    for (const auto& set : registry.setCalls)
        EXPECT_EQ(set.type, platform::kRegSz);
    // The size passed counts the terminating NUL.
    const std::string device = "TR-A2,winspool,LPT1:\0"s;
    EXPECT_EQ(registry.setCalls[0].data, std::vector<std::uint8_t>(device.begin(), device.end()));
    EXPECT_EQ(registry.setCalls[1].valueName, "COM1:");
    EXPECT_EQ(registry.setCalls[1].data.size(), std::string("19200,N,8,1,p").size() + 1);
    EXPECT_THAT(registry.closeCalls,
                ElementsAre(registry.openCalls[0].handle, registry.openCalls[1].handle));
}

TEST_F(InstallProcedureTest, ReportsNinetyAndNinetyFiveWhenBothWritesAreSkipped)
{
    choices.setDefaultPrinter = false;
    choices.portRow = 2;
    const InstallReport report = Run();
    EXPECT_EQ(Positions(), kAllPositions);
    EXPECT_TRUE(registry.calls.empty());
    EXPECT_EQ(report.defaultPrinter.outcome, ValueOutcome::NotAsked);
    EXPECT_EQ(report.serialSettings.outcome, ValueOutcome::NotAsked);
    EXPECT_TRUE(report.Succeeded());
}

TEST_F(InstallProcedureTest, AFailedSetIsToldWhileTheKeyIsOpenAndTheRunGoesOn)
{
    registry.setFailures["Device"] = platform::kErrorAccessDenied;
    choices.portRow = 4;
    const InstallReport report = Run();

    EXPECT_THAT(messages, ElementsAre("错误：无法设置有关的注册表信息"));
    EXPECT_THAT(openKeysAtMessage, ElementsAre(1u));
    EXPECT_EQ(registry.OpenKeyCount(), 0u);
    EXPECT_EQ(registry.closeCalls.size(), 2u);
    EXPECT_EQ(registry.Text(RootKey::LocalMachine, kPorts, "COM2:"), "19200,N,8,1,p");
    EXPECT_EQ(Positions(), kAllPositions);

    EXPECT_EQ(report.defaultPrinter.outcome, ValueOutcome::SetFailed);
    EXPECT_EQ(report.defaultPrinter.error, platform::kErrorAccessDenied);
    EXPECT_EQ(report.serialSettings.outcome, ValueOutcome::Written);
    EXPECT_TRUE(report.Succeeded()) << "a registry value is a warning, not a failed install";
    EXPECT_THAT(report.Warnings(), ElementsAre(HasSubstr("error 5: access is denied")));
    EXPECT_THAT(report.Describe(), HasSubstr("The default printer was not set"));
}

TEST_F(InstallProcedureTest, AMissingKeySkipsItsValueWithoutAMessage)
{
    fakes::FakeRegistry empty;  // neither key exists
    InstallServices local{spooler, empty, files, system, services.reportProgress,
                          services.showMessage};
    choices.portRow = 3;
    const InstallReport report = RunInstallProcedure(choices, local);

    EXPECT_TRUE(messages.empty());
    EXPECT_THAT(empty.calls, ElementsAre("OpenKey", "OpenKey"));
    EXPECT_FALSE(empty.HasKey(RootKey::CurrentUser, kDeviceKey));  // never created
    EXPECT_EQ(report.defaultPrinter.outcome, ValueOutcome::KeyNotOpened);
    EXPECT_EQ(report.defaultPrinter.error, platform::kErrorFileNotFound);
    EXPECT_EQ(report.serialSettings.outcome, ValueOutcome::KeyNotOpened);
    EXPECT_EQ(Positions(), kAllPositions);
    EXPECT_TRUE(report.Succeeded());
    EXPECT_EQ(report.Warnings().size(), 2u);
}

TEST_F(InstallProcedureTest, ASecondRunFindsThePrinterAndStillWritesBothValues)
{
    choices.portRow = 3;
    const InstallReport first = Run();
    const InstallReport second = Run();

    EXPECT_EQ(first.printer, PrinterOutcome::Created);
    EXPECT_EQ(second.printer, PrinterOutcome::AlreadyPresent);
    EXPECT_EQ(second.printerError, platform::kErrorPrinterAlreadyExists);
    EXPECT_EQ(files.copyCalls.size(), 20u);
    EXPECT_EQ(spooler.addDriverCalls.size(), 2u);
    EXPECT_EQ(spooler.addDriverCalls[1].result, platform::kErrorSuccess);
    EXPECT_EQ(spooler.closedPrinters.size(), 1u);  // nothing to close the second time
    ASSERT_EQ(registry.setCalls.size(), 4u);
    EXPECT_EQ(registry.setCalls[2].data, registry.setCalls[0].data);
    EXPECT_EQ(registry.setCalls[3].data, registry.setCalls[1].data);
    EXPECT_THAT(system.sleeps, ElementsAre(500u, 500u));
    EXPECT_TRUE(second.Succeeded());
    EXPECT_THAT(second.Describe(), HasSubstr("already installed"));
}

// A spooler that fills the whole buffer and leaves no terminating NUL.
class UnterminatedDirectorySpooler : public fakes::FakeSpooler {
public:
    Win32Error GetDriverDirectory(const std::string&, std::uint32_t, std::span<char> buffer,
                                  std::uint32_t& needed) override
    {
        std::fill(buffer.begin(), buffer.end(), 'x');
        needed = static_cast<std::uint32_t>(buffer.size());
        return platform::kErrorSuccess;
    }
};

TEST_F(InstallProcedureTest, StopsWhenTheDriverDirectoryIsUnknown)
{
    struct Case {
        const char* what;
        std::optional<Win32Error> failure;
        std::string directory;
        Win32Error reported;
        const char* says;
    };
    const Case cases[] = {
        {"query fails", platform::kErrorAccessDenied, kDriverDir, platform::kErrorAccessDenied,
         "error 5: access is denied"},
        {"empty path", std::nullopt, "", platform::kErrorSuccess, "empty path"},
        {"path of 300 characters", std::nullopt, "C:\\" + std::string(297, 'd'),
         platform::kErrorInsufficientBuffer, "error 122"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fakes::FakeSpooler broken;
        broken.failGetDriverDirectory = c.failure;
        broken.driverDirectory = c.directory;
        InstallServices local{broken, registry, files, system, services.reportProgress,
                              services.showMessage};
        const InstallReport report = RunInstallProcedure(choices, local);

        EXPECT_THAT(broken.calls, ElementsAre("GetDriverDirectory"));
        EXPECT_TRUE(files.copyCalls.empty());
        EXPECT_TRUE(registry.calls.empty());
        EXPECT_TRUE(progress.empty());
        EXPECT_TRUE(system.sleeps.empty());
        EXPECT_FALSE(report.driverDirectory);
        EXPECT_EQ(report.driverDirectoryError, c.reported);
        EXPECT_FALSE(report.Succeeded());
        EXPECT_THAT(report.Describe(), HasSubstr("driver directory could not be found"));
        EXPECT_THAT(report.Describe(), HasSubstr(c.says));
    }

    UnterminatedDirectorySpooler unterminated;
    InstallServices local{unterminated, registry, files, system, services.reportProgress,
                          services.showMessage};
    const InstallReport report = RunInstallProcedure(choices, local);
    EXPECT_TRUE(files.copyCalls.empty());
    EXPECT_EQ(report.driverDirectoryError, platform::kErrorInsufficientBuffer);
    EXPECT_FALSE(report.Succeeded());
}

TEST_F(InstallProcedureTest, ListsTheFilesMissingFromWin2kAndStillRunsEveryStep)
{
    files.RemoveFile("win2k\\TRX.DLL");
    files.RemoveFile("win2k\\UNIDRV.HLP");
    choices.moduleRow = 0;
    const InstallReport report = Run();

    EXPECT_THAT(report.FileNamesNotCopied(), ElementsAre("TRX.DLL", "UNIDRV.HLP"));
    EXPECT_EQ(report.files[0].error, platform::kErrorFileNotFound);
    EXPECT_EQ(spooler.addDriverCalls.size(), 1u);
    EXPECT_EQ(spooler.createPrinterCalls.size(), 1u);
    EXPECT_EQ(Positions(), kAllPositions);
    EXPECT_FALSE(report.Succeeded());
    EXPECT_THAT(report.Describe(),
                HasSubstr("These driver files are missing from the win2k folder: TRX.DLL, UNIDRV.HLP"));
}

TEST_F(InstallProcedureTest, AMissingWin2kFolderListsEveryFile)
{
    fakes::FakeFiles bare;
    bare.AddDirectory(kDriverDir);
    InstallServices local{spooler, registry, bare, system, services.reportProgress,
                          services.showMessage};
    const InstallReport report = RunInstallProcedure(choices, local);
    EXPECT_EQ(report.FileNamesNotCopied().size(), 10u);
    for (const FileCopyResult& file : report.files)
        EXPECT_TRUE(file.SourceMissing()) << file.fileName;
    EXPECT_FALSE(report.Succeeded());
}

TEST_F(InstallProcedureTest, AFileThatCannotBeWrittenIsReportedWithItsTarget)
{
    files.copyFailure = [](const std::string&, const std::string& target) {
        return target.ends_with("UNIRES.DLL") ? platform::kErrorAccessDenied : platform::kErrorSuccess;
    };
    const InstallReport report = Run();
    EXPECT_FALSE(report.Succeeded());
    EXPECT_THAT(report.Describe(),
                HasSubstr("The driver file UNIRES.DLL could not be copied to " + kDriverDir +
                          "\\UNIRES.DLL: error 5: access is denied"));
}

TEST_F(InstallProcedureTest, ADriverTheSpoolerRefusesFailsTheInstall)
{
    spooler.failAddDriver = platform::kErrorFileNotFound;
    const InstallReport report = Run();

    EXPECT_EQ(report.driverError, platform::kErrorFileNotFound);
    EXPECT_EQ(report.printer, PrinterOutcome::Failed);
    EXPECT_EQ(report.printerError, platform::kErrorUnknownPrinterDriver);
    EXPECT_TRUE(spooler.closedPrinters.empty());
    EXPECT_EQ(Positions(), kAllPositions);
    EXPECT_FALSE(report.Succeeded());
    EXPECT_THAT(report.Describe(),
                HasSubstr("The printer driver \"TR-A2\" could not be added: error 2: the file was not found"));
}

TEST_F(InstallProcedureTest, APrinterOnNoPortIsNotMadeTheDefaultButTheSerialValueIsWritten)
{
    choices.portName = "";
    choices.portRow = 3;
    const InstallReport report = Run();

    EXPECT_EQ(report.printer, PrinterOutcome::Failed);
    EXPECT_EQ(report.printerError, platform::kErrorUnknownPort);
    EXPECT_TRUE(spooler.closedPrinters.empty());
    EXPECT_EQ(report.defaultPrinter.outcome, ValueOutcome::NoPrinter);
    EXPECT_EQ(registry.Text(RootKey::CurrentUser, kDeviceKey, "Device"), std::nullopt);
    EXPECT_EQ(report.serialSettings.outcome, ValueOutcome::Written);
    EXPECT_EQ(Positions(), kAllPositions);
    EXPECT_THAT(system.sleeps, ElementsAre(500u));
    EXPECT_FALSE(report.Succeeded());
    EXPECT_THAT(report.Describe(), HasSubstr("could not be created on port \"\": error 1796"));
    EXPECT_THAT(report.Describe(), HasSubstr("The default printer was left as it was"));
}

TEST_F(InstallProcedureTest, ChoicesOutsideTheCatalogueTouchNothing)
{
    struct Case {
        const char* what;
        int moduleRow;
        int portRow;
        SerialRows serial;
        bool valid;
    };
    const Case cases[] = {
        {"module -1", -1, 0, {}, false},
        {"module 5", 5, 0, {}, false},
        {"port 7", 1, 7, {}, false},
        {"port -1", 1, -1, {}, false},
        {"baud 9 on a serial row", 1, 3, {9, 3, 0, 2, 2}, false},
        {"flow -1 on a serial row", 1, 6, {5, 3, 0, 2, -1}, false},
        {"data bits 4 on a serial row", 1, 4, {5, 4, 0, 2, 2}, false},
        {"stop bits 3 on a serial row", 1, 4, {5, 3, 3, 2, 2}, false},
        {"parity 5 on a serial row", 1, 4, {5, 3, 0, 5, 2}, false},
        {"serial rows unread on a parallel row", 1, 2, {-1, -1, -1, -1, -1}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fakes::FakeSpooler fresh;
        InstallServices local{fresh, registry, files, system, services.reportProgress,
                              services.showMessage};
        choices.moduleRow = c.moduleRow;
        choices.portRow = c.portRow;
        choices.serial = c.serial;
        const InstallReport report = RunInstallProcedure(choices, local);
        EXPECT_EQ(report.invalidChoice.has_value(), !c.valid);
        EXPECT_EQ(report.Succeeded(), c.valid);
        if (!c.valid) {
            EXPECT_TRUE(fresh.calls.empty());
            EXPECT_THAT(report.Describe(), HasSubstr("Nothing was installed"));
        }
    }
    EXPECT_EQ(files.copyCalls.size(), 10u);  // from the one valid case only
}

TEST_F(InstallProcedureTest, RunsWithoutProgressOrMessageCallbacks)
{
    registry.setFailures["Device"] = platform::kErrorAccessDenied;
    InstallServices quiet{spooler, registry, files, system, {}, {}};
    const InstallReport report = RunInstallProcedure(choices, quiet);
    EXPECT_TRUE(report.ranToEnd);
    EXPECT_EQ(report.defaultPrinter.outcome, ValueOutcome::SetFailed);
}

}  // namespace
}  // namespace install
