#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace machine {

// The bytes of registry values as Windows stores them, 8-bit texts.

// REG_SZ / REG_EXPAND_SZ: the text and its terminating NUL.
std::vector<std::uint8_t> EncodeSz(std::string_view text);
// The text up to the first NUL (or all bytes when there is none).
std::string DecodeSz(std::span<const std::uint8_t> data);

// REG_MULTI_SZ: each entry followed by a NUL, then one more NUL.
std::vector<std::uint8_t> EncodeMultiSz(std::span<const std::string> entries);
// The entries up to the empty one that ends the list; a missing final NUL is tolerated.
std::vector<std::string> DecodeMultiSz(std::span<const std::uint8_t> data);

// REG_DWORD: four bytes, little-endian.
std::vector<std::uint8_t> EncodeDword(std::uint32_t value);
// nullopt unless the data is exactly four bytes.
std::optional<std::uint32_t> DecodeDword(std::span<const std::uint8_t> data);

}  // namespace machine
