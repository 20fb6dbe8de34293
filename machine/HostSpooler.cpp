#include "machine/HostSpooler.h"

#include "machine/RegData.h"
#include "machine/RegistryPaths.h"
#include "spooler/RecordPacking.h"

#include <algorithm>
#include <cstring>
#include <system_error>

namespace machine {

namespace {

namespace fs = std::filesystem;

constexpr const char* kDriverDirectoryBelowRoot = "\\system32\\spool\\drivers\\w32x86";

bool IsLocalEnvironment(std::string_view environment)
{
    return environment.empty() || FoldName(environment) == FoldName(spooler::kEnvironmentNtX86);
}

std::string EnvironmentKey()
{
    return std::string(kEnvironmentsKey) + "\\" + spooler::kEnvironmentNtX86;
}

std::string_view Text(const char* text)
{
    return text ? std::string_view(text) : std::string_view();
}

// The entries of a multi-string: each ends with a NUL, an empty one ends the list.
std::vector<std::string> MultiStringEntries(const char* multi)
{
    std::vector<std::string> entries;
    for (const char* at = multi; at && *at; at += std::strlen(at) + 1)
        entries.emplace_back(at);
    return entries;
}

// Dialogs for a machine that has none: each one is cancelled.
class CancellingUi : public PortMonitorUi {
public:
    bool AskPortName(WindowHandle, std::string&) override { return false; }
    void ShowMessage(WindowHandle, const std::string&) override {}
    bool EditComSettings(WindowHandle, const std::string&, ComPortSettings&) override { return false; }
    bool EditLptTimeout(WindowHandle, const std::string&, std::uint32_t&) override { return false; }
    void ShowNothingToConfigure(WindowHandle, const std::string&) override {}
};

Win32Error FindKeyAt(RegistryStore& store, const std::string& path, RegistryStore::KeyId& key)
{
    return store.FindKey(store.Root(RootKey::LocalMachine), path, key);
}

bool KeyExists(RegistryStore& store, const std::string& path, Win32Error& error)
{
    RegistryStore::KeyId key = 0;
    error = FindKeyAt(store, path, key);
    if (error == platform::kErrorFileNotFound) {
        error = platform::kErrorSuccess;
        return false;
    }
    return error == platform::kErrorSuccess;
}

bool IsValidObjectName(std::string_view name, std::size_t maxLength)
{
    return !name.empty() && name.size() <= maxLength && name.find_first_of("\\,") == std::string_view::npos;
}

bool DriverKnown(RegistryStore& store, std::string_view driver, Win32Error& error)
{
    error = platform::kErrorSuccess;
    if (driver.empty() || driver.find('\\') != std::string_view::npos)
        return false;
    for (int version = 0; version <= 3; ++version) {
        const std::string driverKey = EnvironmentKey() + "\\" + kDriversSubKey + "\\Version-" +
                                      std::to_string(version) + "\\" + std::string(driver);
        if (KeyExists(store, driverKey, error))
            return true;
        if (error)
            return false;
    }
    return false;
}

// Every port of the list (a printer may sit on several, named with commas between
// them) must be a value of the Ports key.
bool PortsKnown(RegistryStore& store, std::string_view portList, Win32Error& error)
{
    RegistryStore::KeyId ports = 0;
    error = FindKeyAt(store, kPortsKey, ports);
    if (error == platform::kErrorFileNotFound)
        error = platform::kErrorSuccess;
    if (error || !ports)
        return false;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = portList.find(',', start);
        const std::string_view port =
            portList.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        StoredValue value;
        if (port.empty() || store.GetValue(ports, port, value) != platform::kErrorSuccess)
            return false;
        if (comma == std::string_view::npos)
            return true;
        start = comma + 1;
    }
}

bool PrintProcessorKnown(RegistryStore& store, std::string_view processor, Win32Error& error)
{
    error = platform::kErrorSuccess;
    if (processor.empty() || processor.find('\\') != std::string_view::npos)
        return false;
    return KeyExists(store, EnvironmentKey() + "\\" + kPrintProcessorsSubKey + "\\" + std::string(processor), error);
}

Win32Error CheckPrinterParts(RegistryStore& store, const spooler::PrinterInfo2& info)
{
    Win32Error error = platform::kErrorSuccess;
    if (!DriverKnown(store, Text(info.pDriverName), error))
        return error ? error : platform::kErrorUnknownPrinterDriver;
    if (!PortsKnown(store, Text(info.pPortName), error))
        return error ? error : platform::kErrorUnknownPort;
    if (!PrintProcessorKnown(store, Text(info.pPrintProcessor), error))
        return error ? error : platform::kErrorUnknownPrintProcessor;
    return platform::kErrorSuccess;
}

Win32Error StorePrinter(RegistryStore& store, const std::string& printerKey, const spooler::PrinterInfo2& info)
{
    RegistryStore::KeyId key = 0;
    if (Win32Error created = store.CreateKey(store.Root(RootKey::LocalMachine), printerKey, key))
        return created;
    const std::pair<const char*, std::string_view> texts[] = {
        {"Name", Text(info.pPrinterName)}, {"Share Name", Text(info.pShareName)}, {"Port", Text(info.pPortName)},
        {"Printer Driver", Text(info.pDriverName)}, {"Description", Text(info.pComment)},
        {"Location", Text(info.pLocation)}, {"Separator File", Text(info.pSepFile)},
        {"Print Processor", Text(info.pPrintProcessor)}, {"Datatype", info.pDatatype ? info.pDatatype : "RAW"},
        {"Parameters", Text(info.pParameters)},
    };
    for (const auto& [valueName, text] : texts) {
        if (Win32Error set = store.SetValue(key, valueName, platform::kRegSz, EncodeSz(text)))
            return set;
    }
    // Priority 0 means the lowest, 1, as the spooler stores it.
    const std::pair<const char*, std::uint32_t> numbers[] = {
        {"Attributes", info.Attributes}, {"Priority", std::max<std::uint32_t>(info.Priority, 1)},
        {"Default Priority", info.DefaultPriority}, {"StartTime", info.StartTime},
        {"UntilTime", info.UntilTime}, {"Status", 0},
    };
    for (const auto& [valueName, number] : numbers) {
        if (Win32Error set = store.SetValue(key, valueName, platform::kRegDword, EncodeDword(number)))
            return set;
    }
    return platform::kErrorSuccess;
}

}  // namespace

