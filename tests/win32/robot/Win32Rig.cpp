#include "tests/win32/robot/Win32Rig.h"

#include "platform/win32/Handles.h"

#include <shlwapi.h>
#include <winspool.h>

#include <vector>

namespace robot {
namespace {

constexpr const char* kPortsKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";

HKEY RootOf(platform::RootKey root) {
    return root == platform::RootKey::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

std::optional<std::string> WritePorts(const std::vector<flows::PortSetup>& ports) {
    HKEY opened = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kPortsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened, nullptr) !=
        ERROR_SUCCESS) {
        return std::string("the Ports key cannot be opened");
    }
    const platform::win32::UniqueRegKey key(opened);
    // Away with the ports there are, then the script's, in its order.
    for (;;) {
        char name[256];
        DWORD length = sizeof name;
        if (::RegEnumValueA(key.Get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            break;
        }
        if (::RegDeleteValueA(key.Get(), name) != ERROR_SUCCESS) {
            return "the port " + std::string(name) + " cannot be taken away";
        }
    }
    for (const flows::PortSetup& port : ports) {
        if (!port.name) {
            return std::string("a port without a name needs the test doubles");
        }
        // A serial port starts with the line settings Windows gives a new one.
        const std::string settings = port.name->rfind("COM", 0) == 0 ? "9600,n,8,1" : "";
        if (::RegSetValueExA(key.Get(), port.name->c_str(), 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(settings.c_str()),
                             static_cast<DWORD>(settings.size() + 1)) != ERROR_SUCCESS) {
            return "the port " + *port.name + " cannot be written";
        }
    }
    return std::nullopt;
}

}  // namespace

bool RunningUnderWine() {
    const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::string ReportedVersion() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ::GetVersionExA(&version);
#pragma GCC diagnostic pop
    return std::to_string(version.dwMajorVersion) + "." + std::to_string(version.dwMinorVersion) + " (platform " +
           std::to_string(version.dwPlatformId) + ")";
}

std::optional<std::string> WineVersionName(const std::string& shortName) {
    static const std::pair<const char*, const char*> kNames[] = {
        {"95", "win95"},       {"98", "win98"},   {"nt4", "nt40"}, {"2000", "win2k"},
        {"xp", "winxp"},       {"2003", "win2003"}, {"vista", "vista"}, {"7", "win7"},
        {"8", "win8"},         {"8.1", "win81"},  {"10", "win10"},
    };
    for (const auto& [ours, wine] : kNames) {
        if (shortName == ours) {
            return std::string(wine);
        }
    }
    return std::nullopt;
}

bool Win32Rig::ListPrinters(std::vector<flows::PrinterSeen>& printers, std::string& why) {
    DWORD needed = 0;
    DWORD count = 0;
    ::EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed);
    if (needed > 0 && !::EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &count)) {
        why = "EnumPrintersA failed with error " + std::to_string(::GetLastError());
        return false;
    }
    printers.clear();
    const auto* records = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        printers.push_back({records[i].pPrinterName ? records[i].pPrinterName : "",
                            records[i].pPortName ? records[i].pPortName : ""});
    }
    return true;
}

std::string Win32Rig::Description() const {
    return std::string(RunningUnderWine() ? "Wine" : "Windows") + " reporting version " + ReportedVersion();
}

std::optional<std::string> Win32Rig::Prepare(const flows::FlowSetup& setup) {
    if (setup.monitors) {
        return std::string("a monitor list needs the test doubles");
    }
    if (setup.ports) {
        if (auto failed = WritePorts(*setup.ports)) {
            return failed;
        }
    }
    for (const flows::MissingKey& missing : setup.missingKeys) {
        const DWORD result = ::SHDeleteKeyA(RootOf(missing.root), missing.path.c_str());
        if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) {
            return "the key " + missing.path + " cannot be taken away (error " + std::to_string(result) + ")";
        }
    }
    return std::nullopt;
}

}  // namespace robot
