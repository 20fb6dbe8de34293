#pragma once

#include "afx/WinDefs.h"

// Window style bits the view reads that the framework itself has no use for.
namespace tui::style {

inline constexpr DWORD kSsTypeMask = 0x1F;
inline constexpr DWORD kSsCenter = 0x1;
inline constexpr DWORD kSsRight = 0x2;
inline constexpr DWORD kEsMultiLine = 0x4;
inline constexpr DWORD kEsPassword = 0x20;

}  // namespace tui::style
