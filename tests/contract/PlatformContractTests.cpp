#include "spooler/Enumeration.h"
#include "tests/contract/PlatformUnderTest.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace {

using contract::PlatformFactory;
using contract::PlatformUnderTest;
using platform::RootKey;

constexpr const char* kWindowsKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
constexpr const char* kDriverName = "VORNEX Contract Printer";
constexpr const char* kDriverFiles[] = {"CDRV.DLL", "CDATA.GPD", "CUI.DLL", "CHELP.HLP", "CDEP.GPD"};

std::vector<std::uint8_t> Sz(std::string_view text)
{
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    return data;
}

// The same suite for every implementation the build has.
class PlatformContract : public ::testing::TestWithParam<PlatformFactory> {
protected:
    void SetUp() override
    {
        m_platform = GetParam().make();
        ASSERT_TRUE(m_platform);
    }

    std::string DriverDirectory()
    {
        std::array<char, 255> buffer{};
        std::uint32_t needed = 0;
        EXPECT_EQ(m_platform->GetSpooler().GetDriverDirectory(spooler::kEnvironmentNtX86, 1, buffer, needed),
                  platform::kErrorSuccess);
        return buffer.data();
    }

    // Copies a file of this content into the driver directory under `name`.
    void Stage(const std::string& name, std::string_view content)
    {
        const std::string source = m_platform->PlaceSourceFile(name, content);
        ASSERT_EQ(m_platform->GetFiles().Copy(source, DriverDirectory() + "\\" + name, false), platform::kErrorSuccess)
            << name;
    }

    spooler::DriverInfo3 Driver(const char* dependents)
    {
        spooler::DriverInfo3 info;
        info.cVersion = 3;
        info.pName = kDriverName;
        info.pEnvironment = spooler::kEnvironmentNtX86;
        info.pDriverPath = "\\CDRV.DLL";
        info.pDataFile = "\\CDATA.GPD";
        info.pConfigFile = "\\CUI.DLL";
        info.pHelpFile = "\\CHELP.HLP";
        info.pDependentFiles = dependents;
        info.pMonitorName = "";
        info.pDefaultDataType = "RAW";
        return info;
    }

    void InstallDriver()
    {
        for (const char* file : kDriverFiles)
            Stage(file, file);
        ASSERT_EQ(m_platform->GetSpooler().AddDriver(3, Driver("\\CDEP.GPD\0")), platform::kErrorSuccess);
    }

    std::unique_ptr<PlatformUnderTest> m_platform;
};

TEST_P(PlatformContract, DriverDirectoryComesInOneCallWithItsSize)
{
    std::array<char, 255> buffer{};
    std::uint32_t needed = 0;
    ASSERT_EQ(m_platform->GetSpooler().GetDriverDirectory(spooler::kEnvironmentNtX86, 1, buffer, needed),
              platform::kErrorSuccess);
    const std::size_t length = std::strlen(buffer.data());
    ASSERT_GT(length, 3u);
    EXPECT_LT(length, buffer.size());
    EXPECT_EQ(needed, length + 1);

    std::vector<char> small(length, '\0');
    std::uint32_t neededAgain = 0;
    EXPECT_EQ(m_platform->GetSpooler().GetDriverDirectory(spooler::kEnvironmentNtX86, 1, small, neededAgain),
              platform::kErrorInsufficientBuffer);
    EXPECT_EQ(neededAgain, needed);
    // The directory exists: a file can be copied into it.
    Stage("PROBE.TXT", "probe");
    EXPECT_EQ(m_platform->ReadResultFile(std::string(buffer.data()) + "\\PROBE.TXT"), "probe");
}

TEST_P(PlatformContract, CopyReplacesItsTargetUnlessToldNotTo)
{
    const std::string target = DriverDirectory() + "\\TARGET.DLL";
    const std::string first = m_platform->PlaceSourceFile("FIRST.DLL", "first version");
    const std::string second = m_platform->PlaceSourceFile("SECOND.DLL", "second, longer version");
    platform::Files& files = m_platform->GetFiles();

    ASSERT_EQ(files.Copy(second, target, false), platform::kErrorSuccess);
    ASSERT_EQ(files.Copy(first, target, false), platform::kErrorSuccess);
    EXPECT_EQ(m_platform->ReadResultFile(target), "first version") << "no tail of the longer file is left";
    EXPECT_EQ(files.Copy(second, target, true), platform::kErrorFileExists);
    EXPECT_EQ(m_platform->ReadResultFile(target), "first version");
    EXPECT_EQ(files.Copy(first + ".missing", DriverDirectory() + "\\OTHER.DLL", false), platform::kErrorFileNotFound);
    EXPECT_EQ(m_platform->ReadResultFile(DriverDirectory() + "\\OTHER.DLL"), std::nullopt);
}