Win32Error HostSpooler::DriverDirectory(std::string& windowsPath)
{
    std::string systemRoot;
    const Win32Error error = m_store.Read([&]() -> Win32Error {
        for (const char* versionKey : {kNtCurrentVersionKey, kWin9xCurrentVersionKey}) {
            RegistryStore::KeyId key = 0;
            StoredValue value;
            if (FindKeyAt(m_store, versionKey, key) == platform::kErrorSuccess &&
                m_store.GetValue(key, "SystemRoot", value) == platform::kErrorSuccess) {
                systemRoot = DecodeSz(value.data);
                return platform::kErrorSuccess;
            }
        }
        return platform::kErrorSuccess;
    });
    if (error)
        return error;
    if (systemRoot.empty())
        systemRoot = "C:\\WINDOWS";
    windowsPath = systemRoot + kDriverDirectoryBelowRoot;
    return platform::kErrorSuccess;
}

Win32Error HostSpooler::GetDriverDirectory(const std::string& environment, std::uint32_t level,
                                           std::span<char> buffer, std::uint32_t& needed)
{
    needed = 0;
    if (!IsLocalEnvironment(environment))
        return platform::kErrorInvalidEnvironment;
    if (level != 1)
        return platform::kErrorInvalidLevel;
    std::string directory;
    if (Win32Error error = DriverDirectory(directory))
        return error;
    const MappedPath mapped = m_paths.Map(directory);
    if (mapped.error)
        return mapped.error;
    std::error_code ec;
    fs::create_directories(mapped.hostPath, ec);
    if (ec)
        return platform::kErrorAccessDenied;

    needed = static_cast<std::uint32_t>(directory.size() + 1);
    if (buffer.size() < needed)
        return platform::kErrorInsufficientBuffer;
    std::memcpy(buffer.data(), directory.c_str(), directory.size() + 1);
    return platform::kErrorSuccess;
}

