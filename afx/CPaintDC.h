#pragma once

#include "afx/WinDefs.h"

class CWnd;

// A device context: where a window draws.
class CDC {
public:
    HDC m_hDC = nullptr;

    HDC GetSafeHdc() const { return m_hDC; }
    // Draws `icon` with its top-left corner at (x, y), in the window's client pixels.
    BOOL DrawIcon(int x, int y, HICON icon);
};

// The drawing of one WM_PAINT: constructed at the start of OnPaint, ends the paint
// cycle when destroyed.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

private:
    HWND m_hWnd;
};
