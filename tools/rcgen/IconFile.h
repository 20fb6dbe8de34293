#pragma once

#include "res/Icons.h"

#include <cstdint>
#include <vector>

// An icon resource of res/ as an .ico file: one 4-bit image with its transparency mask
// per size, in the order the resource lists them.
namespace rcgen {

std::vector<std::uint8_t> IconFile(const res::IconResource& icon);

}  // namespace rcgen