Win32Error HostSpooler::CheckDriverFiles(const spooler::DriverInfo3& info)
{
    std::string directory;
    if (Win32Error error = DriverDirectory(directory))
        return error;
    const MappedPath mapped = m_paths.Map(directory);
    if (mapped.error)
        return mapped.error;

    std::vector<std::string> files;
    for (const char* file : {info.pDriverPath, info.pDataFile, info.pConfigFile, info.pHelpFile}) {
        if (file && *file)
            files.emplace_back(file);
    }
    for (std::string& dependent : MultiStringEntries(info.pDependentFiles))
        files.push_back(std::move(dependent));

    // Each entry names a file of the driver directory, with or without a folder in front.
    for (const std::string& file : files) {
        const std::string_view name = FileNamePart(file);
        if (name.empty() || name == "." || name == "..")
            return platform::kErrorFileNotFound;
        const fs::path found = FindEntryNoCase(mapped.hostPath, name);
        std::error_code ec;
        if (found.empty() || !fs::is_regular_file(found, ec))
            return platform::kErrorFileNotFound;
    }
    return platform::kErrorSuccess;
}

Win32Error HostSpooler::AddDriver(std::uint32_t level, const spooler::DriverInfo3& info)
{
    if (level != 2 && level != 3)
        return platform::kErrorInvalidLevel;
    const std::string_view name = Text(info.pName);
    if (!IsValidObjectName(name, kMaxDriverNameLength))
        return platform::kErrorInvalidParameter;
    if (!IsLocalEnvironment(Text(info.pEnvironment)))
        return platform::kErrorInvalidEnvironment;
    if (info.cVersion > 3)
        return platform::kErrorInvalidParameter;
    if (Text(info.pDriverPath).empty() || Text(info.pDataFile).empty() || Text(info.pConfigFile).empty())
        return platform::kErrorInvalidParameter;

    spooler::DriverInfo3 checked = info;
    if (level == 2) {
        checked.pHelpFile = nullptr;
        checked.pDependentFiles = nullptr;
        checked.pMonitorName = nullptr;
        checked.pDefaultDataType = nullptr;
    }
    if (Win32Error error = CheckDriverFiles(checked))
        return error;

    std::vector<std::string> dependents;
    for (const std::string& entry : MultiStringEntries(checked.pDependentFiles))
        dependents.emplace_back(FileNamePart(entry));
    const std::string keyPath = EnvironmentKey() + "\\" + kDriversSubKey + "\\Version-" +
                                std::to_string(checked.cVersion) + "\\" + std::string(name);

    return m_store.Write([&]() -> Win32Error {
        // An update replaces the driver: what the old record had and the new one has
        // not must not survive.
        RegistryStore::KeyId key = 0;
        const Win32Error found = FindKeyAt(m_store, keyPath, key);
        if (found == platform::kErrorSuccess) {
            if (Win32Error error = m_store.DeleteKeyTree(key))
                return error;
        } else if (found != platform::kErrorFileNotFound) {
            return found;
        }
        if (Win32Error error = m_store.CreateKey(m_store.Root(RootKey::LocalMachine), keyPath, key))
            return error;
        const std::pair<const char*, std::vector<std::uint8_t>> values[] = {
            {"Configuration File", EncodeSz(FileNamePart(Text(checked.pConfigFile)))},
            {"Data File", EncodeSz(FileNamePart(Text(checked.pDataFile)))},
            {"Driver", EncodeSz(FileNamePart(Text(checked.pDriverPath)))},
            {"Help File", EncodeSz(FileNamePart(Text(checked.pHelpFile)))},
            {"Monitor", EncodeSz(Text(checked.pMonitorName))},
            {"Datatype", EncodeSz(Text(checked.pDefaultDataType))},
        };
        for (const auto& [valueName, data] : values) {
            if (Win32Error error = m_store.SetValue(key, valueName, platform::kRegSz, data))
                return error;
        }
        if (Win32Error error = m_store.SetValue(key, "Dependent Files", platform::kRegMultiSz, EncodeMultiSz(dependents)))
            return error;
        return m_store.SetValue(key, "Version", platform::kRegDword, EncodeDword(checked.cVersion));
    });
}

