#include "tests/support/FakeSystem.h"

#include <cstring>
#include <numeric>

namespace fakes {

FakeSystem::FakeSystem() { SetVersion(platform::kVerPlatformWin32Nt, 5, 1, 2600); }

void FakeSystem::SetVersion(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor,
                            std::uint32_t build)
{
    version.dwPlatformId = platformId;
    version.dwMajorVersion = major;
    version.dwMinorVersion = minor;
    version.dwBuildNumber = build;
}

std::uint64_t FakeSystem::TotalSleptMilliseconds() const
{
    return std::accumulate(sleeps.begin(), sleeps.end(), std::uint64_t{0});
}

platform::Win32Error FakeSystem::QueryVersion(platform::OsVersionRecord& record)
{
    const std::uint32_t size = record.dwOSVersionInfoSize;
    versionQuerySizes.push_back(size);
    if (!acceptedSizes.count(size) || size > sizeof(platform::OsVersionRecord))
        return platform::kErrorInsufficientBuffer;
    platform::OsVersionRecord answer = version;
    answer.dwOSVersionInfoSize = size;
    std::memcpy(&record, &answer, size);
    return platform::kErrorSuccess;
}

void FakeSystem::Sleep(std::uint32_t milliseconds) { sleeps.push_back(milliseconds); }

void FakeSystem::Trace(std::string_view text) { traces.emplace_back(text); }

}  // namespace fakes
