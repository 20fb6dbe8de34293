#include "afx/CProgressCtrl.h"

#include "afx/CommonControls.h"

void CProgressCtrl::SetRange(short lower, short upper) {
    SendMsg(PBM_SETRANGE, 0,
            afx::MakeLParam(static_cast<unsigned short>(lower), static_cast<unsigned short>(upper)));
}

void CProgressCtrl::SetRange32(int lower, int upper) {
    SendMsg(PBM_SETRANGE32, static_cast<WPARAM>(lower), static_cast<LPARAM>(upper));
}

void CProgressCtrl::GetRange(int& lower, int& upper) const {
    lower = static_cast<int>(SendMsg(PBM_GETRANGE, TRUE));
    upper = static_cast<int>(SendMsg(PBM_GETRANGE, FALSE));
}

int CProgressCtrl::SetPos(int position) {
    return static_cast<int>(SendMsg(PBM_SETPOS, static_cast<WPARAM>(position)));
}

int CProgressCtrl::GetPos() const { return static_cast<int>(SendMsg(PBM_GETPOS)); }

int CProgressCtrl::OffsetPos(int delta) {
    return static_cast<int>(SendMsg(PBM_DELTAPOS, static_cast<WPARAM>(delta)));
}
