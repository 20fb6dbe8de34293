#pragma once

// The handles the Win32 code keeps, each with the call that releases it.
// Include <windows.h> (and <winspool.h> for printers) first.
#include "platform/win32/UniqueHandle.h"

namespace platform::win32 {

inline void CloseKernelHandle(HANDLE handle) { ::CloseHandle(handle); }
inline void CloseRegistryKey(HKEY key) { ::RegCloseKey(key); }

// Events, threads, mappings, files (CreateFile fails with INVALID_HANDLE_VALUE, not
// null: check before wrapping).
using UniqueKernelHandle = UniqueHandle<HANDLE, &CloseKernelHandle>;
using UniqueRegKey = UniqueHandle<HKEY, &CloseRegistryKey>;

#ifdef _WINSPOOL_
inline void ClosePrinterHandle(HANDLE printer) { ::ClosePrinter(printer); }
using UniquePrinter = UniqueHandle<HANDLE, &ClosePrinterHandle>;
#endif

}  // namespace platform::win32
