#pragma once

#include "spooler/Spooler.h"

namespace spooler::win32 {

// The local print spooler through winspool's ANSI calls. Records pass through as they
// are: spooler/Records.h lays them out as winspool does (checked here at compile time).
class Win32Spooler final : public Spooler {
public:
    Win32Error GetDriverDirectory(const std::string& environment, std::uint32_t level, std::span<char> buffer,
                                  std::uint32_t& needed) override;
    Win32Error AddDriver(std::uint32_t level, const DriverInfo3& info) override;
    Win32Error CreatePrinter(std::uint32_t level, const PrinterInfo2& info, PrinterHandle& printer) override;
    Win32Error ClosePrinter(PrinterHandle printer) override;
    Win32Error ListPorts(std::uint32_t level, std::span<std::byte> buffer, std::uint32_t& needed,
                         std::uint32_t& returned) override;
    Win32Error ListMonitors(std::uint32_t level, std::span<std::byte> buffer, std::uint32_t& needed,
                            std::uint32_t& returned) override;
    Win32Error RequestAddPort(WindowHandle owner, const std::string& monitorName) override;
    Win32Error RequestConfigurePort(WindowHandle owner, const std::string& portName) override;
};

}  // namespace spooler::win32
