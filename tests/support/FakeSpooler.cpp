#include "tests/support/FakeSpooler.h"

#include <algorithm>
#include <cstring>

namespace fakes {

using platform::kErrorSuccess;

std::optional<std::string> CopyText(const char* text)
{
    if (!text)
        return std::nullopt;
    return std::string(text);
}

std::optional<std::string> CopyMultiString(const char* text)
{
    if (!text)
        return std::nullopt;
    std::string bytes;
    const char* entry = text;
    while (*entry != '\0') {
        const std::size_t length = std::strlen(entry);
        bytes.append(entry, length + 1);
        entry += length + 1;
    }
    bytes.push_back('\0');
    return bytes;
}

std::vector<std::string> CapturedDriver::DependentFileList() const
{
    std::vector<std::string> list;
    if (!dependentFiles)
        return list;
    std::size_t at = 0;
    while (at < dependentFiles->size() && (*dependentFiles)[at] != '\0') {
        const std::size_t end = dependentFiles->find('\0', at);
        list.push_back(dependentFiles->substr(at, end - at));
        at = end + 1;
    }
    return list;
}

CapturedDriver CaptureDriver(const spooler::DriverInfo3& info)
{
    CapturedDriver driver;
    driver.cVersion = info.cVersion;
    driver.name = CopyText(info.pName);
    driver.environment = CopyText(info.pEnvironment);
    driver.driverPath = CopyText(info.pDriverPath);
    driver.dataFile = CopyText(info.pDataFile);
    driver.configFile = CopyText(info.pConfigFile);
    driver.helpFile = CopyText(info.pHelpFile);
    driver.dependentFiles = CopyMultiString(info.pDependentFiles);
    driver.monitorName = CopyText(info.pMonitorName);
    driver.defaultDataType = CopyText(info.pDefaultDataType);
    return driver;
}

CapturedPrinter CapturePrinter(const spooler::PrinterInfo2& info)
{
    CapturedPrinter printer;
    printer.serverName = CopyText(info.pServerName);
    printer.printerName = CopyText(info.pPrinterName);
    printer.shareName = CopyText(info.pShareName);
    printer.portName = CopyText(info.pPortName);
    printer.driverName = CopyText(info.pDriverName);
    printer.comment = CopyText(info.pComment);
    printer.location = CopyText(info.pLocation);
    printer.devModeGiven = info.pDevMode != nullptr;
    printer.sepFile = CopyText(info.pSepFile);
    printer.printProcessor = CopyText(info.pPrintProcessor);
    printer.dataType = CopyText(info.pDatatype);
    printer.parameters = CopyText(info.pParameters);
    printer.securityDescriptorGiven = info.pSecurityDescriptor != nullptr;
    printer.attributes = info.Attributes;
    printer.priority = info.Priority;
    printer.defaultPriority = info.DefaultPriority;
    printer.startTime = info.StartTime;
    printer.untilTime = info.UntilTime;
    printer.status = info.Status;
    printer.jobs = info.cJobs;
    printer.averagePpm = info.AveragePPM;
    return printer;
}

std::vector<spooler::PortEntry> FakeSpooler::StockPorts()
{
    std::vector<spooler::PortEntry> stock;
    for (const char* name : {"COM1:", "COM2:", "COM3:", "COM4:", "FILE:", "LPT1:", "LPT2:", "LPT3:"})
        stock.push_back({name, "Local Port", "Local Port"});
    return stock;
}

FakeSpooler::FakeSpooler() : ports(StockPorts()), monitors{{"Local Port"}} {}

bool FakeSpooler::HasPort(std::string_view name) const
{
    return std::any_of(ports.begin(), ports.end(), [&](const spooler::PortEntry& port) {
        return port.name && EqualsIgnoringCase(*port.name, name);
    });
}

Win32Error FakeSpooler::GetDriverDirectory(const std::string& environment, std::uint32_t level,
                                           std::span<char> buffer, std::uint32_t& needed)
{
    calls.push_back("GetDriverDirectory");
    const bool zeroFilled = std::all_of(buffer.begin(), buffer.end(), [](char c) { return c == 0; });
    auto finish = [&](Win32Error result) {
        driverDirectoryCalls.push_back({environment, level, buffer.size(), zeroFilled, result});
        return result;
    };
    if (failGetDriverDirectory)
        return finish(*failGetDriverDirectory);
    if (level != 1)
        return finish(platform::kErrorInvalidLevel);
    if (!EqualsIgnoringCase(environment, spooler::kEnvironmentNtX86))
        return finish(platform::kErrorInvalidEnvironment);
    needed = static_cast<std::uint32_t>(driverDirectory.size() + 1);
    if (buffer.size() < needed)
        return finish(platform::kErrorInsufficientBuffer);
    std::memcpy(buffer.data(), driverDirectory.c_str(), needed);
    return finish(kErrorSuccess);
}

Win32Error FakeSpooler::AddDriver(std::uint32_t level, const spooler::DriverInfo3& info)
{
    calls.push_back("AddDriver");
    CapturedDriver driver = CaptureDriver(info);
    Win32Error result = kErrorSuccess;
    if (failAddDriver)
        result = *failAddDriver;
    else if (level != 3)
        result = platform::kErrorInvalidLevel;
    else if (!driver.name || driver.name->empty() || !driver.driverPath || !driver.dataFile ||
             !driver.configFile)
        result = platform::kErrorInvalidParameter;
    else if (driver.environment && !EqualsIgnoringCase(*driver.environment, spooler::kEnvironmentNtX86))
        result = platform::kErrorInvalidEnvironment;
    if (result == kErrorSuccess)
        drivers[*driver.name] = driver;  // adding a driver again replaces it, as on Windows
    addDriverCalls.push_back({level, std::move(driver), result});
    return result;
}

Win32Error FakeSpooler::CheckNewPrinter(std::uint32_t level, const CapturedPrinter& printer) const
{
    if (level != 2)
        return platform::kErrorInvalidLevel;
    if (!printer.printerName || printer.printerName->empty())
        return platform::kErrorInvalidPrinterName;
    if (printers.count(*printer.printerName))
        return platform::kErrorPrinterAlreadyExists;
    if (!printer.driverName || !drivers.count(*printer.driverName))
        return platform::kErrorUnknownPrinterDriver;
    if (!printer.portName || !HasPort(*printer.portName))
        return platform::kErrorUnknownPort;
    if (!printer.printProcessor || !EqualsIgnoringCase(*printer.printProcessor, "WinPrint"))
        return platform::kErrorUnknownPrintProcessor;
    return kErrorSuccess;
}

Win32Error FakeSpooler::CreatePrinter(std::uint32_t level, const spooler::PrinterInfo2& info,
                                      spooler::PrinterHandle& printer)
{
    calls.push_back("CreatePrinter");
    CapturedPrinter captured = CapturePrinter(info);
    const Win32Error result = failCreatePrinter ? *failCreatePrinter : CheckNewPrinter(level, captured);
    printer = spooler::kNoPrinter;
    if (result == kErrorSuccess) {
        printer = m_nextHandle++;
        m_openPrinters.insert(printer);
        printers[*captured.printerName] = captured;
    }
    createPrinterCalls.push_back({level, std::move(captured), result, printer});
    return result;
}

Win32Error FakeSpooler::ClosePrinter(spooler::PrinterHandle printer)
{
    calls.push_back("ClosePrinter");
    closedPrinters.push_back(printer);
    return m_openPrinters.erase(printer) ? kErrorSuccess : platform::kErrorInvalidHandle;
}

Win32Error FakeSpooler::ListPorts(std::uint32_t level, std::span<std::byte> buffer,
                                  std::uint32_t& needed, std::uint32_t& returned)
{
    calls.push_back("ListPorts");
    if (beforeListPorts)
        beforeListPorts(static_cast<int>(listPortsCalls.size()), ports);
    Win32Error result = platform::kErrorInvalidLevel;
    if (level == 2)
        result = spooler::PackPorts(ports, buffer, needed, returned);
    listPortsCalls.push_back({level, buffer.data() != nullptr, buffer.size(), needed, returned, result});
    return result;
}

Win32Error FakeSpooler::ListMonitors(std::uint32_t level, std::span<std::byte> buffer,
                                     std::uint32_t& needed, std::uint32_t& returned)
{
    calls.push_back("ListMonitors");
    if (beforeListMonitors)
        beforeListMonitors(static_cast<int>(listMonitorsCalls.size()), monitors);
    Win32Error result = platform::kErrorInvalidLevel;
    if (level == 1)
        result = spooler::PackMonitors(monitors, buffer, needed, returned);
    listMonitorsCalls.push_back(
        {level, buffer.data() != nullptr, buffer.size(), needed, returned, result});
    return result;
}

Win32Error FakeSpooler::RequestAddPort(spooler::WindowHandle owner, const std::string& monitorName)
{
    calls.push_back("RequestAddPort");
    const bool known = std::any_of(monitors.begin(), monitors.end(), [&](const auto& monitor) {
        return monitor.name && EqualsIgnoringCase(*monitor.name, monitorName);
    });
    Win32Error result = kErrorSuccess;
    if (failAddPort)
        result = *failAddPort;
    else if (!known)
        result = platform::kErrorUnknownPrintMonitor;
    else if (!portAddedByMonitor)
        result = platform::kErrorCancelled;
    else if (portAddedByMonitor->name && HasPort(*portAddedByMonitor->name))
        result = platform::kErrorAlreadyExists;
    if (result == kErrorSuccess)
        ports.push_back(*portAddedByMonitor);
    addPortCalls.push_back({owner, monitorName, result});
    return result;
}

Win32Error FakeSpooler::RequestConfigurePort(spooler::WindowHandle owner, const std::string& portName)
{
    calls.push_back("RequestConfigurePort");
    Win32Error result = kErrorSuccess;
    if (failConfigurePort)
        result = *failConfigurePort;
    else if (!HasPort(portName))
        result = platform::kErrorUnknownPort;
    configurePortCalls.push_back({owner, portName, result});
    return result;
}

}  // namespace fakes
