#include "install/OsDetection.h"
#include "tests/support/FakeSystem.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace install {
namespace {

using ::testing::ElementsAre;
using platform::kVerPlatformWin32Nt;
using platform::kVerPlatformWin32Windows;

struct VersionCase {
    std::uint32_t platformId;
    std::uint32_t major;
    std::uint32_t minor;
    std::optional<OsCode> code;
};

const VersionCase kVersionCases[] = {
    {kVerPlatformWin32Windows, 4, 0, kOsWindows95},
    {kVerPlatformWin32Windows, 4, 10, kOsWindows98},
    {kVerPlatformWin32Windows, 4, 90, kOsWindows98},
    {kVerPlatformWin32Windows, 4, 3, std::nullopt},
    {kVerPlatformWin32Windows, 3, 95, std::nullopt},
    {kVerPlatformWin32Windows, 5, 0, std::nullopt},
    {kVerPlatformWin32Nt, 3, 51, kOsWindowsNt4},
    {kVerPlatformWin32Nt, 4, 0, kOsWindowsNt4},
    {kVerPlatformWin32Nt, 0, 7, kOsWindowsNt4},
    {kVerPlatformWin32Nt, 5, 0, kOsWindows2000},
    {kVerPlatformWin32Nt, 5, 1, kOsWindowsXp},
    {kVerPlatformWin32Nt, 5, 2, kOsWindows2003},
    {kVerPlatformWin32Nt, 5, 3, std::nullopt},
    {kVerPlatformWin32Nt, 6, 0, kOsWindowsVista},
    {kVerPlatformWin32Nt, 6, 1, kOsWindows7},
    {kVerPlatformWin32Nt, 6, 2, std::nullopt},
    {kVerPlatformWin32Nt, 6, 3, std::nullopt},
    {kVerPlatformWin32Nt, 10, 0, std::nullopt},
    {kVerPlatformWin32Nt, 0xFFFFFFFF, 0, std::nullopt},  // major compared unsigned
    {0, 3, 1, kOsWindows2000},
    {3, 9, 9, kOsWindows2000},
};

TEST(OsCodeForVersion, MapsPlatformAndVersion)
{
    for (const VersionCase& c : kVersionCases) {
        SCOPED_TRACE(testing::Message() << c.platformId << " " << c.major << "." << c.minor);
        EXPECT_EQ(OsCodeForVersion(c.platformId, c.major, c.minor), c.code);
    }
}

TEST(OsCode, NtFamilyIsThreeToEight)
{
    for (OsCode code = -1; code <= 9; ++code)
        EXPECT_EQ(IsNtFamily(code), code >= 3 && code <= 8) << code;
}

TEST(DetectOsCode, SetsTheCodeFromTheExtendedRecord)
{
    for (const VersionCase& c : kVersionCases) {
        SCOPED_TRACE(testing::Message() << c.platformId << " " << c.major << "." << c.minor);
        fakes::FakeSystem system;
        system.SetVersion(c.platformId, c.major, c.minor);
        OsCode code = kOsUnknown;
        DetectOsCode(system, code);
        EXPECT_EQ(code, c.code.value_or(kOsUnknown));
        EXPECT_THAT(system.versionQuerySizes, ElementsAre(156u));
    }
}

TEST(DetectOsCode, FallsBackToTheBasicRecord)
{
    fakes::FakeSystem system;
    system.SetVersion(kVerPlatformWin32Nt, 5, 0, 2195);
    system.acceptedSizes = {platform::kOsVersionRecordBasicSize};
    OsCode code = kOsUnknown;
    DetectOsCode(system, code);
    EXPECT_EQ(code, kOsWindows2000);
    EXPECT_THAT(system.versionQuerySizes, ElementsAre(156u, 148u));
}

TEST(DetectOsCode, KeepsTheCodeWhenBothQueriesFail)
{
    for (const OsCode before : {kOsUnknown, kOsWindowsXp}) {
        fakes::FakeSystem system;
        system.acceptedSizes.clear();
        OsCode code = before;
        DetectOsCode(system, code);
        EXPECT_EQ(code, before);
        EXPECT_THAT(system.versionQuerySizes, ElementsAre(156u, 148u));
    }
}

TEST(DetectOsCode, KeepsAnEarlierCodeWhenNothingMatches)
{
    fakes::FakeSystem system;
    system.SetVersion(kVerPlatformWin32Nt, 10, 0);
    OsCode code = kOsWindows7;
    DetectOsCode(system, code);
    EXPECT_EQ(code, kOsWindows7);
}

}  // namespace
}  // namespace install
