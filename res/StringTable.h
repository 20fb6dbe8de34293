#pragma once

#include <optional>
#include <span>
#include <string_view>

// The string table: texts the program loads by number (UTF-8).
namespace res {

struct StringEntry {
    unsigned id = 0;
    std::string_view text;
};

std::span<const StringEntry> StringTable();

// Nothing when the table has no string with that id.
std::optional<std::string_view> FindString(unsigned id);

}  // namespace res
