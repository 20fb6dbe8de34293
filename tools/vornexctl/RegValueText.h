#pragma once

#include "machine/RegistryStore.h"

#include <cstdint>
#include <string>

namespace vornexctl {

// "REG_SZ", "REG_DWORD", ...; "0x1f" for a type Windows has no name for.
std::string RegTypeName(std::uint32_t type);

// A value's data as one line of text, as reg.exe shows it: strings as their text
// (up to the terminating NUL), multi-strings joined by the two characters \0,
// a DWORD as 0x5a, a QWORD as 0x..., anything else (and a DWORD or QWORD of the
// wrong size) as upper-case hex digits. The text is raw: escape it before printing.
std::string RegDataText(const machine::StoredValue& value);

}  // namespace vornexctl
