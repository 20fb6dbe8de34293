#pragma once

#include "platform/Win32Error.h"

#include <string>

namespace platform {

// File services as CopyFileA sees them. Paths are Windows paths: "win2k\TRX.DLL"
// is relative to the current directory, "C:\WINDOWS\..." is absolute.
class Files {
public:
    virtual ~Files() = default;

    // Copies a file. With failIfExists false an existing target is replaced; a reader of
    // the target sees the old file or the new one, never a partial one.
    virtual Win32Error Copy(const std::string& existingFile, const std::string& newFile,
                            bool failIfExists) = 0;
};

}  // namespace platform
