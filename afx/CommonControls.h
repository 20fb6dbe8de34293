#pragma once

#include "afx/WinDefs.h"

#include <cstdint>

// The list view and progress bar of the common controls: messages, styles, states
// and the records their messages carry. Texts are 8-bit (UTF-8), as the ANSI message
// variants carry them; a Windows backend converts them for the wide-character
// controls. When <commctrl.h> has been included first its macros stand in for the
// constants.
namespace afx {

// LVM_INSERTITEM, LVM_SETITEMSTATE, LVM_SETITEMTEXT and LVM_GETITEMTEXT carry this
// record in lParam (LVITEMA's fields).
struct LvItem {
    UINT mask = 0;
    int iItem = 0;
    int iSubItem = 0;
    UINT state = 0;
    UINT stateMask = 0;
    char* pszText = nullptr;
    int cchTextMax = 0;
    int iImage = 0;
    LPARAM lParam = 0;
};

// LVM_INSERTCOLUMN carries this record in lParam (LVCOLUMNA's fields).
struct LvColumn {
    UINT mask = 0;
    int fmt = 0;
    int cx = 0;
    char* pszText = nullptr;
    int cchTextMax = 0;
    int iSubItem = 0;
};

// The header of every WM_NOTIFY message.
struct NmHdr {
    HWND hwndFrom = nullptr;
    UINT_PTR idFrom = 0;
    UINT code = 0;
};

// LVN_ITEMCHANGED's record.
struct NmListView {
    NmHdr hdr;
    int iItem = -1;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
};

}  // namespace afx

#if !defined(_INC_COMMCTRL) && !defined(_COMMCTRL_H)

using LVITEM = afx::LvItem;
using LVCOLUMN = afx::LvColumn;
using NMHDR = afx::NmHdr;
using NMLISTVIEW = afx::NmListView;

// List view messages (the ANSI variants for texts).
inline constexpr UINT LVM_FIRST = 0x1000;
inline constexpr UINT LVM_GETITEMCOUNT = LVM_FIRST + 4;
inline constexpr UINT LVM_INSERTITEM = LVM_FIRST + 7;
inline constexpr UINT LVM_DELETEITEM = LVM_FIRST + 8;
inline constexpr UINT LVM_DELETEALLITEMS = LVM_FIRST + 9;
inline constexpr UINT LVM_GETNEXTITEM = LVM_FIRST + 12;
inline constexpr UINT LVM_ENSUREVISIBLE = LVM_FIRST + 19;
inline constexpr UINT LVM_INSERTCOLUMN = LVM_FIRST + 27;
inline constexpr UINT LVM_DELETECOLUMN = LVM_FIRST + 28;
inline constexpr UINT LVM_GETCOLUMNWIDTH = LVM_FIRST + 29;
inline constexpr UINT LVM_SETCOLUMNWIDTH = LVM_FIRST + 30;
inline constexpr UINT LVM_SETITEMSTATE = LVM_FIRST + 43;
inline constexpr UINT LVM_GETITEMSTATE = LVM_FIRST + 44;
inline constexpr UINT LVM_GETITEMTEXT = LVM_FIRST + 45;
inline constexpr UINT LVM_SETITEMTEXT = LVM_FIRST + 46;
inline constexpr UINT LVM_GETSELECTEDCOUNT = LVM_FIRST + 50;
inline constexpr UINT LVM_SETEXTENDEDLISTVIEWSTYLE = LVM_FIRST + 54;
inline constexpr UINT LVM_GETEXTENDEDLISTVIEWSTYLE = LVM_FIRST + 55;

// List view styles.
inline constexpr DWORD LVS_REPORT = 0x0001u;
inline constexpr DWORD LVS_SINGLESEL = 0x0004u;
inline constexpr DWORD LVS_SHOWSELALWAYS = 0x0008u;
inline constexpr DWORD LVS_EX_GRIDLINES = 0x00000001u;
inline constexpr DWORD LVS_EX_TRACKSELECT = 0x00000008u;
inline constexpr DWORD LVS_EX_FULLROWSELECT = 0x00000020u;

// Item states, masks and search flags.
inline constexpr UINT LVIS_FOCUSED = 0x0001;
inline constexpr UINT LVIS_SELECTED = 0x0002;
inline constexpr UINT LVIF_TEXT = 0x0001;
inline constexpr UINT LVIF_IMAGE = 0x0002;
inline constexpr UINT LVIF_PARAM = 0x0004;
inline constexpr UINT LVIF_STATE = 0x0008;
inline constexpr UINT LVCF_FMT = 0x0001;
inline constexpr UINT LVCF_WIDTH = 0x0002;
inline constexpr UINT LVCF_TEXT = 0x0004;
inline constexpr UINT LVCF_SUBITEM = 0x0008;
inline constexpr int LVCFMT_LEFT = 0x0000;
inline constexpr int LVCFMT_RIGHT = 0x0001;
inline constexpr int LVCFMT_CENTER = 0x0002;
inline constexpr UINT LVNI_ALL = 0x0000;
inline constexpr UINT LVNI_FOCUSED = 0x0001;
inline constexpr UINT LVNI_SELECTED = 0x0002;

// Notifications (negative codes, as unsigned).
inline constexpr UINT NM_CLICK = static_cast<UINT>(-2);
inline constexpr UINT LVN_ITEMCHANGED = static_cast<UINT>(-101);

// Progress bars.
inline constexpr UINT PBM_SETRANGE = 0x0400 + 1;
inline constexpr UINT PBM_SETPOS = 0x0400 + 2;
inline constexpr UINT PBM_DELTAPOS = 0x0400 + 3;
inline constexpr UINT PBM_SETRANGE32 = 0x0400 + 6;
inline constexpr UINT PBM_GETRANGE = 0x0400 + 7;
inline constexpr UINT PBM_GETPOS = 0x0400 + 8;

#endif  // common-control constants
