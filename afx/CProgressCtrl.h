#pragma once

#include "afx/CWnd.h"

// A progress bar: a position within a range (0..100 until set). Once its window is
// gone, calls have no effect.
class CProgressCtrl : public CWnd {
public:
    void SetRange(short lower, short upper);  // PBM_SETRANGE
    void SetRange32(int lower, int upper);
    void GetRange(int& lower, int& upper) const;
    int SetPos(int position);  // clamped to the range; the previous position
    int GetPos() const;
    int OffsetPos(int delta);  // the previous position
};
