#include "machine/RegistryPaths.h"
#include "spooler/Enumeration.h"
#include "tests/machine/MachineFixture.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using machinetest::MachineTest;
using machinetest::WriteFile;
using platform::RootKey;

// The files of a driver as VORNEX registers it, staged under names of another case.
constexpr const char* kStagedFiles[] = {"UNIDRV.DLL", "TRA1.GPD", "UNIDRVUI.DLL", "UNIDRV.HLP",
                                        "TTFSUB.GPD", "UNIRES.DLL", "STDNAMES.GPD", "TRX.DLL"};
constexpr char kDependents[] = "\\ttfsub.GPD\0\\unires.DLL\0\\stdnames.GPD\0TRX.DLL\0";

spooler::DriverInfo3 ReceiptDriver(const char* name = "VORNEX TR-A1")
{
    spooler::DriverInfo3 info;
    info.cVersion = 2;
    info.pName = name;
    info.pEnvironment = "Windows NT x86";
    info.pDriverPath = "\\uniDRV.DLL";
    info.pDataFile = "\\TRA1.GPD";
    info.pConfigFile = "\\uniDRVui.DLL";
    info.pHelpFile = "\\uniDRV.HLP";
    info.pDependentFiles = kDependents;
    info.pMonitorName = "";
    info.pDefaultDataType = "RAW";
    return info;
}

spooler::PrinterInfo2 ReceiptPrinter(const char* name = "VORNEX TR-A1", const char* port = "LPT1:")
{
    spooler::PrinterInfo2 info;
    info.pPrinterName = name;
    info.pPortName = port;
    info.pDriverName = "VORNEX TR-A1";
    info.pPrintProcessor = "WinPrint";
    info.pDatatype = "RAW";
    return info;
}

class HostSpoolerTest : public MachineTest {
protected:
    spooler::Spooler& Spooler() { return m_machine->GetSpooler(); }

    void StageDriverFiles()
    {
        for (const char* file : kStagedFiles)
            WriteFile(DriverFolder() / file, file);
    }

    void AddPort(const std::string& name)
    {
        machine::RegistryStore& store = m_machine->GetStore();
        machine::RegistryStore::KeyId ports = 0;
        ASSERT_EQ(store.FindKey(store.Root(RootKey::LocalMachine), machine::kPortsKey, ports), platform::kErrorSuccess);
        ASSERT_EQ(store.SetValue(ports, name, platform::kRegSz, machine::EncodeSz("")), platform::kErrorSuccess);
    }

    std::vector<std::string> PortNames()
    {
        const auto listing = spooler::EnumeratePorts(Spooler());
        EXPECT_EQ(listing.Error(), platform::kErrorSuccess);
        std::vector<std::string> names;
        for (const spooler::PortInfo2& port : listing.Records())
            names.emplace_back(port.pPortName);
        return names;
    }
};

TEST_F(HostSpoolerTest, DriverDirectoryFollowsTheSystemRootAndExistsOnDisk)
{
    std::filesystem::remove_all(DriverFolder());
    std::array<char, 255> buffer{};
    std::uint32_t needed = 0;
    ASSERT_EQ(Spooler().GetDriverDirectory("windows nt X86", 1, buffer, needed), platform::kErrorSuccess);
    const std::string expected = "C:\\WINDOWS\\system32\\spool\\drivers\\w32x86";
    EXPECT_EQ(std::string(buffer.data()), expected);
    EXPECT_EQ(needed, expected.size() + 1);
    EXPECT_TRUE(std::filesystem::is_directory(DriverFolder()));

    struct Case {
        const char* environment;
        std::uint32_t level;
        std::size_t size;
        platform::Win32Error error;
    };
    const Case cases[] = {
        {"", 1, 255, platform::kErrorSuccess},
        {"Windows NT x86", 1, expected.size() + 1, platform::kErrorSuccess},
        {"Windows NT x86", 1, expected.size(), platform::kErrorInsufficientBuffer},
        {"Windows NT x86", 1, 0, platform::kErrorInsufficientBuffer},
        {"Windows x64", 1, 255, platform::kErrorInvalidEnvironment},
        {"Windows 4.0", 1, 255, platform::kErrorInvalidEnvironment},
        {"Windows NT x86", 2, 255, platform::kErrorInvalidLevel},
    };
    for (const Case& c : cases) {
        std::vector<char> room(c.size, '\x7f');
        needed = 0;
        EXPECT_EQ(Spooler().GetDriverDirectory(c.environment, c.level, room, needed), c.error)
            << c.environment << " " << c.level << " " << c.size;
        if (c.error == platform::kErrorInsufficientBuffer) {
            EXPECT_EQ(needed, expected.size() + 1);
            EXPECT_TRUE(std::all_of(room.begin(), room.end(), [](char ch) { return ch == '\x7f'; }))
                << "a buffer too small is left alone";
        }
    }
}

