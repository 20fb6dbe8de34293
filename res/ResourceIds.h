#pragma once

// Resource numbers of VORNEX: dialog templates, the icon, the string table and the
// control ids. The same numbers name the resources of VORNEX.exe and the host's
// templates. Control ids are reused between dialogs; the aliases below name the
// control a number stands for in each dialog.

// Dialog templates.
inline constexpr unsigned IDD_ABOUTBOX = 100;
inline constexpr unsigned IDD_DETAIL = 102;
inline constexpr unsigned IDD_SELECT_OS = 129;
inline constexpr unsigned IDD_CREATE_PORT = 138;
inline constexpr unsigned IDD_SELECT_PORT = 139;

// Icon and strings.
inline constexpr unsigned IDI_VORNEX = 128;
inline constexpr unsigned IDS_ABOUTBOX = 101;

// A control that is never addressed (labels, group boxes, the About box's icon).
inline constexpr int IDC_STATIC = -1;

// Select OS (129): the version radio buttons and the hidden slider.
inline constexpr int IDC_OS_WIN95 = 1000;
inline constexpr int IDC_OS_WIN98 = 1001;
inline constexpr int IDC_OS_NT4 = 1002;
inline constexpr int IDC_OS_WIN2000 = 1003;
inline constexpr int IDC_OS_WINXP = 1004;
inline constexpr int IDC_OS_WIN7 = 1005;
inline constexpr int IDC_OS_WIN2008 = 1006;
inline constexpr int IDC_OS_SLIDER = 1007;
inline constexpr int IDC_OS_WIN2003 = 1011;
inline constexpr int IDC_OS_VISTA = 1020;

// Select OS (129) and Detail Setting (102): the page buttons.
inline constexpr int IDC_BACK = 1008;
inline constexpr int IDC_NEXT = 1009;
inline constexpr int IDC_EXIT = 1010;

// Detail Setting (102).
inline constexpr int IDC_MODULE = 1011;
inline constexpr int IDC_SET_DEFAULT = 1012;
inline constexpr int IDC_PRINTER_NAME = 1013;
inline constexpr int IDC_PORT = 1014;
inline constexpr int IDC_BAUD_RATE = 1015;
inline constexpr int IDC_DATA_BITS = 1016;
inline constexpr int IDC_FLOW_CONTROL = 1017;
inline constexpr int IDC_PARITY = 1018;
inline constexpr int IDC_STOP_BITS = 1019;

// Select Port (139).
inline constexpr int IDC_CREATE_PORT = 1008;
inline constexpr int IDC_CONFIGURE_PORT = 1009;
inline constexpr int IDC_PORT_BACK = 1010;
inline constexpr int IDC_PORT_LIST = 1021;
inline constexpr int IDC_INSTALL = 1022;
inline constexpr int IDC_PORT_CANCEL = 1023;
// 1024 is not used by any template.
inline constexpr int IDC_PROGRESS = 1025;

// Create Port (138).
inline constexpr int IDC_MONITOR_LIST = 1021;
inline constexpr int IDC_NEW_PORT = 1008;
inline constexpr int IDC_CREATE_CLOSE = 1009;
