#pragma once

#include "platform/System.h"

namespace platform::win32 {

// GetVersionExA, Sleep and OutputDebugStringA.
class Win32System final : public System {
public:
    Win32Error QueryVersion(OsVersionRecord& record) override;
    void Sleep(std::uint32_t milliseconds) override;
    void Trace(std::string_view text) override;
};

}  // namespace platform::win32
