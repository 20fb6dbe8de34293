#pragma once

#include "platform/System.h"

#include <cstdint>
#include <optional>

namespace install {

// The detected Windows version: 0 when nothing matched, 3 to 8 the NT family.
using OsCode = int;

inline constexpr OsCode kOsUnknown = 0;
inline constexpr OsCode kOsWindows95 = 1;
inline constexpr OsCode kOsWindows98 = 2;
inline constexpr OsCode kOsWindowsNt4 = 3;
inline constexpr OsCode kOsWindows2000 = 4;
inline constexpr OsCode kOsWindowsXp = 5;
inline constexpr OsCode kOsWindows2003 = 6;
inline constexpr OsCode kOsWindowsVista = 7;
inline constexpr OsCode kOsWindows7 = 8;

inline constexpr bool IsNtFamily(OsCode code) { return code >= kOsWindowsNt4 && code <= kOsWindows7; }

// The code for a platform identifier and version, or std::nullopt when no rule
// matches and the current code is to stay as it is. Build number, service pack,
// suite and product type play no part, so a server gets its desktop twin's code.
std::optional<OsCode> OsCodeForVersion(std::uint32_t platformId, std::uint32_t major,
                                       std::uint32_t minor);

// Asks the system for its version with the extended record, then with the basic one
// on the same record, and sets `code` from the answer. Leaves `code` alone when both
// queries fail or the version matches no rule.
void DetectOsCode(platform::System& system, OsCode& code);

}  // namespace install
