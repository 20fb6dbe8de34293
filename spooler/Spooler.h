#pragma once

#include "platform/Win32Error.h"
#include "spooler/Records.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace spooler {

using platform::Win32Error;

using PrinterHandle = std::uintptr_t;  // 0 means no printer
inline constexpr PrinterHandle kNoPrinter = 0;

using WindowHandle = std::uintptr_t;  // the owner of a port monitor's dialog; 0 means none

inline constexpr const char* kEnvironmentNtX86 = "Windows NT x86";

// The local print spooler: the eight winspool calls VORNEX makes, all on the local
// machine (server name null). Each method names the call it stands for.
class Spooler {
public:
    virtual ~Spooler() = default;

    // GetPrinterDriverDirectoryA(NULL, environment, level 1, buffer, size, &needed).
    // Writes the NUL-terminated directory into the buffer; kErrorInsufficientBuffer
    // with `needed` set when it does not fit.
    virtual Win32Error GetDriverDirectory(const std::string& environment, std::uint32_t level,
                                          std::span<char> buffer, std::uint32_t& needed) = 0;

    // AddPrinterDriverA(NULL, 3, &info).
    virtual Win32Error AddDriver(std::uint32_t level, const DriverInfo3& info) = 0;

    // AddPrinterA(NULL, 2, &info): on success `printer` is an open handle to close.
    virtual Win32Error CreatePrinter(std::uint32_t level, const PrinterInfo2& info,
                                     PrinterHandle& printer) = 0;

    // ClosePrinter(handle).
    virtual Win32Error ClosePrinter(PrinterHandle printer) = 0;

    // EnumPortsA(NULL, 2, buffer, size, &needed, &returned): PortInfo2 records at the
    // start of the buffer, their texts after them. With a buffer that is too small
    // (or none) it fails with kErrorInsufficientBuffer and sets `needed`.
    virtual Win32Error ListPorts(std::uint32_t level, std::span<std::byte> buffer,
                                 std::uint32_t& needed, std::uint32_t& returned) = 0;

    // EnumMonitorsA(NULL, 1, ...): MonitorInfo1 records, as ListPorts.
    virtual Win32Error ListMonitors(std::uint32_t level, std::span<std::byte> buffer,
                                    std::uint32_t& needed, std::uint32_t& returned) = 0;

    // AddPortA(NULL, owner, monitor): the monitor asks for the new port in its own dialog.
    virtual Win32Error RequestAddPort(WindowHandle owner, const std::string& monitorName) = 0;

    // ConfigurePortA(NULL, owner, port): the port's monitor shows its settings dialog.
    virtual Win32Error RequestConfigurePort(WindowHandle owner, const std::string& portName) = 0;
};

}  // namespace spooler
