#include "platform/win32/Win32System.h"

#include "platform/win32/LastError.h"

#include <windows.h>

#include <cstddef>
#include <string>

namespace platform::win32 {
namespace {

// The record is handed to the system as it is: it must be the system's own.
static_assert(sizeof(OsVersionRecord) == sizeof(OSVERSIONINFOEXA));
static_assert(kOsVersionRecordBasicSize == sizeof(OSVERSIONINFOA));
static_assert(offsetof(OsVersionRecord, dwOSVersionInfoSize) == offsetof(OSVERSIONINFOEXA, dwOSVersionInfoSize));
static_assert(offsetof(OsVersionRecord, dwMajorVersion) == offsetof(OSVERSIONINFOEXA, dwMajorVersion));
static_assert(offsetof(OsVersionRecord, dwMinorVersion) == offsetof(OSVERSIONINFOEXA, dwMinorVersion));
static_assert(offsetof(OsVersionRecord, dwBuildNumber) == offsetof(OSVERSIONINFOEXA, dwBuildNumber));
static_assert(offsetof(OsVersionRecord, dwPlatformId) == offsetof(OSVERSIONINFOEXA, dwPlatformId));
static_assert(offsetof(OsVersionRecord, szCSDVersion) == offsetof(OSVERSIONINFOEXA, szCSDVersion));
static_assert(offsetof(OsVersionRecord, wServicePackMajor) == offsetof(OSVERSIONINFOEXA, wServicePackMajor));
static_assert(offsetof(OsVersionRecord, wServicePackMinor) == offsetof(OSVERSIONINFOEXA, wServicePackMinor));
static_assert(offsetof(OsVersionRecord, wSuiteMask) == offsetof(OSVERSIONINFOEXA, wSuiteMask));
static_assert(offsetof(OsVersionRecord, wProductType) == offsetof(OSVERSIONINFOEXA, wProductType));
static_assert(offsetof(OsVersionRecord, wReserved) == offsetof(OSVERSIONINFOEXA, wReserved));

}  // namespace

Win32Error Win32System::QueryVersion(OsVersionRecord& record) {
    // The program asks the question the way its Windows versions answer it; the newer
    // headers mark the call as deprecated for programs that should not care.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const BOOL ok = ::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&record));
#pragma GCC diagnostic pop
    return ok ? kErrorSuccess : LastErrorOfFailure();
}

void Win32System::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

void Win32System::Trace(std::string_view text) {
    const std::string line(text);  // the call takes a NUL-terminated text
    ::OutputDebugStringA(line.c_str());
}

}  // namespace platform::win32
