#include "install/InstallProcedure.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace install {

namespace {

using platform::kErrorSuccess;

// The printer handle that AddPrinter returns, closed by whoever opened it.
class ScopedPrinter {
public:
    explicit ScopedPrinter(spooler::Spooler& spooler) : m_spooler(spooler) {}
    ScopedPrinter(const ScopedPrinter&) = delete;
    ScopedPrinter& operator=(const ScopedPrinter&) = delete;
    ~ScopedPrinter() { Close(); }

    void Adopt(spooler::PrinterHandle handle)
    {
        Close();
        m_handle = handle;
    }
    void Close()
    {
        if (m_handle != spooler::kNoPrinter)
            m_spooler.ClosePrinter(m_handle);
        m_handle = spooler::kNoPrinter;
    }

private:
    spooler::Spooler& m_spooler;
    spooler::PrinterHandle m_handle = spooler::kNoPrinter;
};

using DependentFilesBuffer = std::array<char, kDependentFilesBufferSize>;

// The driver record's dependent files in a zero-filled buffer: each entry ended by a
// NUL, then the module DLL's name (no leading backslash) and its NUL, then one more
// NUL. std::nullopt when the list does not fit.
std::optional<DependentFilesBuffer> BuildDependentFiles(std::span<const std::string_view> entries,
                                                        std::string_view dllBase)
{
    DependentFilesBuffer buffer{};
    std::size_t at = 0;
    auto put = [&](std::string_view first, std::string_view second = {}) {
        const std::size_t length = first.size() + second.size();
        if (at + length + 1 >= buffer.size())  // keep room for the final NUL
            return false;
        std::memcpy(buffer.data() + at, first.data(), first.size());
        std::memcpy(buffer.data() + at + first.size(), second.data(), second.size());
        at += length + 1;
        return true;
    };
    for (const std::string_view entry : entries)
        if (!put(entry))
            return std::nullopt;
    if (!put(dllBase, DriverCatalogue::kDllExtension))
        return std::nullopt;
    return buffer;
}

// Names the first selection outside its table, or std::nullopt when all are valid.
// The serial rows count only for a serial port row, the only case that reads them.
std::optional<std::string> FindInvalidChoice(const InstallChoices& choices)
{
    auto outside = [](const char* what, int row) {
        return std::string("the ") + what + " row " + std::to_string(row) + " is not in the catalogue";
    };
    if (!DriverCatalogue::Module(choices.moduleRow))
        return outside("module", choices.moduleRow);
    if (!DriverCatalogue::Port(choices.portRow))
        return outside("port", choices.portRow);
    if (!DriverCatalogue::IsSerialPortRow(choices.portRow))
        return std::nullopt;
    const SerialRows& serial = choices.serial;
    if (!DriverCatalogue::BaudRate(serial.baud))
        return outside("baud rate", serial.baud);
    if (!DriverCatalogue::DataBitsText(serial.dataBits))
        return outside("data bits", serial.dataBits);
    if (!DriverCatalogue::StopBitsText(serial.stopBits))
        return outside("stop bits", serial.stopBits);
    if (!DriverCatalogue::ParityLetter(serial.parity))
        return outside("parity", serial.parity);
    if (!DriverCatalogue::FlowControl(serial.flow))
        return outside("flow control", serial.flow);
    return std::nullopt;
}

std::string SerialSettingsText(const SerialRows& serial)
{
    std::string text;
    for (const std::optional<std::string_view> field :
         {DriverCatalogue::BaudRate(serial.baud), DriverCatalogue::ParityLetter(serial.parity),
          DriverCatalogue::DataBitsText(serial.dataBits),
          DriverCatalogue::StopBitsText(serial.stopBits), DriverCatalogue::FlowControl(serial.flow)}) {
        if (!text.empty())
            text += ',';
        text += field.value_or("");
    }
    return text;
}

class InstallRun {
public:
    InstallRun(const InstallChoices& choices, const InstallServices& services, const ModuleRow& module,
               InstallReport& report)
        : m_choices(choices), m_services(services), m_module(module), m_report(report),
          m_printer(services.spooler)
    {
    }

