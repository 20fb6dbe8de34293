#include "machine/HostFiles.h"
#include "machine/PathMapper.h"
#include "tests/machine/TempFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using machine::MappedPath;
using machine::PathMapper;
using machinetest::ReadFile;
using machinetest::TempFolder;
using machinetest::WriteFile;

// Runs with the current directory in a temporary folder, for relative paths.
class InFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previous = fs::current_path();
        fs::current_path(m_folder.Path());
        fs::create_directories(m_folder / "drive_c/WINDOWS/system32/spool/drivers/w32x86");
        WriteFile(m_folder / "drive_c/WINDOWS/system32/spool/drivers/w32x86/TTFSUB.GPD", "gpd");
        WriteFile(m_folder / "win2k/TRX.DLL", "module");
    }
    void TearDown() override { fs::current_path(m_previous); }

    fs::path DriveC() const { return m_folder / "drive_c"; }

    TempFolder m_folder;
    fs::path m_previous;
};

using PathMapperTest = InFolderTest;

TEST_F(PathMapperTest, MapsWindowsPathsOntoTheMachine)
{
    const PathMapper paths(DriveC());
    const fs::path drivers = DriveC() / "WINDOWS/system32/spool/drivers/w32x86";
    struct Case {
        std::string windows;
        fs::path host;
    };
    const Case cases[] = {
        {"C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\TTFSUB.GPD", drivers / "TTFSUB.GPD"},
        {"c:/windows/SYSTEM32/Spool/Drivers/W32X86/ttfsub.gpd", drivers / "TTFSUB.GPD"},
        {"C:\\Windows\\System32\\spool\\drivers\\w32x86\\\\new.dll", drivers / "new.dll"},
        {"C:\\windows\\.\\system32\\..\\system32\\spool\\drivers\\w32x86", drivers},
        {"\\WINDOWS\\x.txt", DriveC() / "WINDOWS/x.txt"},
        {"C:x.txt", DriveC() / "x.txt"},
        {"C:\\", DriveC()},
        {"C:\\Missing\\Deeper\\File.TXT", DriveC() / "Missing/Deeper/File.TXT"},
        {"win2k\\TRX.DLL", "win2k/TRX.DLL"},
        {"WIN2K\\trx.dll", "win2k/TRX.DLL"},
        {"win2k/sub\\..\\TRX.DLL", "win2k/TRX.DLL"},
        {"..\\elsewhere\\x", "../elsewhere/x"},
        {".", "."},
    };
    for (const Case& c : cases) {
        const MappedPath mapped = paths.Map(c.windows);
        ASSERT_EQ(mapped.error, platform::kErrorSuccess) << c.windows << ": " << mapped.why;
        EXPECT_EQ(mapped.hostPath, c.host) << c.windows;
    }
}

TEST_F(PathMapperTest, RefusesPathsOutsideTheDriveAndBadNames)
{
    const PathMapper paths(DriveC());
    struct Case {
        std::string windows;
        platform::Win32Error error;
    };
    const Case cases[] = {
        {"D:\\data\\x", platform::kErrorPathNotFound},
        {"z:x", platform::kErrorPathNotFound},
        {"\\\\server\\share\\x", machine::kErrorBadNetPath},
        {"//server/share", machine::kErrorBadNetPath},
        {"C:\\..\\..\\etc\\passwd", platform::kErrorInvalidName},
        {"C:\\WINDOWS\\..\\..\\x", platform::kErrorInvalidName},
        {"\\..\\x", platform::kErrorInvalidName},
        {std::string("C:\\a\0b", 6), platform::kErrorInvalidName},
        {"C:\\a?b", platform::kErrorInvalidName},
        {"C:\\a*", platform::kErrorInvalidName},
        {"C:\\a:b", platform::kErrorInvalidName},
        {"win2k\\a|b", platform::kErrorInvalidName},
        {"C:\\a\x01z", platform::kErrorInvalidName},
        {"", platform::kErrorPathNotFound},
    };
    for (const Case& c : cases) {
        const MappedPath mapped = paths.Map(c.windows);
        EXPECT_EQ(mapped.error, c.error) << c.windows;
        EXPECT_FALSE(mapped.why.empty()) << c.windows;
        EXPECT_TRUE(mapped.hostPath.empty()) << c.windows;
    }
}

TEST_F(PathMapperTest, AnExactNameWinsOverOthersThatDifferOnlyInCase)
{
    WriteFile(DriveC() / "Case/readme", "lower");
    WriteFile(DriveC() / "Case/README", "upper");
    WriteFile(DriveC() / "Case/ReadMe", "mixed");
    const PathMapper paths(DriveC());
    EXPECT_EQ(ReadFile(paths.Map("C:\\case\\readme").hostPath), "lower");
    EXPECT_EQ(ReadFile(paths.Map("C:\\case\\README").hostPath), "upper");
    // No exact match: the first in name order, always the same one.
    EXPECT_EQ(ReadFile(paths.Map("C:\\case\\rEADME").hostPath), "upper");
}

using HostFilesTest = InFolderTest;

