#pragma once

#include "machine/PortMonitorUi.h"
#include "machine/RegistryStore.h"

#include <string>
#include <string_view>

namespace machine {

// The "Local Port" monitor: the ports that are values of the Ports key.
//   COM<n>...: serial, settings in the port's value ("9600,n,8,1");
//   LPT<n>...: parallel, one transmission-retry timeout for all of them, the value
//              "TransmissionRetryTimeout" of HKLM ...\CurrentVersion\Windows;
//   anything else (FILE:, a file name): nothing to configure.
// No dialog is shown while the store is locked.
class LocalPortMonitor {
public:
    explicit LocalPortMonitor(RegistryStore& store) : m_store(store) {}

    // Asks for a name until one is acceptable or the user cancels (kErrorCancelled).
    // A name is refused (with a message, and asked again) when empty, longer than
    // kMaxPortNameLength, holding a control character, or naming a port that exists.
    Win32Error AddPort(WindowHandle owner, PortMonitorUi& ui);

    // kErrorUnknownPort for a port that is not in the Ports key. Cancelling a dialog
    // gives kErrorCancelled; an unchanged answer writes nothing.
    Win32Error ConfigurePort(WindowHandle owner, const std::string& portName, PortMonitorUi& ui);

private:
    Win32Error ConfigureCom(WindowHandle owner, const std::string& portName, PortMonitorUi& ui);
    Win32Error ConfigureLpt(WindowHandle owner, const std::string& portName, PortMonitorUi& ui);

    RegistryStore& m_store;
};

inline constexpr std::size_t kMaxPortNameLength = 259;

enum class LocalPortKind { Serial, Parallel, Other };
// "COM" or "LPT" (any case) followed by a digit.
LocalPortKind ClassifyLocalPort(std::string_view portName);

// Why a new port name cannot be used, or empty when it can (existence is not checked).
std::string CheckNewPortName(std::string_view portName);

}  // namespace machine