    void Run()
    {
        if (!FindDriverDirectory())
            return;
        StageFiles();
        AddDriver();
        Progress(70);
        CreatePrinter();
        Progress(80);
        if (m_choices.setDefaultPrinter)
            WriteDefaultPrinter();
        Progress(90);
        if (DriverCatalogue::IsSerialPortRow(m_choices.portRow))
            WriteSerialSettings();
        Progress(95);
        m_printer.Close();
        m_services.system.Sleep(kFinalWaitMilliseconds);
        m_report.ranToEnd = true;
        Progress(100);
    }

private:
    // Without a directory every target would begin with a bare backslash and land at
    // the root of the drive, so the run stops here instead.
    bool FindDriverDirectory()
    {
        std::array<char, kDriverDirectoryBufferSize> buffer{};
        std::uint32_t needed = 0;
        m_report.driverDirectoryQueried = true;
        m_report.driverDirectoryError =
            m_services.spooler.GetDriverDirectory(spooler::kEnvironmentNtX86, 1, buffer, needed);
        if (m_report.driverDirectoryError != kErrorSuccess)
            return false;
        const auto end = std::find(buffer.begin(), buffer.end(), '\0');
        if (end == buffer.end()) {
            m_report.driverDirectoryError = platform::kErrorInsufficientBuffer;
            return false;
        }
        if (end == buffer.begin())
            return false;
        m_report.driverDirectory = std::string(buffer.begin(), end);
        return true;
    }

    void StageFiles()
    {
        const auto support = DriverCatalogue::SupportFiles();
        CopyModuleFile(m_module.dllBase, DriverCatalogue::kDllExtension);
        Progress(10);
        CopyModuleFile(m_module.gpdBase, DriverCatalogue::kGpdExtension);
        Progress(20);
        // Support files in catalogue order, in the groups that report 30, 40, 50, 60.
        constexpr std::array<std::size_t, 4> kGroupEnds{1, 3, 5, 8};
        std::size_t next = 0;
        int position = 30;
        for (const std::size_t groupEnd : kGroupEnds) {
            for (; next < groupEnd && next < support.size(); ++next)
                CopySupportFile(support[next]);
            Progress(position);
            position += 10;
        }
        for (; next < support.size(); ++next)
            CopySupportFile(support[next]);
    }

    void CopyModuleFile(std::string_view base, std::string_view extension)
    {
        std::string fileName = std::string(base) + std::string(extension);
        Copy(std::move(fileName), std::string(DriverCatalogue::kSourceFolder) + "\\" +
                                      std::string(base) + std::string(extension));
    }

    void CopySupportFile(const SupportFile& file)
    {
        Copy(std::string(file.fileName), std::string(file.sourcePath));
    }

    void Copy(std::string fileName, std::string source)
    {
        FileCopyResult result;
        result.target = *m_report.driverDirectory + "\\" + fileName;
        result.fileName = std::move(fileName);
        result.source = std::move(source);
        result.error = m_services.files.Copy(result.source, result.target, false);
        m_report.files.push_back(std::move(result));
    }

    void AddDriver()
    {
        const auto dependents = DriverCatalogue::DependentFiles(m_choices.moduleRow);
        const std::string dataFile = "\\" + std::string(m_module.gpdBase) +
                                     std::string(DriverCatalogue::kGpdExtension);
        const std::string driverPath(DriverCatalogue::kDriverPath);
        const std::string configFile(DriverCatalogue::kConfigFile);
        const std::string helpFile(DriverCatalogue::kHelpFile);
        const std::string dataType(kDataType);
        const auto dependentFiles = BuildDependentFiles(*dependents, m_module.dllBase);

        m_report.driverAttempted = true;
        if (!dependentFiles) {
            m_report.driverError = platform::kErrorInsufficientBuffer;
            return;
        }
        spooler::DriverInfo3 info;
        info.cVersion = kDriverVersion;
        info.pName = m_report.driverName.c_str();
        info.pEnvironment = spooler::kEnvironmentNtX86;
        info.pDriverPath = driverPath.c_str();
        info.pDataFile = dataFile.c_str();
        info.pConfigFile = configFile.c_str();
        info.pHelpFile = helpFile.c_str();
        info.pDependentFiles = dependentFiles->data();
        info.pMonitorName = "";  // an empty text, not a null pointer
        info.pDefaultDataType = dataType.c_str();
        m_report.driverError = m_services.spooler.AddDriver(3, info);
    }

