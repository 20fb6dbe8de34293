#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace install {

// The row of the "Install Module" list, 0 to 4.
using ModuleIndex = int;

// One printer module: where its files come from and what it registers as.
struct ModuleRow {
    std::string_view dllBase;     // the module DLL is dllBase + ".DLL"
    std::string_view gpdBase;     // the printer description is gpdBase + ".GPD"
    std::string_view driverName;  // driver name, printer name and the name in "Device"
    bool usesPlugin = false;      // names the rendering plug-in pair among its dependent files
};

// A file staged for every module: copied from sourcePath to the driver directory
// under fileName.
struct SupportFile {
    std::string_view fileName;
    std::string_view sourcePath;
};

// One row of a port combo: the item shown and the registry value name it stands for.
struct PortRow {
    std::string_view item;
    std::string_view valueName;
};

// One row of a serial-settings combo: the item shown and the text written for it.
struct SerialRow {
    std::string_view item;
    std::string_view text;
};

// The fixed data that turns the Detail Setting page's selections into file names,
// driver names and registry texts. Read-only; nothing in it changes at run time.
//
// Lookups by row are checked: a row outside a table gives std::nullopt (or false),
// never a read past the table. The combos hold exactly as many items as the tables
// have rows, so this only happens when a caller has no selection (CB_ERR) or a bug;
// the install procedure treats it as a failed install and touches nothing.
class DriverCatalogue {
public:
    static constexpr int kModuleCount = 5;
    static constexpr int kPortCount = 7;
    static constexpr int kFirstSerialPortRow = 3;

    static constexpr std::string_view kSourceFolder = "win2k";
    static constexpr std::string_view kDllExtension = ".DLL";
    static constexpr std::string_view kGpdExtension = ".GPD";

    // The driver record's own file names: bare names behind one backslash.
    static constexpr std::string_view kDriverPath = "\\uniDRV.DLL";
    static constexpr std::string_view kConfigFile = "\\uniDRVui.DLL";
    static constexpr std::string_view kHelpFile = "\\uniDRV.HLP";

    static std::span<const ModuleRow> Modules();
    static std::optional<ModuleRow> Module(ModuleIndex row);

    // Staged after the module's own DLL and GPD file, in this order, for every module.
    static std::span<const SupportFile> SupportFiles();

    static std::span<const std::string_view> CommonDependentFiles();
    static std::span<const std::string_view> PluginDependentFiles();
    // The list the driver record names for a module (the module DLL is added after it).
    static std::optional<std::span<const std::string_view>> DependentFiles(ModuleIndex row);

    static std::span<const PortRow> Ports();
    static std::optional<PortRow> Port(int row);
    static bool IsSerialPortRow(int row);  // false for a row outside the table

    static std::span<const SerialRow> BaudRates();
    static std::span<const SerialRow> DataBits();
    static std::span<const SerialRow> StopBits();
    static std::span<const SerialRow> ParityLetters();
    static std::span<const SerialRow> FlowControls();

    static std::optional<std::string_view> BaudRate(int row);
    static std::optional<std::string_view> DataBitsText(int row);
    static std::optional<std::string_view> StopBitsText(int row);
    static std::optional<std::string_view> ParityLetter(int row);
    static std::optional<std::string_view> FlowControl(int row);
};

}  // namespace install
