#pragma once

#include "install/DriverCatalogue.h"
#include "install/InstallReport.h"
#include "platform/Files.h"
#include "platform/Registry.h"
#include "platform/System.h"
#include "spooler/Spooler.h"

#include <functional>
#include <string>
#include <string_view>

namespace install {

// The selections of the Detail Setting page's serial-settings combos, as rows of the
// catalogue's tables. The defaults are the rows the page starts with: 19200, 8, 1,
// None, Hardware.
struct SerialRows {
    int baud = 5;
    int dataBits = 3;
    int stopBits = 0;
    int parity = 2;
    int flow = 2;
};

// A snapshot of what the pages hold when Install is pressed.
struct InstallChoices {
    ModuleIndex moduleRow = 1;
    int portRow = 0;  // the Detail Setting page's port combo: decides the serial value only
    bool setDefaultPrinter = true;
    SerialRows serial;
    std::string portName;  // the port the printer is created on, as the spooler lists it
};

struct InstallServices {
    spooler::Spooler& spooler;
    platform::Registry& registry;
    platform::Files& files;
    platform::System& system;
    std::function<void(int position)> reportProgress;          // 10..100
    std::function<void(const std::string& text)> showMessage;  // a modal OK box; returns when dismissed
};

inline constexpr std::string_view kDefaultPrinterKey =
    "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
inline constexpr std::string_view kDefaultPrinterValue = "Device";
inline constexpr std::string_view kPortsKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";
inline constexpr std::string_view kPrintProcessor = "WinPrint";
inline constexpr std::string_view kDataType = "RAW";
inline constexpr std::uint32_t kDriverVersion = 2;
inline constexpr std::uint32_t kDriverDirectoryBufferSize = 255;
inline constexpr std::uint32_t kDependentFilesBufferSize = 255;
inline constexpr std::uint32_t kFinalWaitMilliseconds = 500;

// Shown when a registry value cannot be set.
inline constexpr std::string_view kRegistryFailureMessage = "错误：无法设置有关的注册表信息";

// Stages the module's files from win2k into the driver directory, registers the driver,
// creates the printer on choices.portName, writes "Device" when asked and the serial
// line settings for a serial port row, then closes the printer and waits 500 ms.
// Every step runs whatever the earlier ones achieved, except that the run stops at
// once when the choices are outside the catalogue or the driver directory is unknown.
InstallReport RunInstallProcedure(const InstallChoices& choices, const InstallServices& services);

}  // namespace install
