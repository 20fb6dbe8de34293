#include "afx/CButton.h"

int CButton::GetCheck() const { return static_cast<int>(SendMsg(BM_GETCHECK)); }

void CButton::SetCheck(int check) { SendMsg(BM_SETCHECK, static_cast<WPARAM>(check)); }

UINT CButton::GetState() const { return static_cast<UINT>(SendMsg(BM_GETSTATE)); }

UINT CButton::GetButtonStyle() const { return static_cast<UINT>(GetStyle() & BS_TYPEMASK); }
