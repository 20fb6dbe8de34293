#pragma once

#include "platform/System.h"

#include <cstdint>
#include <vector>

namespace fakes {

// Wraps a real System and takes the wait out of it: the version query and the trace go
// to the wrapped system, the sleeps are only counted. Runs the install against a real
// machine without its final half second.
class NoWaitSystem : public platform::System {
public:
    explicit NoWaitSystem(platform::System& inner) : m_inner(inner) {}

    platform::Win32Error QueryVersion(platform::OsVersionRecord& record) override
    {
        return m_inner.QueryVersion(record);
    }
    void Sleep(std::uint32_t milliseconds) override { m_sleeps.push_back(milliseconds); }
    void Trace(std::string_view text) override { m_inner.Trace(text); }

    const std::vector<std::uint32_t>& Sleeps() const { return m_sleeps; }

private:
    platform::System& m_inner;
    std::vector<std::uint32_t> m_sleeps;
};

}  // namespace fakes
