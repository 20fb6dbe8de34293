#include "spooler/Enumeration.h"

#include <algorithm>

namespace spooler {

namespace {

using ListCall = Win32Error (Spooler::*)(std::uint32_t, std::span<std::byte>, std::uint32_t&,
                                         std::uint32_t&);

template <class Record>
Listing<Record> Enumerate(Spooler& spooler, ListCall call, std::uint32_t level)
{
    std::uint32_t needed = 0;
    std::uint32_t returned = 0;
    Win32Error error = (spooler.*call)(level, {}, needed, returned);

    std::vector<std::byte> buffer;
    for (int attempt = 0; attempt < kEnumerationAttempts; ++attempt) {
        buffer.assign(needed, std::byte{0});
        returned = 0;
        const std::uint32_t asked = needed;
        error = (spooler.*call)(level, buffer, needed, returned);
        const bool grew = error == platform::kErrorInsufficientBuffer && needed > asked;
        if (!grew)
            break;
        returned = 0;
    }
    // Never trust a count beyond what the buffer can hold.
    const std::size_t count = std::min<std::size_t>(returned, buffer.size() / sizeof(Record));
    return Listing<Record>(std::move(buffer), count, error);
}

}  // namespace

Listing<PortInfo2> EnumeratePorts(Spooler& spooler)
{
    return Enumerate<PortInfo2>(spooler, &Spooler::ListPorts, 2);
}

Listing<MonitorInfo1> EnumerateMonitors(Spooler& spooler)
{
    return Enumerate<MonitorInfo1>(spooler, &Spooler::ListMonitors, 1);
}

}  // namespace spooler
