#pragma once

#include "afx/win32/WinApi.h"

// Whether windows can be made here: under Wine, only with an X server (xvfb-run).
inline bool HaveDisplay() {
    const HWND probe = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (probe == nullptr) {
        return false;
    }
    ::DestroyWindow(probe);
    return true;
}