Win32Error HostSpooler::CreatePrinter(std::uint32_t level, const spooler::PrinterInfo2& info,
                                      spooler::PrinterHandle& printer)
{
    printer = spooler::kNoPrinter;
    if (level != 2)
        return platform::kErrorInvalidLevel;
    const std::string_view name = Text(info.pPrinterName);
    if (!IsValidObjectName(name, kMaxPrinterNameLength))
        return platform::kErrorInvalidPrinterName;
    if (!info.pPortName)
        return platform::kErrorInvalidParameter;

    // The checks and the record are one transaction: two processes adding the same
    // printer cannot both succeed.
    const std::string printerKey = std::string(kPrintersKey) + "\\" + std::string(name);
    const Win32Error error = m_store.Write([&]() -> Win32Error {
        Win32Error lookup = platform::kErrorSuccess;
        if (KeyExists(m_store, printerKey, lookup))
            return platform::kErrorPrinterAlreadyExists;
        if (lookup)
            return lookup;
        if (Win32Error checked = CheckPrinterParts(m_store, info))
            return checked;
        return StorePrinter(m_store, printerKey, info);
    });
    if (error)
        return error;
    printer = m_nextPrinter++;
    m_openPrinters.insert(printer);
    return platform::kErrorSuccess;
}

Win32Error HostSpooler::ClosePrinter(spooler::PrinterHandle printer)
{
    return m_openPrinters.erase(printer) ? platform::kErrorSuccess : platform::kErrorInvalidHandle;
}

Win32Error HostSpooler::ListPorts(std::uint32_t level, std::span<std::byte> buffer, std::uint32_t& needed,
                                  std::uint32_t& returned)
{
    needed = 0;
    returned = 0;
    if (level != 2)
        return platform::kErrorInvalidLevel;
    std::vector<StoredValue> values;
    const Win32Error error = m_store.Read([&]() -> Win32Error {
        RegistryStore::KeyId ports = 0;
        const Win32Error found = FindKeyAt(m_store, kPortsKey, ports);
        if (found == platform::kErrorFileNotFound)
            return platform::kErrorSuccess;
        return found ? found : m_store.ListValues(ports, values);
    });
    if (error)
        return error;
    std::vector<spooler::PortEntry> entries;
    entries.reserve(values.size());
    for (StoredValue& value : values)
        entries.push_back({std::move(value.name), kLocalPortMonitor, kLocalPortMonitor});
    return spooler::PackPorts(entries, buffer, needed, returned);
}

Win32Error HostSpooler::ListMonitors(std::uint32_t level, std::span<std::byte> buffer, std::uint32_t& needed,
                                     std::uint32_t& returned)
{
    needed = 0;
    returned = 0;
    if (level != 1)
        return platform::kErrorInvalidLevel;
    std::vector<std::string> names;
    const Win32Error error = m_store.Read([&]() -> Win32Error {
        RegistryStore::KeyId monitors = 0;
        const Win32Error found = FindKeyAt(m_store, kMonitorsKey, monitors);
        if (found == platform::kErrorFileNotFound)
            return platform::kErrorSuccess;
        return found ? found : m_store.ListSubKeys(monitors, names);
    });
    if (error)
        return error;
    std::vector<spooler::MonitorEntry> entries;
    entries.reserve(names.size());
    for (std::string& name : names)
        entries.push_back({std::move(name)});
    return spooler::PackMonitors(entries, buffer, needed, returned);
}

Win32Error HostSpooler::RequestAddPort(spooler::WindowHandle owner, const std::string& monitorName)
{
    if (monitorName.empty() || monitorName.find('\\') != std::string::npos)
        return platform::kErrorUnknownPrintMonitor;
    Win32Error lookup = platform::kErrorSuccess;
    if (!KeyExists(m_store, std::string(kMonitorsKey) + "\\" + monitorName, lookup))
        return lookup ? lookup : platform::kErrorUnknownPrintMonitor;
    if (FoldName(monitorName) != FoldName(kLocalPortMonitor))
        return platform::kErrorNotSupported;  // a monitor this machine has no logic for
    CancellingUi none;
    return m_localPorts.AddPort(owner, m_ui ? *m_ui : none);
}

Win32Error HostSpooler::RequestConfigurePort(spooler::WindowHandle owner, const std::string& portName)
{
    CancellingUi none;
    return m_localPorts.ConfigurePort(owner, portName, m_ui ? *m_ui : none);
}

}  // namespace machine