TEST_P(PlatformContract, AddDriverNeedsEachOfItsFilesInTheDriverDirectory)
{
    for (const char* file : kDriverFiles)
        Stage(file, file);
    const platform::Win32Error incomplete = m_platform->GetSpooler().AddDriver(3, Driver("\\CDEP.GPD\0\\CMISSING.DLL\0"));
    if (m_platform->KnownDifferences().acceptsDriverWithMissingFiles) {
        // Wine takes the record as it comes; what it shares with Windows is that the
        // complete record below is accepted, again and again.
        EXPECT_TRUE(incomplete == platform::kErrorSuccess || incomplete == platform::kErrorFileNotFound) << incomplete;
    } else {
        EXPECT_EQ(incomplete, platform::kErrorFileNotFound);
    }
    EXPECT_EQ(m_platform->GetSpooler().AddDriver(3, Driver("\\CDEP.GPD\0")), platform::kErrorSuccess);
    // Adding the same driver again updates it.
    EXPECT_EQ(m_platform->GetSpooler().AddDriver(3, Driver("\\CDEP.GPD\0")), platform::kErrorSuccess);
}

TEST_P(PlatformContract, AddPrinterThenTheSameNameAgainThenClose)
{
    InstallDriver();
    spooler::PrinterInfo2 info;
    info.pPrinterName = kDriverName;
    info.pPortName = "LPT1:";
    info.pDriverName = kDriverName;
    info.pPrintProcessor = "WinPrint";
    info.pDatatype = "RAW";

    spooler::PrinterHandle printer = spooler::kNoPrinter;
    ASSERT_EQ(m_platform->GetSpooler().CreatePrinter(2, info, printer), platform::kErrorSuccess);
    EXPECT_NE(printer, spooler::kNoPrinter);

    spooler::PrinterHandle duplicate = 99;
    const platform::Win32Error again = m_platform->GetSpooler().CreatePrinter(2, info, duplicate);
    if (m_platform->KnownDifferences().acceptsDuplicatePrinter && again == platform::kErrorSuccess) {
        // Wine adds the name a second time and hands out a handle; Windows refuses. Both
        // give a handle exactly when they report success, and it closes.
        EXPECT_NE(duplicate, spooler::kNoPrinter);
        EXPECT_EQ(m_platform->GetSpooler().ClosePrinter(duplicate), platform::kErrorSuccess);
    } else {
        EXPECT_EQ(again, platform::kErrorPrinterAlreadyExists);
        EXPECT_EQ(duplicate, spooler::kNoPrinter);
    }

    EXPECT_EQ(m_platform->GetSpooler().ClosePrinter(printer), platform::kErrorSuccess);
}

TEST_P(PlatformContract, PortsAndMonitorsListInTwoCalls)
{
    spooler::Spooler& spooler = m_platform->GetSpooler();
    std::uint32_t needed = 0;
    std::uint32_t returned = 0;
    EXPECT_EQ(spooler.ListPorts(2, {}, needed, returned), platform::kErrorInsufficientBuffer);
    ASSERT_GT(needed, 0u);
    std::vector<std::byte> buffer(needed);
    ASSERT_EQ(spooler.ListPorts(2, buffer, needed, returned), platform::kErrorSuccess);
    ASSERT_GT(returned, 0u);
    ASSERT_LE(returned * sizeof(spooler::PortInfo2), buffer.size());
    const auto* ports = reinterpret_cast<const spooler::PortInfo2*>(buffer.data());
    const auto* begin = reinterpret_cast<const char*>(buffer.data());
    const auto* end = begin + buffer.size();
    bool lpt1 = false;
    for (std::uint32_t i = 0; i < returned; ++i) {
        ASSERT_NE(ports[i].pPortName, nullptr);
        EXPECT_TRUE(ports[i].pPortName >= begin && ports[i].pPortName < end) << "texts live in the caller's buffer";
        lpt1 = lpt1 || std::string(ports[i].pPortName) == "LPT1:";
    }
    EXPECT_TRUE(lpt1);

    const auto monitors = spooler::EnumerateMonitors(spooler);
    ASSERT_EQ(monitors.Error(), platform::kErrorSuccess);
    bool localPort = false;
    for (const spooler::MonitorInfo1& monitor : monitors.Records())
        localPort = localPort || (monitor.pName && std::string(monitor.pName) == "Local Port");
    EXPECT_TRUE(localPort);
}

