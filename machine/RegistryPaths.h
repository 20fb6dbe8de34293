#pragma once

namespace machine {

// Where Windows keeps what the machine models (all under HKEY_LOCAL_MACHINE unless
// the name says HKCU).
inline constexpr const char* kPortsKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";
inline constexpr const char* kNtCurrentVersionKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
inline constexpr const char* kWin9xCurrentVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
inline constexpr const char* kMachineWindowsKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
inline constexpr const char* kHkcuWindowsKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
inline constexpr const char* kProductOptionsKey = "SYSTEM\\CurrentControlSet\\Control\\ProductOptions";
inline constexpr const char* kPrintKey = "SYSTEM\\CurrentControlSet\\Control\\Print";
inline constexpr const char* kEnvironmentsKey = "SYSTEM\\CurrentControlSet\\Control\\Print\\Environments";
inline constexpr const char* kMonitorsKey = "SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors";
inline constexpr const char* kPrintersKey = "SYSTEM\\CurrentControlSet\\Control\\Print\\Printers";

// Below an environment's key.
inline constexpr const char* kDriversSubKey = "Drivers";
inline constexpr const char* kPrintProcessorsSubKey = "Print Processors";

inline constexpr const char* kLocalPortMonitor = "Local Port";
inline constexpr const char* kTransmissionRetryTimeoutValue = "TransmissionRetryTimeout";
inline constexpr unsigned kDefaultTransmissionRetryTimeout = 90;

}  // namespace machine
