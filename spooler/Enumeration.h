#pragma once

#include "spooler/Spooler.h"

#include <cstddef>
#include <span>
#include <vector>

namespace spooler {

// The records of one listing, in the buffer they were returned in; the buffer lives
// as long as the listing.
template <class Record>
class Listing {
public:
    Listing() = default;
    Listing(std::vector<std::byte> buffer, std::size_t count, Win32Error error)
        : m_buffer(std::move(buffer)), m_count(count), m_error(error)
    {
    }

    std::span<const Record> Records() const
    {
        return {reinterpret_cast<const Record*>(m_buffer.data()), m_count};
    }
    Win32Error Error() const { return m_error; }  // of the last call made

private:
    std::vector<std::byte> m_buffer;
    std::size_t m_count = 0;
    Win32Error m_error = platform::kErrorSuccess;
};

// The listing asked for twice: once for the size, once with a buffer of exactly that
// size. When the list grew between the two calls the second one fails with
// kErrorInsufficientBuffer; then it is asked again, a bounded number of times, so a
// busy spooler gives a current list rather than an empty one.
Listing<PortInfo2> EnumeratePorts(Spooler& spooler);
Listing<MonitorInfo1> EnumerateMonitors(Spooler& spooler);

inline constexpr int kEnumerationAttempts = 4;

}  // namespace spooler
