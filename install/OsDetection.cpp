#include "install/OsDetection.h"

namespace install {

namespace {

std::optional<OsCode> Windows9xCode(std::uint32_t major, std::uint32_t minor)
{
    if (major != 4)
        return std::nullopt;
    if (minor == 0)
        return kOsWindows95;
    if (minor == 10 || minor == 90)
        return kOsWindows98;
    return std::nullopt;
}

std::optional<OsCode> WindowsNtCode(std::uint32_t major, std::uint32_t minor)
{
    if (major <= 4)
        return kOsWindowsNt4;
    if (major == 5) {
        switch (minor) {
        case 0: return kOsWindows2000;
        case 1: return kOsWindowsXp;
        case 2: return kOsWindows2003;
        default: return std::nullopt;
        }
    }
    if (major == 6) {
        switch (minor) {
        case 0: return kOsWindowsVista;
        case 1: return kOsWindows7;
        default: return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<OsCode> OsCodeForVersion(std::uint32_t platformId, std::uint32_t major,
                                       std::uint32_t minor)
{
    switch (platformId) {
    case platform::kVerPlatformWin32Windows: return Windows9xCode(major, minor);
    case platform::kVerPlatformWin32Nt: return WindowsNtCode(major, minor);
    default: return kOsWindows2000;
    }
}

void DetectOsCode(platform::System& system, OsCode& code)
{
    platform::OsVersionRecord record{};
    record.dwOSVersionInfoSize = platform::kOsVersionRecordExSize;
    if (system.QueryVersion(record) != platform::kErrorSuccess) {
        record.dwOSVersionInfoSize = platform::kOsVersionRecordBasicSize;
        if (system.QueryVersion(record) != platform::kErrorSuccess)
            return;
    }
    if (const auto detected =
            OsCodeForVersion(record.dwPlatformId, record.dwMajorVersion, record.dwMinorVersion))
        code = *detected;
}

}  // namespace install
