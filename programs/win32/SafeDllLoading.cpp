#include <windows.h>

#include "programs/win32/SafeDllLoading.h"

namespace vornex::win32 {
namespace {

constexpr DWORD kLoadLibrarySearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
using SetDllDirectoryFunction = BOOL(WINAPI*)(LPCWSTR);

template <class Function>
Function Lookup(HMODULE module, const char* name) {
    // A function looked up by name is called through its own type.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

}  // namespace

DllSearch RestrictDllSearchPath() {
    const HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    if (kernel == nullptr) {
        return DllSearch::Unchanged;
    }
    if (const auto setDefault = Lookup<SetDefaultDllDirectoriesFunction>(kernel, "SetDefaultDllDirectories");
        setDefault != nullptr && setDefault(kLoadLibrarySearchSystem32)) {
        return DllSearch::SystemOnly;
    }
    if (const auto setDirectory = Lookup<SetDllDirectoryFunction>(kernel, "SetDllDirectoryW");
        setDirectory != nullptr && setDirectory(L"")) {
        return DllSearch::NoCurrentDirectory;
    }
    return DllSearch::Unchanged;
}

}  // namespace vornex::win32
