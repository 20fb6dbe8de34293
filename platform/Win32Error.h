#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Every operation behind the platform and spooler seams reports a Win32 error code:
// kErrorSuccess on success, otherwise the code Windows itself would give.
using Win32Error = std::uint32_t;

inline constexpr Win32Error kErrorSuccess = 0;
inline constexpr Win32Error kErrorFileNotFound = 2;
inline constexpr Win32Error kErrorPathNotFound = 3;
inline constexpr Win32Error kErrorAccessDenied = 5;
inline constexpr Win32Error kErrorInvalidHandle = 6;
inline constexpr Win32Error kErrorNotEnoughMemory = 8;
inline constexpr Win32Error kErrorWriteFault = 29;
inline constexpr Win32Error kErrorNotSupported = 50;
inline constexpr Win32Error kErrorFileExists = 80;
inline constexpr Win32Error kErrorInvalidParameter = 87;
inline constexpr Win32Error kErrorInsufficientBuffer = 122;
inline constexpr Win32Error kErrorInvalidName = 123;
inline constexpr Win32Error kErrorInvalidLevel = 124;
inline constexpr Win32Error kErrorBusy = 170;
inline constexpr Win32Error kErrorAlreadyExists = 183;
inline constexpr Win32Error kErrorMoreData = 234;
inline constexpr Win32Error kErrorBadDatabase = 1009;
inline constexpr Win32Error kErrorCancelled = 1223;
inline constexpr Win32Error kErrorUnknownPort = 1796;
inline constexpr Win32Error kErrorUnknownPrinterDriver = 1797;
inline constexpr Win32Error kErrorUnknownPrintProcessor = 1798;
inline constexpr Win32Error kErrorInvalidPrinterName = 1801;
inline constexpr Win32Error kErrorPrinterAlreadyExists = 1802;
inline constexpr Win32Error kErrorInvalidEnvironment = 1805;
inline constexpr Win32Error kErrorUnknownPrintMonitor = 3000;

// A short English description for reports and tool output, e.g.
// "error 2: the file was not found".
std::string DescribeError(Win32Error error);

}  // namespace platform