TEST_F(HostSpoolerTest, AddDriverFindsEveryFileWhateverItsCaseAndRecordsTheDriver)
{
    StageDriverFiles();
    ASSERT_EQ(Spooler().AddDriver(3, ReceiptDriver()), platform::kErrorSuccess);

    std::vector<machine::DriverRecord> drivers;
    ASSERT_EQ(Inspect().ListDrivers(drivers), platform::kErrorSuccess);
    ASSERT_EQ(drivers.size(), 1u);
    const machine::DriverRecord& driver = drivers[0];
    EXPECT_EQ(driver.name, "VORNEX TR-A1");
    EXPECT_EQ(driver.environment, "Windows NT x86");
    EXPECT_EQ(driver.version, 2u);
    EXPECT_EQ(driver.driverPath, "uniDRV.DLL");
    EXPECT_EQ(driver.dataFile, "TRA1.GPD");
    EXPECT_EQ(driver.configFile, "uniDRVui.DLL");
    EXPECT_EQ(driver.helpFile, "uniDRV.HLP");
    EXPECT_EQ(driver.dependentFiles, (std::vector<std::string>{"ttfsub.GPD", "unires.DLL", "stdnames.GPD", "TRX.DLL"}));
    EXPECT_EQ(driver.monitor, "");
    EXPECT_EQ(driver.defaultDataType, "RAW");

    // An update replaces the record: a dependent file dropped is gone.
    spooler::DriverInfo3 update = ReceiptDriver();
    update.pDependentFiles = "\\ttfsub.GPD\0";
    update.pHelpFile = nullptr;
    ASSERT_EQ(Spooler().AddDriver(3, update), platform::kErrorSuccess);
    ASSERT_EQ(Inspect().ListDrivers(drivers), platform::kErrorSuccess);
    ASSERT_EQ(drivers.size(), 1u);
    EXPECT_EQ(drivers[0].dependentFiles, (std::vector<std::string>{"ttfsub.GPD"}));
    EXPECT_EQ(drivers[0].helpFile, "");
}

TEST_F(HostSpoolerTest, AddDriverRefusesAMissingFileOrABadRecord)
{
    StageDriverFiles();
    for (const char* missing : kStagedFiles) {
        std::filesystem::rename(DriverFolder() / missing, DriverFolder() / "aside");
        EXPECT_EQ(Spooler().AddDriver(3, ReceiptDriver()), platform::kErrorFileNotFound) << missing;
        std::filesystem::rename(DriverFolder() / "aside", DriverFolder() / missing);
    }
    std::filesystem::create_directory(DriverFolder() / "SUBDIR");

    struct Case {
        const char* what;
        void (*change)(spooler::DriverInfo3&);
        std::uint32_t level;
        platform::Win32Error error;
    };
    const Case cases[] = {
        {"no name", [](spooler::DriverInfo3& i) { i.pName = ""; }, 3, platform::kErrorInvalidParameter},
        {"null name", [](spooler::DriverInfo3& i) { i.pName = nullptr; }, 3, platform::kErrorInvalidParameter},
        {"name with backslash", [](spooler::DriverInfo3& i) { i.pName = "a\\b"; }, 3, platform::kErrorInvalidParameter},
        {"other environment", [](spooler::DriverInfo3& i) { i.pEnvironment = "Windows IA64"; }, 3,
         platform::kErrorInvalidEnvironment},
        {"level 4", [](spooler::DriverInfo3&) {}, 4, platform::kErrorInvalidLevel},
        {"version 4", [](spooler::DriverInfo3& i) { i.cVersion = 4; }, 3, platform::kErrorInvalidParameter},
        {"no driver file", [](spooler::DriverInfo3& i) { i.pDriverPath = nullptr; }, 3, platform::kErrorInvalidParameter},
        {"a folder as file", [](spooler::DriverInfo3& i) { i.pDataFile = "\\SUBDIR"; }, 3, platform::kErrorFileNotFound},
        {"parent as file", [](spooler::DriverInfo3& i) { i.pDataFile = "\\.."; }, 3, platform::kErrorFileNotFound},
        {"dependent missing", [](spooler::DriverInfo3& i) { i.pDependentFiles = "\\ttfsub.GPD\0\\KOEMUNI.dll\0"; }, 3,
         platform::kErrorFileNotFound},
        {"null environment is the local one", [](spooler::DriverInfo3& i) { i.pEnvironment = nullptr; }, 3,
         platform::kErrorSuccess},
    };
    for (const Case& c : cases) {
        spooler::DriverInfo3 info = ReceiptDriver("Case");
        c.change(info);
        EXPECT_EQ(Spooler().AddDriver(c.level, info), c.error) << c.what;
    }
    std::vector<machine::DriverRecord> drivers;
    ASSERT_EQ(Inspect().ListDrivers(drivers), platform::kErrorSuccess);
    EXPECT_EQ(drivers.size(), 1u) << "only the one valid record landed";
}

