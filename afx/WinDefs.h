#pragma once

// The basic types of a Win32 program, spelt as Windows spells them so that the pages
// read like a Win32 dialog application. They are identical to the Windows headers'
// own definitions, so a Windows backend file may include <windows.h> first and these
// afterwards. Handles are opaque: the host backend numbers its virtual windows, the
// Windows backend passes real handles.

#include <cstdint>

#if defined(_WIN64)
using INT_PTR = long long;
using UINT_PTR = unsigned long long;
using LONG_PTR = long long;
#elif defined(_WIN32)
using INT_PTR = int;
using UINT_PTR = unsigned int;
using LONG_PTR = long;
#else
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
#endif

#if defined(_WIN32)
using DWORD = unsigned long;
using LONG = long;
#else
using DWORD = std::uint32_t;
using LONG = std::int32_t;
#endif

using BOOL = int;
using BYTE = unsigned char;
using WORD = unsigned short;
using UINT = unsigned int;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LRESULT = LONG_PTR;

struct HWND__;
struct HICON__;
struct HMENU__;
struct HDC__;
using HWND = HWND__*;
using HICON = HICON__*;
using HCURSOR = HICON;
using HMENU = HMENU__*;
using HDC = HDC__*;

#ifndef FALSE
#define FALSE 0
#endif
#ifndef TRUE
#define TRUE 1
#endif

// A rectangle in pixels, right and bottom exclusive.
struct CRect {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;

    constexpr int Width() const { return static_cast<int>(right - left); }
    constexpr int Height() const { return static_cast<int>(bottom - top); }
};

namespace afx {

constexpr WORD LoWord(std::uintmax_t value) { return static_cast<WORD>(value & 0xFFFFu); }
constexpr WORD HiWord(std::uintmax_t value) { return static_cast<WORD>((value >> 16) & 0xFFFFu); }

// The two 16-bit halves of a WPARAM or LPARAM, as MAKEWPARAM and MAKELPARAM build them.
constexpr WPARAM MakeWParam(unsigned low, unsigned high) {
    return static_cast<WPARAM>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}
constexpr LPARAM MakeLParam(unsigned low, unsigned high) {
    return static_cast<LPARAM>(static_cast<std::uint32_t>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16)));
}

// Handles and pointers travel in WPARAM and LPARAM.
template <class T>
LPARAM ToLParam(T* pointer) {
    return reinterpret_cast<LPARAM>(pointer);
}
template <class T>
WPARAM ToWParam(T* pointer) {
    return reinterpret_cast<WPARAM>(pointer);
}
template <class T>
T* FromLParam(LPARAM value) {
    return reinterpret_cast<T*>(value);
}

}  // namespace afx
