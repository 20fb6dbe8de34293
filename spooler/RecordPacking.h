#pragma once

#include "spooler/Spooler.h"

#include <optional>
#include <span>
#include <string>

namespace spooler {

// What a spooler implementation lists; a missing text packs as a null pointer.
struct PortEntry {
    std::optional<std::string> name;
    std::optional<std::string> monitor;
    std::optional<std::string> description;
    std::uint32_t type = kPortTypeWrite | kPortTypeRead;
};

struct MonitorEntry {
    std::optional<std::string> name;
};

// Lays records out in a caller's buffer the way winspool does: the fixed records first,
// their texts packed from the end. Sets `needed` always; fails with
// kErrorInsufficientBuffer (and `returned` 0) when the buffer is too small.
Win32Error PackPorts(std::span<const PortEntry> entries, std::span<std::byte> buffer,
                     std::uint32_t& needed, std::uint32_t& returned);
Win32Error PackMonitors(std::span<const MonitorEntry> entries, std::span<std::byte> buffer,
                        std::uint32_t& needed, std::uint32_t& returned);

}  // namespace spooler
