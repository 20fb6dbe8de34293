#pragma once

#include "platform/Win32Error.h"

#include <cstdint>
#include <string_view>

namespace platform {

inline constexpr std::uint32_t kVerPlatformWin32s = 0;
inline constexpr std::uint32_t kVerPlatformWin32Windows = 1;
inline constexpr std::uint32_t kVerPlatformWin32Nt = 2;

// The extended version record, laid out byte for byte as Windows lays it out. The
// basic record is its first 148 bytes; dwOSVersionInfoSize tells which one is asked for.
struct OsVersionRecord {
    std::uint32_t dwOSVersionInfoSize;
    std::uint32_t dwMajorVersion;
    std::uint32_t dwMinorVersion;
    std::uint32_t dwBuildNumber;
    std::uint32_t dwPlatformId;
    char szCSDVersion[128];
    std::uint16_t wServicePackMajor;
    std::uint16_t wServicePackMinor;
    std::uint16_t wSuiteMask;
    std::uint8_t wProductType;
    std::uint8_t wReserved;
};

inline constexpr std::uint32_t kOsVersionRecordExSize = 156;
inline constexpr std::uint32_t kOsVersionRecordBasicSize = 148;
static_assert(sizeof(OsVersionRecord) == kOsVersionRecordExSize);

// Kernel services other than files: the version query, the wait and the debugger trace.
class System {
public:
    virtual ~System() = default;

    // GetVersionExA: fills the record when it accepts record.dwOSVersionInfoSize,
    // fails otherwise. Only the first dwOSVersionInfoSize bytes are written.
    virtual Win32Error QueryVersion(OsVersionRecord& record) = 0;

    // Sleep: blocks the calling thread.
    virtual void Sleep(std::uint32_t milliseconds) = 0;

    // OutputDebugStringA: one text to the debugger output, passed as given.
    virtual void Trace(std::string_view text) = 0;
};

}  // namespace platform
