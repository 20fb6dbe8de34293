#pragma once

#include "install/DriverCatalogue.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace install {

// A display name as the program carries it: scrambled, with the key that decodes it.
struct StoredName {
    std::string_view stored;
    std::uint16_t key;
};

inline constexpr int kStoredNameCount = 6;

// The five module display names in module order, then the default printer name.
std::span<const StoredName> StoredNames();

std::optional<StoredName> ModuleStoredName(ModuleIndex row);  // std::nullopt outside 0..4
StoredName DefaultPrinterStoredName();

// Decoded on every call; nothing is cached.
std::optional<std::string> DecodeModuleName(ModuleIndex row);
std::string DecodeDefaultPrinterName();

}  // namespace install
