#pragma once

// The Windows headers, in the order the framework needs them: before any afx header, so
// that the system's own definitions (NMHDR, the list view records, the constants) stand
// and the afx headers step aside.
#include <windows.h>
#include <commctrl.h>
