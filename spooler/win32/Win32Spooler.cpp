#include "spooler/win32/Win32Spooler.h"

#include "platform/win32/LastError.h"

#include <windows.h>
#include <winspool.h>

#include <cstddef>
#include <vector>

namespace spooler::win32 {
namespace {

using platform::kErrorSuccess;
using platform::win32::LastErrorOfFailure;

#define VORNEX_SAME_FIELD(ours, theirs, field) \
    static_assert(offsetof(ours, field) == offsetof(theirs, field), #ours "::" #field)

static_assert(sizeof(DriverInfo3) == sizeof(DRIVER_INFO_3A));
VORNEX_SAME_FIELD(DriverInfo3, DRIVER_INFO_3A, cVersion);
VORNEX_SAME_FIELD(DriverInfo3, DRIVER_INFO_3A, pName);
VORNEX_SAME_FIELD(DriverInfo3, DRIVER_INFO_3A, pEnvironment);
VORNEX_SAME_FIELD(DriverInfo3, DRIVER_INFO_3A, pDriverPath);
VORNEX_SAME_FIELD(DriverInfo3, DRIVER_INFO_3A, pDataFile);
VORNEX_SAME_FIELD(DriverInfo3, DRIVER_INFO_3A, pConfigFile);
VORNEX_SAME_FIELD(DriverInfo3, DRIVER_INFO_3A, pHelpFile);
VORNEX_SAME_FIELD(DriverInfo3, DRIVER_INFO_3A, pDependentFiles);
VORNEX_SAME_FIELD(DriverInfo3, DRIVER_INFO_3A, pMonitorName);
VORNEX_SAME_FIELD(DriverInfo3, DRIVER_INFO_3A, pDefaultDataType);

static_assert(sizeof(PrinterInfo2) == sizeof(PRINTER_INFO_2A));
VORNEX_SAME_FIELD(PrinterInfo2, PRINTER_INFO_2A, pServerName);
VORNEX_SAME_FIELD(PrinterInfo2, PRINTER_INFO_2A, pPrinterName);
VORNEX_SAME_FIELD(PrinterInfo2, PRINTER_INFO_2A, pShareName);
VORNEX_SAME_FIELD(PrinterInfo2, PRINTER_INFO_2A, pPortName);
VORNEX_SAME_FIELD(PrinterInfo2, PRINTER_INFO_2A, pDriverName);
VORNEX_SAME_FIELD(PrinterInfo2, PRINTER_INFO_2A, pComment);
VORNEX_SAME_FIELD(PrinterInfo2, PRINTER_INFO_2A, pLocation);
VORNEX_SAME_FIELD(PrinterInfo2, PRINTER_INFO_2A, pDevMode);
VORNEX_SAME_FIELD(PrinterInfo2, PRINTER_INFO_2A, pSepFile);
VORNEX_SAME_FIELD(PrinterInfo2, PRINTER_INFO_2A, pPrintProcessor);
VORNEX_SAME_FIELD(PrinterInfo2, PRINTER_INFO_2A, pDatatype);
VORNEX_SAME_FIELD(PrinterInfo2, PRINTER_INFO_2A, pParameters);
VORNEX_SAME_FIELD(PrinterInfo2, PRINTER_INFO_2A, pSecurityDescriptor);
VORNEX_SAME_FIELD(PrinterInfo2, PRINTER_INFO_2A, Attributes);
VORNEX_SAME_FIELD(PrinterInfo2, PRINTER_INFO_2A, Priority);
VORNEX_SAME_FIELD(PrinterInfo2, PRINTER_INFO_2A, DefaultPriority);
VORNEX_SAME_FIELD(PrinterInfo2, PRINTER_INFO_2A, StartTime);
VORNEX_SAME_FIELD(PrinterInfo2, PRINTER_INFO_2A, UntilTime);
VORNEX_SAME_FIELD(PrinterInfo2, PRINTER_INFO_2A, Status);
VORNEX_SAME_FIELD(PrinterInfo2, PRINTER_INFO_2A, cJobs);
VORNEX_SAME_FIELD(PrinterInfo2, PRINTER_INFO_2A, AveragePPM);

static_assert(sizeof(PortInfo2) == sizeof(PORT_INFO_2A));
VORNEX_SAME_FIELD(PortInfo2, PORT_INFO_2A, pPortName);
VORNEX_SAME_FIELD(PortInfo2, PORT_INFO_2A, pMonitorName);
VORNEX_SAME_FIELD(PortInfo2, PORT_INFO_2A, pDescription);
VORNEX_SAME_FIELD(PortInfo2, PORT_INFO_2A, fPortType);
VORNEX_SAME_FIELD(PortInfo2, PORT_INFO_2A, Reserved);

static_assert(sizeof(MonitorInfo1) == sizeof(MONITOR_INFO_1A));
VORNEX_SAME_FIELD(MonitorInfo1, MONITOR_INFO_1A, pName);

static_assert(kPortTypeWrite == PORT_TYPE_WRITE && kPortTypeRead == PORT_TYPE_READ);

#undef VORNEX_SAME_FIELD

// The calls take their records as untyped bytes and, in the ANSI forms, their texts as
// writable pointers although they only read them.
LPBYTE Bytes(const void* record) { return static_cast<LPBYTE>(const_cast<void*>(record)); }

LPSTR Text(const std::string& text) { return const_cast<LPSTR>(text.c_str()); }

Win32Error Result(BOOL ok) { return ok ? kErrorSuccess : LastErrorOfFailure(); }

// A listing call: no buffer when the span is empty (the size question).
template <class Call>
Win32Error List(Call call, std::uint32_t level, std::span<std::byte> buffer, std::uint32_t& needed,
                std::uint32_t& returned) {
    DWORD neededBytes = 0;
    DWORD count = 0;
    const BOOL ok = call(nullptr, level, buffer.empty() ? nullptr : reinterpret_cast<LPBYTE>(buffer.data()),
                         static_cast<DWORD>(buffer.size()), &neededBytes, &count);
    const Win32Error error = Result(ok);
    needed = static_cast<std::uint32_t>(neededBytes);
    returned = ok ? static_cast<std::uint32_t>(count) : 0;
    return error;
}

}  // namespace

Win32Error Win32Spooler::GetDriverDirectory(const std::string& environment, std::uint32_t level,
                                            std::span<char> buffer, std::uint32_t& needed) {
    DWORD neededBytes = 0;
    const BOOL ok = ::GetPrinterDriverDirectoryA(nullptr, Text(environment), level,
                                                 reinterpret_cast<LPBYTE>(buffer.data()),
                                                 static_cast<DWORD>(buffer.size()), &neededBytes);
    const Win32Error error = Result(ok);
    needed = static_cast<std::uint32_t>(neededBytes);
    return error;
}

Win32Error Win32Spooler::AddDriver(std::uint32_t level, const DriverInfo3& info) {
    return Result(::AddPrinterDriverA(nullptr, level, Bytes(&info)));
}

Win32Error Win32Spooler::CreatePrinter(std::uint32_t level, const PrinterInfo2& info, PrinterHandle& printer) {
    const HANDLE handle = ::AddPrinterA(nullptr, level, Bytes(&info));
    printer = reinterpret_cast<PrinterHandle>(handle);
    return handle != nullptr ? kErrorSuccess : LastErrorOfFailure();
}

Win32Error Win32Spooler::ClosePrinter(PrinterHandle printer) {
    return Result(::ClosePrinter(reinterpret_cast<HANDLE>(printer)));
}

Win32Error Win32Spooler::ListPorts(std::uint32_t level, std::span<std::byte> buffer, std::uint32_t& needed,
                                   std::uint32_t& returned) {
    return List(::EnumPortsA, level, buffer, needed, returned);
}

Win32Error Win32Spooler::ListMonitors(std::uint32_t level, std::span<std::byte> buffer, std::uint32_t& needed,
                                      std::uint32_t& returned) {
    return List(::EnumMonitorsA, level, buffer, needed, returned);
}

Win32Error Win32Spooler::RequestAddPort(WindowHandle owner, const std::string& monitorName) {
    return Result(::AddPortA(nullptr, reinterpret_cast<HWND>(owner), Text(monitorName)));
}

Win32Error Win32Spooler::RequestConfigurePort(WindowHandle owner, const std::string& portName) {
    return Result(::ConfigurePortA(nullptr, reinterpret_cast<HWND>(owner), Text(portName)));
}

}  // namespace spooler::win32
