// The release VORNEX.exe, run as a person would run it, driven from this process, and
// checked through Wine's own spooler and registry: a module on LPT1:, and a module on a
// COM port with the serial settings value. Needs an X display (xvfb-run).
#include "afx/win32/WinApi.h"

#include <winspool.h>

#include "afx/win32/WideText.h"
#include "platform/win32/Handles.h"
#include "tests/win32/e2e/RemoteWizard.h"
#include "tests/win32/HaveDisplay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using e2e::RemoteWizard;

constexpr auto kWindowTimeout = 30s;
constexpr const char* kWindowsKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
constexpr const char* kPortsKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

bool EndsWithNoCase(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && Upper(text.substr(text.size() - end.size())) == Upper(end);
}

std::vector<std::string> MultiString(const char* text) {
    std::vector<std::string> entries;
    for (; text != nullptr && *text != '\0'; text += std::strlen(text) + 1) {
        entries.emplace_back(text);
    }
    return entries;
}

std::optional<std::string> ReadValue(HKEY root, const char* key, const char* name) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(root, key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    const platform::win32::UniqueRegKey scoped(opened);
    char data[512] = {};
    DWORD size = sizeof data - 1;
    DWORD type = 0;
    if (::RegQueryValueExA(scoped.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ) {
        return std::nullopt;
    }
    return std::string(data);
}

void WriteValue(HKEY root, const char* key, const char* name, const std::string& text) {
    HKEY opened = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr), ERROR_SUCCESS);
    const platform::win32::UniqueRegKey scoped(opened);
    ::RegSetValueExA(scoped.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>(text.size() + 1));
}

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// What the spooler holds for one printer, read back through winspool.
struct PrinterSeen {
    std::string port;
    std::string driver;
    std::string processor;
    std::string datatype;
};

std::vector<std::pair<std::string, PrinterSeen>> Printers() {
    DWORD needed = 0;
    DWORD count = 0;
    ::EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed);
    std::vector<std::pair<std::string, PrinterSeen>> printers;
    if (needed == 0 || !::EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &count)) {
        return printers;
    }
    const auto* records = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        auto text = [](const char* value) { return std::string(value != nullptr ? value : ""); };
        printers.push_back({text(records[i].pPrinterName),
                            {text(records[i].pPortName), text(records[i].pDriverName),
                             text(records[i].pPrintProcessor), text(records[i].pDatatype)}});
    }
    return printers;
}