TEST_F(HostSpoolerTest, CreatePrinterChecksItsPartsAndRefusesADuplicate)
{
    StageDriverFiles();
    ASSERT_EQ(Spooler().AddDriver(3, ReceiptDriver()), platform::kErrorSuccess);

    spooler::PrinterHandle printer = spooler::kNoPrinter;
    ASSERT_EQ(Spooler().CreatePrinter(2, ReceiptPrinter(), printer), platform::kErrorSuccess);
    EXPECT_NE(printer, spooler::kNoPrinter);
    std::vector<machine::PrinterRecord> printers;
    ASSERT_EQ(Inspect().ListPrinters(printers), platform::kErrorSuccess);
    ASSERT_EQ(printers.size(), 1u);
    EXPECT_EQ(printers[0].name, "VORNEX TR-A1");
    EXPECT_EQ(printers[0].port, "LPT1:");
    EXPECT_EQ(printers[0].driver, "VORNEX TR-A1");
    EXPECT_EQ(printers[0].printProcessor, "WinPrint");
    EXPECT_EQ(printers[0].dataType, "RAW");

    const std::string longPort(64 * 1024, 'P');
    const std::string hugeName(221, 'n');
    struct Case {
        const char* what;
        spooler::PrinterInfo2 info;
        std::uint32_t level;
        platform::Win32Error error;
    };
    auto with = [](spooler::PrinterInfo2 info, void (*change)(spooler::PrinterInfo2&)) {
        change(info);
        return info;
    };
    const Case cases[] = {
        {"duplicate in another case", ReceiptPrinter("vornex tr-a1"), 2, platform::kErrorPrinterAlreadyExists},
        {"empty name", ReceiptPrinter(""), 2, platform::kErrorInvalidPrinterName},
        {"name with backslash", ReceiptPrinter("a\\b"), 2, platform::kErrorInvalidPrinterName},
        {"name with comma", ReceiptPrinter("a,b"), 2, platform::kErrorInvalidPrinterName},
        {"name too long", ReceiptPrinter(hugeName.c_str()), 2, platform::kErrorInvalidPrinterName},
        {"unknown driver", with(ReceiptPrinter("P1"), [](auto& i) { i.pDriverName = "Other"; }), 2,
         platform::kErrorUnknownPrinterDriver},
        {"no driver", with(ReceiptPrinter("P2"), [](auto& i) { i.pDriverName = nullptr; }), 2,
         platform::kErrorUnknownPrinterDriver},
        {"empty port", ReceiptPrinter("P3", ""), 2, platform::kErrorUnknownPort},
        {"unknown port", ReceiptPrinter("P4", "LPT9:"), 2, platform::kErrorUnknownPort},
        {"very long port", ReceiptPrinter("P5", longPort.c_str()), 2, platform::kErrorUnknownPort},
        {"control characters", ReceiptPrinter("P6", "LPT1:\n\x01"), 2, platform::kErrorUnknownPort},
        {"one pooled port unknown", ReceiptPrinter("P7", "LPT1:,LPT9:"), 2, platform::kErrorUnknownPort},
        {"unknown processor", with(ReceiptPrinter("P8"), [](auto& i) { i.pPrintProcessor = "Fancy"; }), 2,
         platform::kErrorUnknownPrintProcessor},
        {"no processor", with(ReceiptPrinter("P9"), [](auto& i) { i.pPrintProcessor = nullptr; }), 2,
         platform::kErrorUnknownPrintProcessor},
        {"level 1", ReceiptPrinter("P10"), 1, platform::kErrorInvalidLevel},
        {"pooled ports", ReceiptPrinter("Pooled", "lpt1:,COM2:"), 2, platform::kErrorSuccess},
    };
    for (const Case& c : cases) {
        spooler::PrinterHandle handle = 12345;
        EXPECT_EQ(Spooler().CreatePrinter(c.level, c.info, handle), c.error) << c.what;
        EXPECT_EQ(handle == spooler::kNoPrinter, c.error != platform::kErrorSuccess) << c.what;
        if (handle != spooler::kNoPrinter) {
            EXPECT_EQ(Spooler().ClosePrinter(handle), platform::kErrorSuccess);
        }
    }
    ASSERT_EQ(Inspect().ListPrinters(printers), platform::kErrorSuccess);
    EXPECT_EQ(printers.size(), 2u);

    EXPECT_EQ(Spooler().ClosePrinter(printer), platform::kErrorSuccess);
    EXPECT_EQ(Spooler().ClosePrinter(printer), platform::kErrorInvalidHandle);
    EXPECT_EQ(Spooler().ClosePrinter(spooler::kNoPrinter), platform::kErrorInvalidHandle);
    EXPECT_EQ(m_machine->GetHostSpooler().OpenPrinterCount(), 0u);
}

