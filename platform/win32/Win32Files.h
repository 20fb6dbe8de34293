#pragma once

#include "platform/Files.h"

namespace platform::win32 {

// Files through CopyFileA.
class Win32Files final : public Files {
public:
    Win32Error Copy(const std::string& existingFile, const std::string& newFile, bool failIfExists) override;
};

}  // namespace platform::win32
