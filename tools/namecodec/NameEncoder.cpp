#include "tools/namecodec/NameEncoder.h"

#include "install/NameCodec.h"

#include <charconv>

namespace namecodec {

std::string EncodeName(std::string_view plain, std::uint16_t key)
{
    std::string stored;
    stored.reserve(plain.size() * 2);
    std::uint16_t running = key;
    for (const char c : plain) {
        const auto scrambled = static_cast<std::uint8_t>(static_cast<std::uint8_t>(c) ^
                                                         static_cast<std::uint8_t>(running >> 8));
        stored += static_cast<char>('A' + scrambled / 26);
        stored += static_cast<char>('A' + scrambled % 26);
        running = install::NextNameKey(running, scrambled);
    }
    return stored;
}

std::optional<std::uint16_t> ParseNameKey(std::string_view text)
{
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    if (text.empty())
        return std::nullopt;
    unsigned value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (error != std::errc{} || stop != end || value > 0xFFFFu)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

}  // namespace namecodec
