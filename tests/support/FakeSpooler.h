#pragma once

#include "spooler/RecordPacking.h"
#include "spooler/Spooler.h"
#include "tests/support/CaseInsensitive.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace fakes {

using platform::Win32Error;

// A driver record as it was passed, every text deep-copied; std::nullopt stands for a
// null pointer, so a null and an empty text stay apart.
struct CapturedDriver {
    std::uint32_t cVersion = 0;
    std::optional<std::string> name;
    std::optional<std::string> environment;
    std::optional<std::string> driverPath;
    std::optional<std::string> dataFile;
    std::optional<std::string> configFile;
    std::optional<std::string> helpFile;
    // The whole multi-string, byte for byte: each entry with its NUL, then the final NUL.
    std::optional<std::string> dependentFiles;
    std::optional<std::string> monitorName;
    std::optional<std::string> defaultDataType;

    std::vector<std::string> DependentFileList() const;
};

struct CapturedPrinter {
    std::optional<std::string> serverName;
    std::optional<std::string> printerName;
    std::optional<std::string> shareName;
    std::optional<std::string> portName;
    std::optional<std::string> driverName;
    std::optional<std::string> comment;
    std::optional<std::string> location;
    bool devModeGiven = false;
    std::optional<std::string> sepFile;
    std::optional<std::string> printProcessor;
    std::optional<std::string> dataType;
    std::optional<std::string> parameters;
    bool securityDescriptorGiven = false;
    std::uint32_t attributes = 0;
    std::uint32_t priority = 0;
    std::uint32_t defaultPriority = 0;
    std::uint32_t startTime = 0;
    std::uint32_t untilTime = 0;
    std::uint32_t status = 0;
    std::uint32_t jobs = 0;
    std::uint32_t averagePpm = 0;
};

// A spooler held in memory that answers as the Windows spooler does on the points the
// wizard depends on, records every call with deep copies of its arguments and fails on
// request.
class FakeSpooler : public spooler::Spooler {
public:
    struct DriverDirectoryCall {
        std::string environment;
        std::uint32_t level;
        std::size_t bufferSize;
        bool bufferZeroFilled;
        Win32Error result;
    };
    struct AddDriverCall {
        std::uint32_t level;
        CapturedDriver info;
        Win32Error result;
    };
    struct CreatePrinterCall {
        std::uint32_t level;
        CapturedPrinter info;
        Win32Error result;
        spooler::PrinterHandle handle;
    };
    struct ListCall {
        std::uint32_t level;
        bool bufferGiven;
        std::size_t bufferSize;
        std::uint32_t needed;
        std::uint32_t returned;
        Win32Error result;
    };
    struct PortRequestCall {
        spooler::WindowHandle owner;
        std::string name;
        Win32Error result;
    };

    FakeSpooler();

    // What the machine holds. Ports start as a fresh Windows XP has them.
    std::string driverDirectory = "C:\\WINDOWS\\System32\\spool\\DRIVERS\\W32X86";
    std::vector<spooler::PortEntry> ports;
    std::vector<spooler::MonitorEntry> monitors;
    std::map<std::string, CapturedDriver, CaseInsensitiveLess> drivers;
    std::map<std::string, CapturedPrinter, CaseInsensitiveLess> printers;

    // Scripted failures: when set, the call fails with this error and changes nothing.
    std::optional<Win32Error> failGetDriverDirectory;
    std::optional<Win32Error> failAddDriver;
    std::optional<Win32Error> failCreatePrinter;
    std::optional<Win32Error> failAddPort;
    std::optional<Win32Error> failConfigurePort;

    // Runs at the start of every ListPorts / ListMonitors call with that call's index
    // from 0, so a test can make the list grow between the two enumeration calls.
    std::function<void(int call, std::vector<spooler::PortEntry>& ports)> beforeListPorts;
    std::function<void(int call, std::vector<spooler::MonitorEntry>& monitors)> beforeListMonitors;

    // The port that the monitor's dialog adds on RequestAddPort; without one the user
    // cancels the dialog (kErrorCancelled).
    std::optional<spooler::PortEntry> portAddedByMonitor;

    // Calls, in order, by name ("GetDriverDirectory", "AddDriver", ...).
    std::vector<std::string> calls;
    std::vector<DriverDirectoryCall> driverDirectoryCalls;
    std::vector<AddDriverCall> addDriverCalls;
    std::vector<CreatePrinterCall> createPrinterCalls;
    std::vector<spooler::PrinterHandle> closedPrinters;
    std::vector<ListCall> listPortsCalls;
    std::vector<ListCall> listMonitorsCalls;
    std::vector<PortRequestCall> addPortCalls;
    std::vector<PortRequestCall> configurePortCalls;

    const std::set<spooler::PrinterHandle>& OpenPrinters() const { return m_openPrinters; }
    bool HasPort(std::string_view name) const;

    static std::vector<spooler::PortEntry> StockPorts();

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

private:
    Win32Error CheckNewPrinter(std::uint32_t level, const CapturedPrinter& printer) const;

    std::set<spooler::PrinterHandle> m_openPrinters;
    spooler::PrinterHandle m_nextHandle = 0x1000;
};

// Deep copies of the records' texts; a null pointer gives std::nullopt.
std::optional<std::string> CopyText(const char* text);
std::optional<std::string> CopyMultiString(const char* text);
CapturedDriver CaptureDriver(const spooler::DriverInfo3& info);
CapturedPrinter CapturePrinter(const spooler::PrinterInfo2& info);

}  // namespace fakes
