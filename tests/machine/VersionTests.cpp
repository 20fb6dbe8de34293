#include "machine/RegistryPaths.h"
#include "tests/machine/MachineFixture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using machine::WindowsVersion;
using machinetest::MachineTest;
using platform::OsVersionRecord;

struct VersionCase {
    WindowsVersion version;
    std::uint32_t platformId;
    std::uint32_t major;
    std::uint32_t minor;
    std::uint32_t build;
    const char* csd;
    bool acceptsExtended;
    std::uint32_t trueMajor;
    std::uint32_t trueMinor;
};

// What a program without a manifest is told on each system.
const VersionCase kCases[] = {
    {WindowsVersion::Windows95, 1, 4, 0, 0x040003B6, "", false, 4, 0},
    {WindowsVersion::Windows98, 1, 4, 10, 0x040A07CE, "", false, 4, 10},
    {WindowsVersion::WindowsNt4, 2, 4, 0, 1381, "Service Pack 5", false, 4, 0},
    {WindowsVersion::Windows2000, 2, 5, 0, 2195, "Service Pack 4", true, 5, 0},
    {WindowsVersion::WindowsXp, 2, 5, 1, 2600, "Service Pack 3", true, 5, 1},
    {WindowsVersion::Windows2003, 2, 5, 2, 3790, "Service Pack 2", true, 5, 2},
    {WindowsVersion::WindowsVista, 2, 6, 0, 6002, "Service Pack 2", true, 6, 0},
    {WindowsVersion::Windows7, 2, 6, 1, 7601, "Service Pack 1", true, 6, 1},
    {WindowsVersion::Windows8, 2, 6, 2, 9200, "", true, 6, 2},
    {WindowsVersion::Windows81, 2, 6, 2, 9200, "", true, 6, 3},
    {WindowsVersion::Windows10, 2, 6, 2, 9200, "", true, 10, 0},
};

class VersionTest : public machinetest::MachineTest, public ::testing::WithParamInterface<VersionCase> {
protected:
    void SetUp() override { Open(GetParam().version); }

    platform::Win32Error Query(std::uint32_t size, OsVersionRecord& record)
    {
        std::memset(&record, 0xAB, sizeof(record));
        record.dwOSVersionInfoSize = size;
        return m_machine->GetSystem().QueryVersion(record);
    }
};

TEST_P(VersionTest, ReportsTheVersionWithTheRecordSizesTheSystemAccepts)
{
    const VersionCase& c = GetParam();
    OsVersionRecord basic{};
    ASSERT_EQ(Query(platform::kOsVersionRecordBasicSize, basic), platform::kErrorSuccess);
    EXPECT_EQ(basic.dwOSVersionInfoSize, platform::kOsVersionRecordBasicSize);
    EXPECT_EQ(basic.dwPlatformId, c.platformId);
    EXPECT_EQ(basic.dwMajorVersion, c.major);
    EXPECT_EQ(basic.dwMinorVersion, c.minor);
    EXPECT_EQ(basic.dwBuildNumber, c.build);
    EXPECT_STREQ(basic.szCSDVersion, c.csd);
    // The basic record ends before the service-pack fields: they stay untouched.
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&basic);
    for (std::size_t i = platform::kOsVersionRecordBasicSize; i < sizeof(basic); ++i)
        EXPECT_EQ(bytes[i], 0xAB) << "byte " << i;

    OsVersionRecord extended{};
    const platform::Win32Error error = Query(platform::kOsVersionRecordExSize, extended);
    if (c.acceptsExtended) {
        ASSERT_EQ(error, platform::kErrorSuccess);
        EXPECT_EQ(extended.dwMajorVersion, c.major);
        EXPECT_EQ(extended.dwMinorVersion, c.minor);
        EXPECT_EQ(extended.wProductType, c.version == WindowsVersion::Windows2003 ? 3 : 1);
        const std::uint16_t servicePack = std::strlen(c.csd) ? static_cast<std::uint16_t>(c.csd[13] - '0') : 0;
        EXPECT_EQ(extended.wServicePackMajor, servicePack);
    } else {
        EXPECT_EQ(error, platform::kErrorInsufficientBuffer);
    }

    for (std::uint32_t size : {0u, 147u, 149u, 155u, 157u, 0xFFFFFFFFu}) {
        OsVersionRecord refused{};
        EXPECT_EQ(Query(size, refused), platform::kErrorInsufficientBuffer) << size;
    }

    machine::MachineVersion truth;
    ASSERT_EQ(Inspect().TrueVersion(truth), platform::kErrorSuccess);
    EXPECT_EQ(truth.major, c.trueMajor);
    EXPECT_EQ(truth.minor, c.trueMinor);
    std::string image;
    ASSERT_EQ(Inspect().ImageVersionName(image), platform::kErrorSuccess);
    EXPECT_EQ(machine::ParseWindowsVersion(image), c.version);
}

INSTANTIATE_TEST_SUITE_P(EachWindows, VersionTest, ::testing::ValuesIn(kCases),
                         [](const auto& param) {
                             std::string name = machine::WindowsVersionName(param.param.version);
                             std::replace(name.begin(), name.end(), '.', '_');
                             return "Windows" + name;
                         });

TEST(WindowsVersionNames, ParseEveryShortNameAndNothingElse)
{
    for (const machine::WindowsVersionFacts& facts : machine::AllWindowsVersions()) {
        EXPECT_EQ(machine::ParseWindowsVersion(facts.shortName), facts.version);
        EXPECT_EQ(machine::WindowsVersionName(facts.version), facts.shortName);
    }
    EXPECT_EQ(machine::ParseWindowsVersion("XP"), WindowsVersion::WindowsXp);
    for (const char* bad : {"", "11", "x", "xp ", "me"})
        EXPECT_EQ(machine::ParseWindowsVersion(bad), std::nullopt) << bad;
}

TEST_F(MachineTest, VersionWithoutItsRegistryKeyFailsInsteadOfGuessing)
{
    machine::RegistryStore& store = m_machine->GetStore();
    machine::RegistryStore::KeyId key = 0;
    ASSERT_EQ(store.FindKey(store.Root(platform::RootKey::LocalMachine), machine::kNtCurrentVersionKey, key),
              platform::kErrorSuccess);
    ASSERT_EQ(store.DeleteValue(key, "CurrentVersion"), platform::kErrorSuccess);
    OsVersionRecord record{};
    record.dwOSVersionInfoSize = platform::kOsVersionRecordExSize;
    EXPECT_EQ(m_machine->GetSystem().QueryVersion(record), platform::kErrorFileNotFound);
}

}  // namespace