TEST_F(HostSpoolerTest, PortListingTakesTwoCallsAndSurvivesOddNames)
{
    std::uint32_t needed = 0;
    std::uint32_t returned = 7;
    EXPECT_EQ(Spooler().ListPorts(2, {}, needed, returned), platform::kErrorInsufficientBuffer);
    EXPECT_GT(needed, 8 * sizeof(spooler::PortInfo2));
    EXPECT_EQ(returned, 0u);
    std::vector<std::byte> tight(needed - 1);
    EXPECT_EQ(Spooler().ListPorts(2, tight, needed, returned), platform::kErrorInsufficientBuffer);
    std::vector<std::byte> exact(needed);
    ASSERT_EQ(Spooler().ListPorts(2, exact, needed, returned), platform::kErrorSuccess);
    ASSERT_EQ(returned, 8u);
    const auto* records = reinterpret_cast<const spooler::PortInfo2*>(exact.data());
    EXPECT_STREQ(records[4].pPortName, "LPT1:");
    EXPECT_STREQ(records[4].pMonitorName, "Local Port");
    EXPECT_STREQ(records[4].pDescription, "Local Port");
    EXPECT_EQ(Spooler().ListPorts(1, exact, needed, returned), platform::kErrorInvalidLevel);

    // The longest name a registry value can have; 64 KiB cannot be stored at all.
    const std::string longName(machine::kMaxValueNameLength, 'L');
    const std::string controls("C\x01\x02\t\n\x7f:", 7);
    AddPort(longName);
    AddPort(controls);
    const std::vector<std::string> names = PortNames();
    ASSERT_EQ(names.size(), 10u);
    EXPECT_EQ(names[8], longName);
    EXPECT_EQ(names[9], controls);

    std::vector<std::string> monitors;
    const auto listing = spooler::EnumerateMonitors(Spooler());
    ASSERT_EQ(listing.Error(), platform::kErrorSuccess);
    for (const spooler::MonitorInfo1& monitor : listing.Records())
        monitors.emplace_back(monitor.pName);
    EXPECT_EQ(monitors, (std::vector<std::string>{"Local Port"}));
    EXPECT_EQ(Spooler().ListMonitors(2, {}, needed, returned), platform::kErrorInvalidLevel);
}

}  // namespace
