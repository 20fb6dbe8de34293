#pragma once

#include "platform/Win32Error.h"

#include <string>

namespace machine {

using platform::Win32Error;

// The outcome of a machine-level operation: a Win32 error code, and on failure a
// sentence that names the file concerned and why it failed, fit to show a user.
struct MachineStatus {
    Win32Error error = platform::kErrorSuccess;
    std::string message;

    bool Ok() const { return error == platform::kErrorSuccess; }
    static MachineStatus Success() { return {}; }
    static MachineStatus Failure(Win32Error code, std::string text) { return {code, std::move(text)}; }
};

// Codes the machine gives beyond those of the shared seam, as Windows numbers them.
inline constexpr Win32Error kErrorSharingViolation = 32;
inline constexpr Win32Error kErrorBadNetPath = 53;
inline constexpr Win32Error kErrorDiskFull = 112;
inline constexpr Win32Error kErrorBadPathname = 161;
inline constexpr Win32Error kErrorKeyDeleted = 1018;

}  // namespace machine
