#include "machine/StockImage.h"

#include "machine/ComPortSettings.h"
#include "machine/RegData.h"
#include "machine/RegistryPaths.h"
#include "platform/System.h"
#include "spooler/Spooler.h"

#include <string>
#include <vector>

namespace machine {

namespace {

using platform::kRegDword;
using platform::kRegSz;

struct StockValue {
    const char* name;
    std::uint32_t type;
    std::vector<std::uint8_t> data;
};

class ImageWriter {
public:
    explicit ImageWriter(RegistryStore& store) : m_store(store) {}

    Win32Error Key(RootKey root, const std::string& path, const std::vector<StockValue>& values = {})
    {
        RegistryStore::KeyId key = 0;
        if (Win32Error error = m_store.CreateKey(m_store.Root(root), path, key))
            return error;
        for (const StockValue& value : values) {
            if (Win32Error error = m_store.SetValue(key, value.name, value.type, value.data))
                return error;
        }
        return platform::kErrorSuccess;
    }

private:
    RegistryStore& m_store;
};

StockValue Sz(const char* name, const std::string& text)
{
    return {name, kRegSz, EncodeSz(text)};
}

StockValue Dword(const char* name, std::uint32_t value)
{
    return {name, kRegDword, EncodeDword(value)};
}

// The service pack each image carries (none after Windows 7).
const char* ServicePackOf(WindowsVersion version)
{
    switch (version) {
    case WindowsVersion::WindowsNt4: return "Service Pack 5";
    case WindowsVersion::Windows2000: return "Service Pack 4";
    case WindowsVersion::WindowsXp: return "Service Pack 3";
    case WindowsVersion::Windows2003: return "Service Pack 2";
    case WindowsVersion::WindowsVista: return "Service Pack 2";
    case WindowsVersion::Windows7: return "Service Pack 1";
    default: return nullptr;
    }
}

Win32Error WriteVersion(ImageWriter& image, const WindowsVersionFacts& facts)
{
    const std::string build = std::to_string(facts.build);
    if (facts.platformId == platform::kVerPlatformWin32Windows) {
        const std::string number = std::to_string(facts.major) + "." + (facts.minor < 10 ? "0" : "") +
                                   std::to_string(facts.minor) + "." + build;
        return image.Key(RootKey::LocalMachine, kWin9xCurrentVersionKey,
                         {Sz("ProductName", facts.productName), Sz("VersionNumber", number),
                          Sz("SubVersionNumber", ""), Sz("SystemRoot", facts.systemRoot)});
    }

    // From Windows 8.1 on the text says 6.3 for old programs; the numbers hold the truth.
    const bool numbered = facts.major > 6 || (facts.major == 6 && facts.minor >= 3);
    const std::string current = numbered ? "6.3" : std::to_string(facts.major) + "." + std::to_string(facts.minor);
    std::vector<StockValue> values{Sz("ProductName", facts.productName), Sz("CurrentVersion", current),
                                   Sz("CurrentBuildNumber", build), Sz("CurrentBuild", build),
                                   Sz("SystemRoot", facts.systemRoot), Sz("PathName", facts.systemRoot)};
    if (const char* servicePack = ServicePackOf(facts.version))
        values.push_back(Sz("CSDVersion", servicePack));
    if (facts.major >= 10) {
        values.push_back(Dword("CurrentMajorVersionNumber", facts.major));
        values.push_back(Dword("CurrentMinorVersionNumber", facts.minor));
    }
    if (Win32Error error = image.Key(RootKey::LocalMachine, kNtCurrentVersionKey, values))
        return error;
    return image.Key(RootKey::LocalMachine, kProductOptionsKey,
                     {Sz("ProductType", facts.server ? "ServerNT" : "WinNT")});
}

Win32Error WritePrintKeys(ImageWriter& image, const WindowsVersionFacts& facts)
{
    const bool oldSpooler = facts.major < 5 || facts.platformId != platform::kVerPlatformWin32Nt;
    const std::string environment = std::string(kEnvironmentsKey) + "\\" + spooler::kEnvironmentNtX86;
    const std::vector<std::pair<std::string, std::vector<StockValue>>> keys{
        {kPrintKey, {}},
        {environment, {Sz("Directory", "W32X86")}},
        {environment + "\\" + kDriversSubKey + "\\Version-2", {}},
        {environment + "\\" + kDriversSubKey + "\\Version-3", {}},
        {environment + "\\" + kPrintProcessorsSubKey + "\\winprint",
         {Sz("Driver", oldSpooler ? "WINPRINT.DLL" : "localspl.dll")}},
        {std::string(kMonitorsKey) + "\\" + kLocalPortMonitor, {Sz("Driver", "localspl.dll")}},
        {kPrintersKey, {}},
    };
    for (const auto& [path, values] : keys) {
        if (Win32Error error = image.Key(RootKey::LocalMachine, path, values))
            return error;
    }
    return platform::kErrorSuccess;
}

Win32Error WritePorts(ImageWriter& image)
{
    std::vector<StockValue> ports;
    for (const char* com : {"COM1:", "COM2:", "COM3:", "COM4:"})
        ports.push_back(Sz(com, kDefaultComPortText));
    for (const char* other : {"LPT1:", "LPT2:", "LPT3:", "FILE:"})
        ports.push_back(Sz(other, ""));
    return image.Key(RootKey::LocalMachine, kPortsKey, ports);
}

Win32Error WriteWindowsKeys(ImageWriter& image)
{
    const std::string timeout = std::to_string(kDefaultTransmissionRetryTimeout);
    // No "Device": a fresh system has no printer, so no default printer either.
    if (Win32Error error = image.Key(RootKey::CurrentUser, kHkcuWindowsKey,
                                     {Sz("DeviceNotSelectedTimeout", "15"), Sz("Spooler", "yes"),
                                      Sz("TransmissionRetryTimeout", timeout), Sz("Documents", ""),
                                      Sz("Programs", "com exe bat pif cmd"), Sz("NetMessage", "no")}))
        return error;
    return image.Key(RootKey::LocalMachine, kMachineWindowsKey,
                     {Sz("AppInit_DLLs", ""), Sz("DeviceNotSelectedTimeout", "15"), Sz("Spooler", "yes"),
                      Sz(kTransmissionRetryTimeoutValue, timeout)});
}

}  // namespace

std::string StockSystemRoot(WindowsVersion version)
{
    return FactsOf(version).systemRoot;
}

Win32Error WriteStockImage(RegistryStore& store, WindowsVersion version)
{
    const WindowsVersionFacts& facts = FactsOf(version);
    return store.Write([&]() -> Win32Error {
        ImageWriter image(store);
        if (Win32Error error = WriteWindowsKeys(image))
            return error;
        if (Win32Error error = WritePorts(image))
            return error;
        if (Win32Error error = WriteVersion(image, facts))
            return error;
        if (Win32Error error = WritePrintKeys(image, facts))
            return error;
        return store.SetNote("image", facts.shortName);
    });
}

}  // namespace machine