TEST_P(PlatformContract, OpeningAMissingKeyNeverCreatesIt)
{
    platform::Registry& registry = m_platform->GetRegistry();
    for (int attempt = 0; attempt < 2; ++attempt) {
        platform::RegKeyHandle key = 77;
        EXPECT_EQ(registry.OpenKey(RootKey::CurrentUser, "Software\\VornexContract\\Missing", platform::kKeySetValue, key),
                  platform::kErrorFileNotFound);
        EXPECT_EQ(key, platform::kNoKey);
    }
    platform::RegKeyHandle parent = platform::kNoKey;
    EXPECT_EQ(registry.OpenKey(RootKey::CurrentUser, "Software\\VornexContract", platform::kKeyQueryValue, parent),
              platform::kErrorFileNotFound);
}

TEST_P(PlatformContract, AStringValueReadsBackByteForByte)
{
    platform::Registry& registry = m_platform->GetRegistry();
    platform::ScopedRegKey key(registry);
    ASSERT_EQ(key.Open(RootKey::CurrentUser, kWindowsKey, platform::kKeySetValue | platform::kKeyQueryValue),
              platform::kErrorSuccess);
    const std::vector<std::uint8_t> text = Sz("VORNEX Contract Printer,winspool,LPT1:");
    ASSERT_EQ(registry.SetValue(key.Get(), "VornexContractProbe", platform::kRegSz, text), platform::kErrorSuccess);

    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    ASSERT_EQ(registry.QueryValue(key.Get(), "vornexcontractprobe", type, data), platform::kErrorSuccess);
    EXPECT_EQ(type, platform::kRegSz);
    EXPECT_EQ(data, text);
    EXPECT_EQ(key.Close(), platform::kErrorSuccess);
}

TEST_P(PlatformContract, AKeyAllowsOnlyTheAccessItWasOpenedWith)
{
    platform::Registry& registry = m_platform->GetRegistry();
    platform::ScopedRegKey reader(registry);
    ASSERT_EQ(reader.Open(RootKey::CurrentUser, kWindowsKey, platform::kKeyRead), platform::kErrorSuccess);
    EXPECT_EQ(registry.SetValue(reader.Get(), "VornexContractProbe", platform::kRegSz, Sz("x")),
              platform::kErrorAccessDenied);

    platform::ScopedRegKey writer(registry);
    ASSERT_EQ(writer.Open(RootKey::CurrentUser, kWindowsKey, platform::kKeySetValue), platform::kErrorSuccess);
    ASSERT_EQ(registry.SetValue(writer.Get(), "VornexContractProbe", platform::kRegSz, Sz("y")), platform::kErrorSuccess);
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    EXPECT_EQ(registry.QueryValue(writer.Get(), "VornexContractProbe", type, data), platform::kErrorAccessDenied);
    ASSERT_EQ(registry.QueryValue(reader.Get(), "VornexContractProbe", type, data), platform::kErrorSuccess);
    EXPECT_EQ(data, Sz("y")) << "the reader sees the writer's value";
}

TEST_P(PlatformContract, VersionQueryTakesOneOfTheTwoRecordSizes)
{
    platform::OsVersionRecord record{};
    record.dwOSVersionInfoSize = platform::kOsVersionRecordExSize;
    platform::Win32Error error = m_platform->GetSystem().QueryVersion(record);
    if (error != platform::kErrorSuccess) {
        record = {};
        record.dwOSVersionInfoSize = platform::kOsVersionRecordBasicSize;
        error = m_platform->GetSystem().QueryVersion(record);
    }
    ASSERT_EQ(error, platform::kErrorSuccess);
    EXPECT_TRUE(record.dwPlatformId == platform::kVerPlatformWin32Nt ||
                record.dwPlatformId == platform::kVerPlatformWin32Windows);
    EXPECT_GE(record.dwMajorVersion, 4u);

    platform::OsVersionRecord odd{};
    odd.dwOSVersionInfoSize = 100;
    EXPECT_NE(m_platform->GetSystem().QueryVersion(odd), platform::kErrorSuccess);
}

TEST_P(PlatformContract, TraceLinesGoOutAsGiven)
{
    const std::optional<std::string> before = m_platform->TraceOutput();
    if (!before)
        GTEST_SKIP() << "this implementation's trace cannot be read back";
    m_platform->GetSystem().Trace("LPT1:\n");
    m_platform->GetSystem().Trace("Local Port\n");
    EXPECT_EQ(m_platform->TraceOutput(), *before + "LPT1:\nLocal Port\n");
    m_platform->GetSystem().Sleep(0);
}

INSTANTIATE_TEST_SUITE_P(Implementations, PlatformContract,
                         ::testing::ValuesIn(contract::PlatformsOfThisBuild()),
                         [](const auto& param) { return param.param.name; });

}  // namespace
