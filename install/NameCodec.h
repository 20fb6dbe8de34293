#pragma once

#include <cstdint>
#include <string>

namespace install {

// The key schedule of the scrambled display names: after each scrambled byte b the
// running key K becomes (kNameKeyConstant - kNameKeyMultiplier * (b + K)) mod 65536.
inline constexpr std::uint16_t kNameKeyMultiplier = 0x6D2B;
inline constexpr std::uint16_t kNameKeyConstant = 0x9E37;

// The running key after one scrambled byte. Depends only on the key and that byte,
// so two stored forms with a common beginning decode to a common beginning.
std::uint16_t NextNameKey(std::uint16_t key, std::uint8_t scrambled);

// Decodes a stored display name: each pair of letters is one scrambled byte
// (26 x (first - 'A') + (second - 'A'), low 8 bits), XORed with the high byte of the
// running key. A last single letter is ignored; any character decodes by the same
// formula; a decoded zero byte stays in the result.
std::string DecodeName(std::string stored, std::uint16_t key);

}  // namespace install
