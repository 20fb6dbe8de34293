#pragma once

// Template and control numbers of the "Local Port" monitor's dialogs. They are the
// monitor's own resources, not the wizard's, so they keep clear of the wizard's ids.
namespace monitorui {

inline constexpr unsigned IDD_PORT_NAME = 2001;
inline constexpr unsigned IDD_COM_SETTINGS = 2002;
inline constexpr unsigned IDD_LPT_TIMEOUT = 2003;

// "Port Name".
inline constexpr int IDC_PORT_NAME_EDIT = 2101;

// "Port Settings" of a serial port.
inline constexpr int IDC_COM_PORT_LABEL = 2201;  // shows the port's name
inline constexpr int IDC_COM_BITS_PER_SECOND = 2202;
inline constexpr int IDC_COM_DATA_BITS = 2203;
inline constexpr int IDC_COM_PARITY = 2204;
inline constexpr int IDC_COM_STOP_BITS = 2205;
inline constexpr int IDC_COM_FLOW_CONTROL = 2206;

// "Configure LPT Port".
inline constexpr int IDC_LPT_PORT_LABEL = 2301;
inline constexpr int IDC_LPT_TIMEOUT_EDIT = 2302;

// The caption of the monitor's message boxes.
inline constexpr const char* kMonitorCaption = "Local Port";

}  // namespace monitorui
