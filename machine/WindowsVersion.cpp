#include "machine/WindowsVersion.h"

#include "platform/System.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace machine {

namespace {

using platform::kVerPlatformWin32Nt;
using platform::kVerPlatformWin32Windows;

// Each version at its last service pack (Windows NT 4.0 before service pack 6, as
// the systems that still needed the basic version record were).
constexpr std::array<WindowsVersionFacts, 11> kVersions{{
    {WindowsVersion::Windows95, "95", "Microsoft Windows 95", kVerPlatformWin32Windows, 4, 0, 950, "C:\\WINDOWS", false},
    {WindowsVersion::Windows98, "98", "Microsoft Windows 98", kVerPlatformWin32Windows, 4, 10, 1998, "C:\\WINDOWS", false},
    {WindowsVersion::WindowsNt4, "nt4", "Microsoft Windows NT 4.0", kVerPlatformWin32Nt, 4, 0, 1381, "C:\\WINNT", false},
    {WindowsVersion::Windows2000, "2000", "Microsoft Windows 2000", kVerPlatformWin32Nt, 5, 0, 2195, "C:\\WINNT", false},
    {WindowsVersion::WindowsXp, "xp", "Microsoft Windows XP", kVerPlatformWin32Nt, 5, 1, 2600, "C:\\WINDOWS", false},
    {WindowsVersion::Windows2003, "2003", "Microsoft Windows Server 2003", kVerPlatformWin32Nt, 5, 2, 3790, "C:\\WINDOWS", true},
    {WindowsVersion::WindowsVista, "vista", "Windows Vista (TM) Business", kVerPlatformWin32Nt, 6, 0, 6002, "C:\\Windows", false},
    {WindowsVersion::Windows7, "7", "Windows 7 Professional", kVerPlatformWin32Nt, 6, 1, 7601, "C:\\Windows", false},
    {WindowsVersion::Windows8, "8", "Windows 8 Pro", kVerPlatformWin32Nt, 6, 2, 9200, "C:\\Windows", false},
    {WindowsVersion::Windows81, "8.1", "Windows 8.1 Pro", kVerPlatformWin32Nt, 6, 3, 9600, "C:\\Windows", false},
    {WindowsVersion::Windows10, "10", "Windows 10 Pro", kVerPlatformWin32Nt, 10, 0, 19045, "C:\\Windows", false},
}};

bool SameNoCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::span<const WindowsVersionFacts> AllWindowsVersions()
{
    return kVersions;
}

const WindowsVersionFacts& FactsOf(WindowsVersion version)
{
    return kVersions[static_cast<std::size_t>(version)];
}

std::optional<WindowsVersion> ParseWindowsVersion(std::string_view shortName)
{
    for (const WindowsVersionFacts& facts : kVersions) {
        if (SameNoCase(facts.shortName, shortName))
            return facts.version;
    }
    return std::nullopt;
}

std::string WindowsVersionName(WindowsVersion version)
{
    return FactsOf(version).shortName;
}

}  // namespace machine
