#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace machine {

// The Windows versions a host machine can stand in for.
enum class WindowsVersion : std::uint8_t {
    Windows95,
    Windows98,
    WindowsNt4,
    Windows2000,
    WindowsXp,
    Windows2003,
    WindowsVista,
    Windows7,
    Windows8,
    Windows81,
    Windows10,
};

inline constexpr WindowsVersion kDefaultWindowsVersion = WindowsVersion::WindowsXp;

// What a fresh installation of one version says about itself: the numbers its
// registry holds (the true ones) and the folder Windows lives in.
struct WindowsVersionFacts {
    WindowsVersion version;
    const char* shortName;    // "95", "98", "nt4", "2000", "xp", "2003", "vista", "7", "8", "8.1", "10"
    const char* productName;  // "Microsoft Windows XP"
    std::uint32_t platformId; // platform::kVerPlatformWin32Windows or kVerPlatformWin32Nt
    std::uint32_t major;
    std::uint32_t minor;
    std::uint32_t build;
    const char* systemRoot;   // "C:\WINDOWS"
    bool server;              // a server edition (product type "ServerNT")
};

// One row per version, in the order of the enumeration.
std::span<const WindowsVersionFacts> AllWindowsVersions();
const WindowsVersionFacts& FactsOf(WindowsVersion version);

// "xp" -> WindowsXp; case-insensitive; nullopt for a name not in the table.
std::optional<WindowsVersion> ParseWindowsVersion(std::string_view shortName);
std::string WindowsVersionName(WindowsVersion version);  // the short name

}  // namespace machine
