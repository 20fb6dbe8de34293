#include "res/StringTable.h"

#include "res/ResourceIds.h"

namespace res {
namespace {

constexpr StringEntry kStrings[] = {
    {IDS_ABOUTBOX, "关于 VORNEX(&A)..."},
};

}  // namespace

std::span<const StringEntry> StringTable() { return kStrings; }

std::optional<std::string_view> FindString(unsigned id) {
    for (const StringEntry& entry : kStrings) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return std::nullopt;
}

}  // namespace res
