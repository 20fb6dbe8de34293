#pragma once

#include "machine/RegistryStore.h"
#include "platform/System.h"

#include <filesystem>

namespace machine {

// The version a machine reports, from its registry: the true numbers and what a
// program without a manifest that names newer systems is told.
struct MachineVersion {
    std::uint32_t platformId = 0;
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;  // as GetVersionExA reports it (on 95/98 with the version in the high word)
    std::string csdVersion;
    std::uint16_t servicePackMajor = 0;
    std::uint16_t servicePackMinor = 0;
    std::uint16_t suiteMask = 0;
    std::uint8_t productType = 0;  // 1 workstation, 3 server
    bool acceptsExtendedRecord = false;  // false on 95, 98 and NT 4.0 before service pack 6
};

// Reads the version from the registry. `reported` applies the rule that Windows 8
// and later answer 6.2 (build 9200) to a program that does not declare them.
Win32Error ReadMachineVersion(RegistryStore& store, bool reported, MachineVersion& version);

// platform::System of a host machine. QueryVersion accepts 148 and 156 bytes (only
// 148 on 95, 98 and NT 4.0), otherwise fails with kErrorInsufficientBuffer as Windows
// does, and writes only the bytes asked for. Sleep really sleeps. Trace appends the
// text as given to debug.log with one write, so lines of two processes never mix.
class HostSystem : public platform::System {
public:
    HostSystem(RegistryStore& store, std::filesystem::path traceFile)
        : m_store(store), m_traceFile(std::move(traceFile))
    {
    }

    Win32Error QueryVersion(platform::OsVersionRecord& record) override;
    void Sleep(std::uint32_t milliseconds) override;
    void Trace(std::string_view text) override;

private:
    RegistryStore& m_store;
    std::filesystem::path m_traceFile;
};

}  // namespace machine
