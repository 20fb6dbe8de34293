#include "machine/RegData.h"

#include <algorithm>

namespace machine {

std::vector<std::uint8_t> EncodeSz(std::string_view text)
{
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    return data;
}

std::string DecodeSz(std::span<const std::uint8_t> data)
{
    const auto end = std::ranges::find(data, std::uint8_t{0});
    return std::string(data.begin(), end);
}

std::vector<std::uint8_t> EncodeMultiSz(std::span<const std::string> entries)
{
    std::vector<std::uint8_t> data;
    for (const std::string& entry : entries) {
        data.insert(data.end(), entry.begin(), entry.end());
        data.push_back(0);
    }
    data.push_back(0);
    return data;
}

std::vector<std::string> DecodeMultiSz(std::span<const std::uint8_t> data)
{
    std::vector<std::string> entries;
    auto at = data.begin();
    while (at != data.end()) {
        const auto end = std::find(at, data.end(), std::uint8_t{0});
        if (end == at)
            break;  // the empty entry that ends the list
        entries.emplace_back(at, end);
        at = end == data.end() ? end : end + 1;
    }
    return entries;
}

std::vector<std::uint8_t> EncodeDword(std::uint32_t value)
{
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

std::optional<std::uint32_t> DecodeDword(std::span<const std::uint8_t> data)
{
    if (data.size() != 4)
        return std::nullopt;
    return static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
           static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24;
}

}  // namespace machine
