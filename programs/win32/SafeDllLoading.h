#pragma once

namespace vornex::win32 {

// Takes the current directory and the program's own folder out of the places DLLs load
// from, so that a DLL lying beside the installer (a downloads folder) is never loaded in
// its stead. Uses what the running Windows offers: SetDefaultDllDirectories (Vista with
// KB2533623, 7 and later), else SetDllDirectoryW("") (XP SP1 and later); Windows 2000
// has neither and keeps its order. Both are looked up at run time, so the program
// starts on every version. Returns which one was used.
enum class DllSearch { SystemOnly, NoCurrentDirectory, Unchanged };
DllSearch RestrictDllSearchPath();

}  // namespace vornex::win32