std::string DriverDirectory() {
    char buffer[MAX_PATH] = {};
    DWORD needed = 0;
    char environment[] = "Windows NT x86";
    ::GetPrinterDriverDirectoryA(nullptr, environment, 1, reinterpret_cast<LPBYTE>(buffer), sizeof buffer, &needed);
    return buffer;
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveDisplay()) {
            GTEST_SKIP() << "no display: run the Windows suite under xvfb-run (scripts/test-windows)";
        }
        RemoveModules();
        WriteValue(HKEY_LOCAL_MACHINE, kPortsKey, "COM1:", "9600,n,8,1");
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, kWindowsKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            ::RegDeleteValueA(key, "Device");
            ::RegCloseKey(key);
        }
    }

    void TearDown() override { RemoveModules(); }

    // The printers and drivers an install makes, away.
    static void RemoveModules() {
        for (const char* name : {"TR-A1", "TR-A2", "TR-A3", "TR-A4", "TR-A5"}) {
            PRINTER_DEFAULTSA access{nullptr, nullptr, PRINTER_ALL_ACCESS};
            HANDLE opened = nullptr;
            for (int attempt = 0; attempt < 4 && ::OpenPrinterA(const_cast<LPSTR>(name), &opened, &access);
                 ++attempt) {
                platform::win32::UniquePrinter printer(opened);
                ::DeletePrinter(printer.Get());
            }
            char environment[] = "Windows NT x86";
            ::DeletePrinterDriverA(nullptr, environment, const_cast<LPSTR>(name));
        }
    }

    // Select OS, then Detail Setting with `prepare` run on it, then Select Port with
    // `choosePort`, Install, "Completed!", and the program's end.
    template <class PrepareDetail, class ChoosePort>
    void RunWizard(PrepareDetail prepare, ChoosePort choosePort) {
        RemoteWizard wizard(e2e::HostPathUnderWine(VORNEX_EXE), e2e::HostPathUnderWine(VORNEX_SAMPLES_FOLDER));
        ASSERT_TRUE(wizard.Started()) << "VORNEX.exe did not start";

        const HWND selectOs = wizard.WaitForWindow("Select OS", kWindowTimeout);
        ASSERT_NE(selectOs, nullptr) << "no Select OS page";
        RemoteWizard::Click(selectOs, 1009);

        const HWND detail = wizard.WaitForWindow("Detail Setting", kWindowTimeout);
        ASSERT_NE(detail, nullptr) << "no Detail Setting page";
        prepare(detail);
        RemoteWizard::Click(detail, 1009);

        const HWND selectPort = wizard.WaitForWindow("Select Port", kWindowTimeout);
        ASSERT_NE(selectPort, nullptr) << "no Select Port page";
        choosePort(wizard, ::GetDlgItem(selectPort, 1021));
        RemoteWizard::Click(selectPort, 1022);

        const HWND completed = wizard.WaitForMessage("VORNEX", "Completed!", kWindowTimeout);
        ASSERT_NE(completed, nullptr) << "no \"Completed!\" message";
        ::PostMessageW(completed, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(wizard.WaitForExit(kWindowTimeout), std::optional<DWORD>(0u));
    }

    // The printer and its driver as the spooler holds them after an install.
    static void ExpectModule(const std::string& name, const std::string& port, const std::string& gpd,
                             const std::string& dll, bool plugin) {
        bool found = false;
        for (const auto& [printer, seen] : Printers()) {
            if (printer != name) {
                continue;
            }
            found = true;
            EXPECT_EQ(seen.port, port);
            EXPECT_EQ(seen.driver, name);
            EXPECT_EQ(Upper(seen.processor), "WINPRINT");
            EXPECT_EQ(seen.datatype, "RAW");
        }
        ASSERT_TRUE(found) << name << " is not among the spooler's printers";

        PRINTER_DEFAULTSA access{nullptr, nullptr, PRINTER_ACCESS_USE};
        HANDLE opened = nullptr;
        ASSERT_TRUE(::OpenPrinterA(const_cast<LPSTR>(name.c_str()), &opened, &access));
        const platform::win32::UniquePrinter printer(opened);
        char environment[] = "Windows NT x86";
        DWORD needed = 0;
        ::GetPrinterDriverA(printer.Get(), environment, 3, nullptr, 0, &needed);
        std::vector<BYTE> buffer(needed);
        ASSERT_TRUE(::GetPrinterDriverA(printer.Get(), environment, 3, buffer.data(), needed, &needed));
        const auto* driver = reinterpret_cast<const DRIVER_INFO_3A*>(buffer.data());
        EXPECT_STREQ(driver->pName, name.c_str());
        EXPECT_TRUE(EndsWithNoCase(driver->pDriverPath, "\\UNIDRV.DLL")) << driver->pDriverPath;
        EXPECT_TRUE(EndsWithNoCase(driver->pDataFile, "\\" + gpd)) << driver->pDataFile;
        EXPECT_TRUE(EndsWithNoCase(driver->pConfigFile, "\\UNIDRVUI.DLL")) << driver->pConfigFile;
        EXPECT_TRUE(EndsWithNoCase(driver->pHelpFile, "\\UNIDRV.HLP")) << driver->pHelpFile;
        EXPECT_STREQ(driver->pDefaultDataType, "RAW");
        std::vector<std::string> dependents;
        for (const std::string& file : MultiString(driver->pDependentFiles)) {
            const std::size_t slash = file.find_last_of('\\');
            dependents.push_back(Upper(slash == std::string::npos ? file : file.substr(slash + 1)));
        }
        for (const char* file : {"TTFSUB.GPD", "UNIRES.DLL", "STDNAMES.GPD"}) {
            EXPECT_NE(std::find(dependents.begin(), dependents.end(), file), dependents.end()) << file;
        }
        EXPECT_NE(std::find(dependents.begin(), dependents.end(), Upper(dll)), dependents.end()) << dll;
        const bool hasPlugin = std::find(dependents.begin(), dependents.end(), "KOEMUNI.DLL") != dependents.end();
        EXPECT_EQ(hasPlugin, plugin);

        // The files staged are the ones shipped, byte for byte.
        const std::string staged = FileBytes(DriverDirectory() + "\\" + dll);
        EXPECT_FALSE(staged.empty()) << dll << " is not in the driver directory";
        const std::string samples = afx::win32::Narrow(e2e::HostPathUnderWine(VORNEX_SAMPLES_FOLDER));
        EXPECT_EQ(staged, FileBytes(samples + "\\win2k\\" + dll));
    }
};

TEST_F(EndToEnd, AModuleOnLpt1BecomesTheDefaultPrinter) {
    RunWizard(
        [](HWND detail) {
            RemoteWizard::ChooseComboRow(detail, 1011, 0);
            EXPECT_EQ(RemoteWizard::DialogItemText(detail, 1013), "TR-A1 58mm Receipt");
        },
        [](const RemoteWizard& wizard, HWND list) {
            const int row = wizard.ListSelectedRow(list);
            EXPECT_EQ(wizard.ListRowText(list, row), std::optional<std::string>("LPT1:")) << "LPT1: comes preselected";
        });
    if (HasFatalFailure()) {
        return;
    }
    ExpectModule("TR-A1", "LPT1:", "TRA1.GPD", "TRX.DLL", false);
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kWindowsKey, "Device"), "TR-A1,winspool,LPT1:");
    EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, kPortsKey, "COM1:"), "9600,n,8,1") << "no serial row: left alone";
}

TEST_F(EndToEnd, AModuleOnComOneGetsTheSerialSettingsValue) {
    RunWizard(
        [](HWND detail) {
            RemoteWizard::ChooseComboRow(detail, 1011, 3);
            // The hidden port settings: a program (not a person) picks COM1 and 9600 baud.
            RemoteWizard::ChooseComboRow(detail, 1014, 3);
            EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(detail, 1015))) << "a serial row enables the serial combos";
            RemoteWizard::ChooseComboRow(detail, 1015, 4);
        },
        [](const RemoteWizard& wizard, HWND list) {
            for (int row = 0; row < 16; ++row) {
                if (wizard.ListRowText(list, row) == std::optional<std::string>("COM1:")) {
                    EXPECT_TRUE(wizard.SelectListRow(list, row));
                    return;
                }
            }
            ADD_FAILURE() << "no COM1: among the ports";
        });
    if (HasFatalFailure()) {
        return;
    }
    ExpectModule("TR-A4", "COM1:", "TRA4.GPD", "TRX2.DLL", true);
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kWindowsKey, "Device"), "TR-A4,winspool,COM1:");
    // 9600 baud, parity None, 8 data bits, 1 stop bit, hardware flow control.
    EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, kPortsKey, "COM1:"), "9600,N,8,1,p");
}

}  // namespace
