#include "afx/CPaintDC.h"

#include "afx/Backend.h"
#include "afx/CWnd.h"

BOOL CDC::DrawIcon(int x, int y, HICON icon) {
    return afx::backend::DrawIconAt(m_hDC, x, y, icon) ? TRUE : FALSE;
}

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd != nullptr ? wnd->GetSafeHwnd() : nullptr) {
    m_hDC = afx::backend::BeginPaint(m_hWnd);
}

CPaintDC::~CPaintDC() { afx::backend::EndPaint(m_hWnd, m_hDC); }
