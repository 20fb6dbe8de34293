#include "machine/HostSystem.h"

#include "machine/RegData.h"
#include "machine/RegistryPaths.h"
#include "machine/UniqueFd.h"

#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <thread>

namespace machine {

namespace {

std::uint32_t LeadingNumber(std::string_view text, std::size_t& used)
{
    std::uint32_t number = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    used = static_cast<std::size_t>(end - text.data());
    return ec == std::errc() ? number : 0;
}

// "5.1" -> 5, 1; "4.10.1998" -> 4, 10, 1998.
void ParseDotted(std::string_view text, std::uint32_t& major, std::uint32_t& minor, std::uint32_t* build = nullptr)
{
    std::size_t used = 0;
    major = LeadingNumber(text, used);
    text.remove_prefix(used);
    minor = 0;
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
        minor = LeadingNumber(text, used);
        text.remove_prefix(used);
    }
    if (build && !text.empty() && text.front() == '.') {
        text.remove_prefix(1);
        *build = LeadingNumber(text, used);
    }
}

std::uint16_t ServicePackNumber(std::string_view csd)
{
    const std::size_t digit = csd.find_first_of("0123456789");
    if (csd.rfind("Service Pack", 0) != 0 || digit == std::string_view::npos)
        return 0;
    std::size_t used = 0;
    return static_cast<std::uint16_t>(LeadingNumber(csd.substr(digit), used));
}

class VersionReader {
public:
    explicit VersionReader(RegistryStore& store) : m_store(store) {}

    bool Open(const char* path)
    {
        return m_store.FindKey(m_store.Root(RootKey::LocalMachine), path, m_key) == platform::kErrorSuccess;
    }
    std::optional<std::string> Text(const char* name)
    {
        StoredValue value;
        if (m_store.GetValue(m_key, name, value) != platform::kErrorSuccess)
            return std::nullopt;
        return DecodeSz(value.data);
    }
    std::optional<std::uint32_t> Number(const char* name)
    {
        StoredValue value;
        if (m_store.GetValue(m_key, name, value) != platform::kErrorSuccess || value.type != platform::kRegDword)
            return std::nullopt;
        return DecodeDword(value.data);
    }

private:
    RegistryStore& m_store;
    RegistryStore::KeyId m_key = 0;
};

Win32Error ReadNtVersion(VersionReader& nt, RegistryStore& store, MachineVersion& version)
{
    version.platformId = platform::kVerPlatformWin32Nt;
    ParseDotted(nt.Text("CurrentVersion").value_or(""), version.major, version.minor);
    if (auto major = nt.Number("CurrentMajorVersionNumber"))
        version.major = *major;
    if (auto minor = nt.Number("CurrentMinorVersionNumber"))
        version.minor = *minor;
    std::size_t used = 0;
    version.build = LeadingNumber(nt.Text("CurrentBuildNumber").value_or(""), used);
    version.csdVersion = nt.Text("CSDVersion").value_or("");
    version.servicePackMajor = ServicePackNumber(version.csdVersion);
    version.suiteMask = version.major > 5 || (version.major == 5 && version.minor >= 1) ? 0x0100 : 0;

    VersionReader options(store);
    const std::string productType = options.Open(kProductOptionsKey) ? options.Text("ProductType").value_or("WinNT") : "WinNT";
    version.productType = productType == "ServerNT" ? 3 : productType == "LanmanNT" ? 2 : 1;
    // The extended record came with NT 4.0 service pack 6.
    version.acceptsExtendedRecord = version.major >= 5 || (version.major == 4 && version.servicePackMajor >= 6);
    return platform::kErrorSuccess;
}

Win32Error Read9xVersion(VersionReader& windows, MachineVersion& version)
{
    version.platformId = platform::kVerPlatformWin32Windows;
    std::uint32_t build = 0;
    ParseDotted(windows.Text("VersionNumber").value_or(""), version.major, version.minor, &build);
    // Windows 95 and 98 put the version in the high word of the build number.
    version.build = (version.major & 0xFF) << 24 | (version.minor & 0xFF) << 16 | (build & 0xFFFF);
    version.csdVersion = windows.Text("SubVersionNumber").value_or("");
    version.acceptsExtendedRecord = false;
    return platform::kErrorSuccess;
}

}  // namespace

Win32Error ReadMachineVersion(RegistryStore& store, bool reported, MachineVersion& version)
{
    version = MachineVersion{};
    const Win32Error error = store.Read([&]() -> Win32Error {
        VersionReader nt(store);
        if (nt.Open(kNtCurrentVersionKey) && nt.Text("CurrentVersion"))
            return ReadNtVersion(nt, store, version);
        VersionReader windows(store);
        if (windows.Open(kWin9xCurrentVersionKey) && windows.Text("VersionNumber"))
            return Read9xVersion(windows, version);
        return platform::kErrorFileNotFound;
    });
    if (error)
        return error;

    // Windows 8 and later tell a program that does not declare them that they are 6.2.
    const bool newer = version.major > 6 || (version.major == 6 && version.minor > 2);
    if (reported && version.platformId == platform::kVerPlatformWin32Nt && newer) {
        version.major = 6;
        version.minor = 2;
        version.build = 9200;
        version.csdVersion.clear();
        version.servicePackMajor = 0;
        version.servicePackMinor = 0;
    }
    return platform::kErrorSuccess;
}

Win32Error HostSystem::QueryVersion(platform::OsVersionRecord& record)
{
    const std::uint32_t size = record.dwOSVersionInfoSize;
    if (size != platform::kOsVersionRecordBasicSize && size != platform::kOsVersionRecordExSize)
        return platform::kErrorInsufficientBuffer;
    MachineVersion version;
    if (Win32Error error = ReadMachineVersion(m_store, true, version))
        return error;
    if (size == platform::kOsVersionRecordExSize && !version.acceptsExtendedRecord)
        return platform::kErrorInsufficientBuffer;

    platform::OsVersionRecord filled{};
    filled.dwOSVersionInfoSize = size;
    filled.dwMajorVersion = version.major;
    filled.dwMinorVersion = version.minor;
    filled.dwBuildNumber = version.build;
    filled.dwPlatformId = version.platformId;
    std::strncpy(filled.szCSDVersion, version.csdVersion.c_str(), sizeof(filled.szCSDVersion) - 1);
    filled.wServicePackMajor = version.servicePackMajor;
    filled.wServicePackMinor = version.servicePackMinor;
    filled.wSuiteMask = version.suiteMask;
    filled.wProductType = version.productType;
    std::memcpy(&record, &filled, size);
    return platform::kErrorSuccess;
}

void HostSystem::Sleep(std::uint32_t milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void HostSystem::Trace(std::string_view text)
{
    if (text.empty())
        return;
    // One write on an O_APPEND descriptor: the text lands whole at the end of the
    // file even when another process traces at the same moment.
    UniqueFd fd(::open(m_traceFile.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644));
    if (fd.Valid())
        WriteAll(fd.Get(), text.data(), text.size());
}

}  // namespace machine
