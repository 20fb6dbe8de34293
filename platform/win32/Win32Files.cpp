#include "platform/win32/Win32Files.h"

#include "platform/win32/LastError.h"

#include <windows.h>

namespace platform::win32 {

Win32Error Win32Files::Copy(const std::string& existingFile, const std::string& newFile, bool failIfExists) {
    if (::CopyFileA(existingFile.c_str(), newFile.c_str(), failIfExists ? TRUE : FALSE)) {
        return kErrorSuccess;
    }
    return LastErrorOfFailure();
}

}  // namespace platform::win32
