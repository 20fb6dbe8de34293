#include "platform/win32/LastError.h"

#include <windows.h>

namespace platform::win32 {

Win32Error LastErrorOfFailure() {
    const DWORD error = ::GetLastError();
    return error != ERROR_SUCCESS ? static_cast<Win32Error>(error) : static_cast<Win32Error>(ERROR_GEN_FAILURE);
}

}  // namespace platform::win32
