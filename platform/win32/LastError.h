#pragma once

#include "platform/Win32Error.h"

namespace platform::win32 {

// GetLastError() after a call that reported failure. A failure that left no code
// (some implementations forget to set one) still reads as a failure.
Win32Error LastErrorOfFailure();

}  // namespace platform::win32