TEST_F(HostFilesTest, CopyGivesTheErrorsCopyFileGives)
{
    const PathMapper paths(DriveC());
    machine::HostFiles files(paths);
    const std::string drivers = "C:\\WINDOWS\\system32\\spool\\drivers\\w32x86";
    fs::create_directories(m_folder / "win2k/folder");
    struct Case {
        const char* what;
        std::string from;
        std::string to;
        bool failIfExists;
        platform::Win32Error error;
    };
    const Case cases[] = {
        {"new target", "win2k\\TRX.DLL", drivers + "\\TRX.DLL", false, platform::kErrorSuccess},
        {"replaces", "win2k\\trx.dll", drivers + "\\ttfsub.gpd", false, platform::kErrorSuccess},
        {"fail if exists", "win2k\\TRX.DLL", drivers + "\\TTFSUB.GPD", true, platform::kErrorFileExists},
        {"missing source", "win2k\\NONE.DLL", drivers + "\\NONE.DLL", false, platform::kErrorFileNotFound},
        {"missing source folder", "win3k\\TRX.DLL", drivers + "\\X.DLL", false, platform::kErrorPathNotFound},
        {"missing target folder", "win2k\\TRX.DLL", "C:\\NoSuch\\TRX.DLL", false, platform::kErrorPathNotFound},
        {"source is a folder", "win2k\\folder", drivers + "\\F", false, platform::kErrorAccessDenied},
        {"target is a folder", "win2k\\TRX.DLL", "C:\\WINDOWS", false, platform::kErrorAccessDenied},
        {"target on another drive", "win2k\\TRX.DLL", "D:\\TRX.DLL", false, platform::kErrorPathNotFound},
        {"target above the drive", "win2k\\TRX.DLL", "C:\\..\\TRX.DLL", false, platform::kErrorInvalidName},
        {"bare backslash target", "win2k\\TRX.DLL", "\\TRX.DLL", false, platform::kErrorSuccess},
    };
    for (const Case& c : cases)
        EXPECT_EQ(files.Copy(c.from, c.to, c.failIfExists), c.error) << c.what;

    const fs::path driverFolder = DriveC() / "WINDOWS/system32/spool/drivers/w32x86";
    EXPECT_EQ(ReadFile(driverFolder / "TRX.DLL"), "module");
    EXPECT_EQ(ReadFile(driverFolder / "TTFSUB.GPD"), "module") << "replaced under its existing name";
    EXPECT_FALSE(fs::exists(driverFolder / "ttfsub.gpd"));
    EXPECT_EQ(ReadFile(DriveC() / "TRX.DLL"), "module") << "a bare backslash is the root of drive C:";
    for (const auto& entry : fs::directory_iterator(driverFolder))
        EXPECT_EQ(entry.path().filename().string().find(".copy-"), std::string::npos) << "temporary file left";
}

TEST_F(HostFilesTest, CopyKeepsModeAndTimeAndRefusesToReplaceAReadOnlyFile)
{
    const PathMapper paths(DriveC());
    machine::HostFiles files(paths);
    const fs::path source = m_folder / "win2k/TRX.DLL";
    fs::permissions(source, fs::perms::owner_read | fs::perms::group_read);
    const auto stamp = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    fs::last_write_time(source, stamp);

    ASSERT_EQ(files.Copy("win2k\\TRX.DLL", "C:\\TRX.DLL", false), platform::kErrorSuccess);
    const fs::path copy = DriveC() / "TRX.DLL";
    EXPECT_EQ(fs::status(copy).permissions(), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(fs::last_write_time(copy), stamp);
    // The copy is read-only now, as on Windows: copying over it is refused.
    WriteFile(m_folder / "win2k/NEW.DLL", "newer");
    EXPECT_EQ(files.Copy("win2k\\NEW.DLL", "C:\\TRX.DLL", false), platform::kErrorAccessDenied);
    EXPECT_EQ(ReadFile(copy), "module");
}

TEST_F(HostFilesTest, AReaderSeesTheOldFileOrTheNewOneNeverAMixture)
{
    const PathMapper paths(DriveC());
    machine::HostFiles files(paths);
    const std::string first(256 * 1024, 'a');
    const std::string second(256 * 1024, 'b');
    WriteFile(m_folder / "win2k/A.DLL", first);
    WriteFile(m_folder / "win2k/B.DLL", second);
    ASSERT_EQ(files.Copy("win2k\\A.DLL", "C:\\TARGET.DLL", false), platform::kErrorSuccess);

    std::atomic<bool> done{false};
    std::atomic<int> torn{0};
    std::atomic<int> reads{0};
    std::thread reader([&] {
        const fs::path target = DriveC() / "TARGET.DLL";
        while (!done) {
            const std::string seen = ReadFile(target);
            if (seen != first && seen != second)
                ++torn;
            ++reads;
        }
    });
    for (int i = 0; i < 60; ++i)
        ASSERT_EQ(files.Copy(i % 2 ? "win2k\\A.DLL" : "win2k\\B.DLL", "C:\\TARGET.DLL", false), platform::kErrorSuccess);
    while (reads < 20)
        std::this_thread::yield();
    done = true;
    reader.join();
    EXPECT_EQ(torn, 0);
}

}  // namespace
