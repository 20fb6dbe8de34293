#pragma once

#include "machine/LocalPortMonitor.h"
#include "machine/PathMapper.h"
#include "machine/RegistryStore.h"
#include "spooler/Spooler.h"

#include <set>

namespace machine {

// The machine's print spooler, keeping everything in the registry as Windows does:
//   drivers   Print\Environments\Windows NT x86\Drivers\Version-<n>\<name>
//   printers  Print\Printers\<name>
//   monitors  Print\Monitors\<name>
//   ports     the values of ...\CurrentVersion\Ports, each listed with monitor and
//             description "Local Port", the one monitor ListMonitors lists
// Driver files live in <SystemRoot>\system32\spool\drivers\w32x86.
class HostSpooler : public spooler::Spooler {
public:
    HostSpooler(RegistryStore& store, const PathMapper& paths) : m_store(store), m_paths(paths), m_localPorts(store) {}

    // The monitor dialogs; without one every dialog counts as cancelled.
    void SetPortMonitorUi(PortMonitorUi* ui) { m_ui = ui; }

    Win32Error GetDriverDirectory(const std::string& environment, std::uint32_t level,
                                  std::span<char> buffer, std::uint32_t& needed) override;
    Win32Error AddDriver(std::uint32_t level, const spooler::DriverInfo3& info) override;
    Win32Error CreatePrinter(std::uint32_t level, const spooler::PrinterInfo2& info,
                             spooler::PrinterHandle& printer) override;
    Win32Error ClosePrinter(spooler::PrinterHandle printer) override;
    Win32Error ListPorts(std::uint32_t level, std::span<std::byte> buffer, std::uint32_t& needed,
                         std::uint32_t& returned) override;
    Win32Error ListMonitors(std::uint32_t level, std::span<std::byte> buffer, std::uint32_t& needed,
                            std::uint32_t& returned) override;
    Win32Error RequestAddPort(spooler::WindowHandle owner, const std::string& monitorName) override;
    Win32Error RequestConfigurePort(spooler::WindowHandle owner, const std::string& portName) override;

    // The driver directory as a Windows path ("C:\WINDOWS\system32\spool\drivers\w32x86").
    Win32Error DriverDirectory(std::string& windowsPath);

    std::size_t OpenPrinterCount() const { return m_openPrinters.size(); }

private:
    Win32Error CheckDriverFiles(const spooler::DriverInfo3& info);

    RegistryStore& m_store;
    const PathMapper& m_paths;
    LocalPortMonitor m_localPorts;
    PortMonitorUi* m_ui = nullptr;
    std::set<spooler::PrinterHandle> m_openPrinters;
    spooler::PrinterHandle m_nextPrinter = 0x1000;
};

// Limits Windows puts on names.
inline constexpr std::size_t kMaxPrinterNameLength = 220;
inline constexpr std::size_t kMaxDriverNameLength = 255;

}  // namespace machine
