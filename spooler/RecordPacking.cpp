#include "spooler/RecordPacking.h"

#include <cstring>

namespace spooler {

namespace {

std::size_t TextBytes(const std::optional<std::string>& text)
{
    return text ? text->size() + 1 : 0;
}

// Hands out room for texts from the end of the buffer towards the records.
class TextArena {
public:
    explicit TextArena(std::span<std::byte> buffer) : m_buffer(buffer), m_end(buffer.size()) {}

    const char* Put(const std::optional<std::string>& text)
    {
        if (!text)
            return nullptr;
        m_end -= text->size() + 1;
        char* place = reinterpret_cast<char*>(m_buffer.data() + m_end);
        std::memcpy(place, text->c_str(), text->size() + 1);
        return place;
    }

private:
    std::span<std::byte> m_buffer;
    std::size_t m_end;
};

template <class Record, class Entry, class Fill>
Win32Error Pack(std::span<const Entry> entries, std::span<std::byte> buffer, std::uint32_t& needed,
                std::uint32_t& returned, std::size_t (*textBytes)(const Entry&), Fill fill)
{
    std::size_t total = entries.size() * sizeof(Record);
    for (const Entry& entry : entries)
        total += textBytes(entry);
    needed = static_cast<std::uint32_t>(total);
    returned = 0;
    if (buffer.size() < total)
        return platform::kErrorInsufficientBuffer;

    TextArena arena(buffer);
    auto* records = reinterpret_cast<Record*>(buffer.data());
    for (std::size_t i = 0; i < entries.size(); ++i)
        records[i] = fill(entries[i], arena);
    returned = static_cast<std::uint32_t>(entries.size());
    return platform::kErrorSuccess;
}

std::size_t PortTextBytes(const PortEntry& entry)
{
    return TextBytes(entry.name) + TextBytes(entry.monitor) + TextBytes(entry.description);
}

std::size_t MonitorTextBytes(const MonitorEntry& entry)
{
    return TextBytes(entry.name);
}

}  // namespace

Win32Error PackPorts(std::span<const PortEntry> entries, std::span<std::byte> buffer,
                     std::uint32_t& needed, std::uint32_t& returned)
{
    return Pack<PortInfo2>(entries, buffer, needed, returned, &PortTextBytes,
                           [](const PortEntry& entry, TextArena& arena) {
                               PortInfo2 record{};
                               record.pPortName = arena.Put(entry.name);
                               record.pMonitorName = arena.Put(entry.monitor);
                               record.pDescription = arena.Put(entry.description);
                               record.fPortType = entry.type;
                               return record;
                           });
}

Win32Error PackMonitors(std::span<const MonitorEntry> entries, std::span<std::byte> buffer,
                        std::uint32_t& needed, std::uint32_t& returned)
{
    return Pack<MonitorInfo1>(entries, buffer, needed, returned, &MonitorTextBytes,
                              [](const MonitorEntry& entry, TextArena& arena) {
                                  return MonitorInfo1{arena.Put(entry.name)};
                              });
}

}  // namespace spooler