    void CreatePrinter()
    {
        const std::string printProcessor(kPrintProcessor);
        const std::string dataType(kDataType);
        spooler::PrinterInfo2 info;  // every other field zero or null
        info.pPrinterName = m_report.driverName.c_str();
        info.pPortName = m_report.portName.c_str();
        info.pDriverName = m_report.driverName.c_str();
        info.pPrintProcessor = printProcessor.c_str();
        info.pDatatype = dataType.c_str();

        spooler::PrinterHandle handle = spooler::kNoPrinter;
        m_report.printerError = m_services.spooler.CreatePrinter(2, info, handle);
        if (m_report.printerError == kErrorSuccess) {
            m_report.printer = PrinterOutcome::Created;
            m_printer.Adopt(handle);
        } else {
            m_report.printer = m_report.printerError == platform::kErrorPrinterAlreadyExists
                                   ? PrinterOutcome::AlreadyPresent
                                   : PrinterOutcome::Failed;
        }
    }

    // A printer that could not be created is never made the default: "Device" would
    // name a printer that does not exist and the user's own default would be lost.
    void WriteDefaultPrinter()
    {
        if (m_report.printer != PrinterOutcome::Created && m_report.printer != PrinterOutcome::AlreadyPresent) {
            m_report.defaultPrinter.outcome = ValueOutcome::NoPrinter;
            return;
        }
        WriteValue(m_report.defaultPrinter, platform::RootKey::CurrentUser, kDefaultPrinterKey,
                   std::string(kDefaultPrinterValue),
                   m_report.driverName + ",winspool," + m_report.portName);
    }

    // The value follows the Detail Setting page's port combo, not the port the printer
    // is created on.
    void WriteSerialSettings()
    {
        WriteValue(m_report.serialSettings, platform::RootKey::LocalMachine, kPortsKey,
                   std::string(DriverCatalogue::Port(m_choices.portRow)->valueName),
                   SerialSettingsText(m_choices.serial));
    }

    // Opens an existing key for setting only (never creates it), sets a REG_SZ with its
    // NUL counted and closes the key again. A key that cannot be opened skips the
    // value without a word; a value that cannot be set is told to the user.
    void WriteValue(ValueWriteResult& result, platform::RootKey root, std::string_view keyPath,
                    std::string valueName, std::string text)
    {
        result.root = root;
        result.keyPath = std::string(keyPath);
        result.valueName = std::move(valueName);
        result.text = std::move(text);

        platform::ScopedRegKey key(m_services.registry);
        result.error = key.Open(root, result.keyPath, platform::kKeySetValue);
        if (result.error != kErrorSuccess) {
            result.outcome = ValueOutcome::KeyNotOpened;
            return;
        }
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(result.text.c_str());
        result.error = m_services.registry.SetValue(key.Get(), result.valueName, platform::kRegSz,
                                                    {bytes, result.text.size() + 1});
        if (result.error == kErrorSuccess) {
            result.outcome = ValueOutcome::Written;
            return;
        }
        result.outcome = ValueOutcome::SetFailed;
        if (m_services.showMessage)
            m_services.showMessage(std::string(kRegistryFailureMessage));
    }

    void Progress(int position)
    {
        if (m_services.reportProgress)
            m_services.reportProgress(position);
    }

    const InstallChoices& m_choices;
    const InstallServices& m_services;
    const ModuleRow& m_module;
    InstallReport& m_report;
    ScopedPrinter m_printer;
};

}  // namespace

InstallReport RunInstallProcedure(const InstallChoices& choices, const InstallServices& services)
{
    InstallReport report;
    report.portName = choices.portName;
    report.invalidChoice = FindInvalidChoice(choices);
    if (report.invalidChoice)
        return report;

    const ModuleRow module = *DriverCatalogue::Module(choices.moduleRow);
    report.driverName = std::string(module.driverName);
    InstallRun(choices, services, module, report).Run();
    return report;
}

}  // namespace install
