#include "install/NameCodec.h"

namespace install {

namespace {

std::uint8_t ScrambledByte(char first, char second)
{
    // Unsigned arithmetic keeps the low 8 bits of 26 x (first - 65) + (second - 65)
    // whatever the characters are.
    const unsigned high = static_cast<unsigned char>(first);
    const unsigned low = static_cast<unsigned char>(second);
    return static_cast<std::uint8_t>(26u * (high - 65u) + (low - 65u));
}

}  // namespace

std::uint16_t NextNameKey(std::uint16_t key, std::uint8_t scrambled)
{
    const std::uint32_t sum = std::uint32_t{scrambled} + key;
    return static_cast<std::uint16_t>(std::uint32_t{kNameKeyConstant} -
                                      std::uint32_t{kNameKeyMultiplier} * sum);
}

std::string DecodeName(std::string stored, std::uint16_t key)
{
    const std::size_t count = stored.size() / 2;
    std::string plain(count, '\0');
    std::uint16_t running = key;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t scrambled = ScrambledByte(stored[2 * i], stored[2 * i + 1]);
        plain[i] = static_cast<char>(scrambled ^ static_cast<std::uint8_t>(running >> 8));
        running = NextNameKey(running, scrambled);
    }
    return plain;
}

}  // namespace install
