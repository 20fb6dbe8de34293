#pragma once

#include "platform/System.h"

#include <set>
#include <string>
#include <vector>

namespace fakes {

using platform::Win32Error;

// A system that reports a chosen version, accepts the record sizes it is told to,
// records waits instead of waiting and keeps the trace lines.
class FakeSystem : public platform::System {
public:
    FakeSystem();

    void SetVersion(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor,
                    std::uint32_t build = 0);

    // The full record answered, of which a query gets its asked-for first bytes.
    platform::OsVersionRecord version{};
    // Record sizes the version query accepts; any other fails with kErrorInsufficientBuffer.
    std::set<std::uint32_t> acceptedSizes{platform::kOsVersionRecordExSize,
                                          platform::kOsVersionRecordBasicSize};

    std::vector<std::uint32_t> versionQuerySizes;  // dwOSVersionInfoSize of every query
    std::vector<std::uint32_t> sleeps;
    std::vector<std::string> traces;

    std::uint64_t TotalSleptMilliseconds() const;

    Win32Error QueryVersion(platform::OsVersionRecord& record) override;
    void Sleep(std::uint32_t milliseconds) override;
    void Trace(std::string_view text) override;
};

}  // namespace fakes
