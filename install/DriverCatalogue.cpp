#include "install/DriverCatalogue.h"

#include <array>

namespace install {

namespace {

constexpr std::array<ModuleRow, DriverCatalogue::kModuleCount> kModules{{
    {"TRX", "TRA1", "TR-A1", false},
    {"TRX", "TRA2", "TR-A2", false},
    {"TRX2", "TRA3", "TR-A3", false},
    {"TRX2", "TRA4", "TR-A4", true},
    {"TRX2", "TRA5", "TR-A5", true},
}};

constexpr std::array<SupportFile, 8> kSupportFiles{{
    {"uniDRVui.DLL", "win2k\\uniDRVui.DLL"},
    {"uniDRV.DLL", "win2k\\uniDRV.DLL"},
    {"UNIDRV.HLP", "win2k\\UNIDRV.HLP"},
    {"UNIRES.DLL", "win2k\\UNIRES.DLL"},
    {"TTFSUB.GPD", "win2k\\TTFSUB.GPD"},
    {"STDNAMES.GPD", "win2k\\STDNAMES.GPD"},
    {"KOEMUNI.ini", "win2k\\KOEMUNI.ini"},
    {"KOEMUNI.dll", "win2k\\KOEMUNI.dll"},
}};

// The record names differ in letter case from the staged files; the file system
// ignores case and the texts are passed as they are.
constexpr std::array<std::string_view, 3> kCommonDependentFiles{
    "\\ttfsub.GPD", "\\unires.DLL", "\\stdnames.GPD"};
constexpr std::array<std::string_view, 5> kPluginDependentFiles{
    "\\ttfsub.GPD", "\\unires.DLL", "\\stdnames.GPD", "\\KOEMUNI.ini", "\\KOEMUNI.dll"};

constexpr std::array<PortRow, DriverCatalogue::kPortCount> kPorts{{
    {"LPT1", "LPT1:"},
    {"LPT2", "LPT2:"},
    {"LPT3", "LPT3:"},
    {"COM1", "COM1:"},
    {"COM2", "COM2:"},
    {"COM3", "COM3:"},
    {"COM4", "COM4:"},
}};

constexpr std::array<SerialRow, 9> kBaudRates{{
    {"300", "300"},
    {"1200", "1200"},
    {"2400", "2400"},
    {"4800", "4800"},
    {"9600", "9600"},
    {"19200", "19200"},
    {"38400", "38400"},
    {"57600", "57600"},
    {"115200", "115200"},
}};

constexpr std::array<SerialRow, 4> kDataBits{{{"5", "5"}, {"6", "6"}, {"7", "7"}, {"8", "8"}}};

constexpr std::array<SerialRow, 3> kStopBits{{{"1", "1"}, {"1.5", "1.5"}, {"2", "2"}}};

constexpr std::array<SerialRow, 5> kParityLetters{{
    {"Even", "E"},
    {"Mark", "M"},
    {"None", "N"},
    {"Odd", "O"},
    {"Space", "S"},
}};

// "None" is written as one space: the serial text always has five fields.
constexpr std::array<SerialRow, 3> kFlowControls{{
    {"None", " "},
    {"XonXoff", "x"},
    {"Hardware", "p"},
}};

template <class Row>
std::optional<Row> RowAt(std::span<const Row> table, int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= table.size())
        return std::nullopt;
    return table[static_cast<std::size_t>(row)];
}

std::optional<std::string_view> TextAt(std::span<const SerialRow> table, int row)
{
    if (const auto found = RowAt(table, row))
        return found->text;
    return std::nullopt;
}

}  // namespace

std::span<const ModuleRow> DriverCatalogue::Modules() { return kModules; }

std::optional<ModuleRow> DriverCatalogue::Module(ModuleIndex row)
{
    return RowAt<ModuleRow>(kModules, row);
}

std::span<const SupportFile> DriverCatalogue::SupportFiles() { return kSupportFiles; }

std::span<const std::string_view> DriverCatalogue::CommonDependentFiles()
{
    return kCommonDependentFiles;
}

std::span<const std::string_view> DriverCatalogue::PluginDependentFiles()
{
    return kPluginDependentFiles;
}

std::optional<std::span<const std::string_view>> DriverCatalogue::DependentFiles(ModuleIndex row)
{
    const auto module = Module(row);
    if (!module)
        return std::nullopt;
    return module->usesPlugin ? PluginDependentFiles() : CommonDependentFiles();
}

std::span<const PortRow> DriverCatalogue::Ports() { return kPorts; }

std::optional<PortRow> DriverCatalogue::Port(int row) { return RowAt<PortRow>(kPorts, row); }

bool DriverCatalogue::IsSerialPortRow(int row)
{
    return row >= kFirstSerialPortRow && row < kPortCount;
}

std::span<const SerialRow> DriverCatalogue::BaudRates() { return kBaudRates; }
std::span<const SerialRow> DriverCatalogue::DataBits() { return kDataBits; }
std::span<const SerialRow> DriverCatalogue::StopBits() { return kStopBits; }
std::span<const SerialRow> DriverCatalogue::ParityLetters() { return kParityLetters; }
std::span<const SerialRow> DriverCatalogue::FlowControls() { return kFlowControls; }

std::optional<std::string_view> DriverCatalogue::BaudRate(int row) { return TextAt(kBaudRates, row); }
std::optional<std::string_view> DriverCatalogue::DataBitsText(int row) { return TextAt(kDataBits, row); }
std::optional<std::string_view> DriverCatalogue::StopBitsText(int row) { return TextAt(kStopBits, row); }
std::optional<std::string_view> DriverCatalogue::ParityLetter(int row)
{
    return TextAt(kParityLetters, row);
}
std::optional<std::string_view> DriverCatalogue::FlowControl(int row)
{
    return TextAt(kFlowControls, row);
}

}  // namespace install
