#pragma once

#include "machine/ComPortSettings.h"
#include "spooler/Spooler.h"

#include <cstdint>
#include <string>

namespace machine {

using spooler::WindowHandle;

// The dialogs of the "Local Port" monitor. The machine runs the monitor's logic and
// asks this interface whenever Windows would show one of its dialogs; the wizard
// implements it with real dialogs, tests with ScriptedPortMonitorUi. Every dialog is
// owned by `owner`, the window given to AddPort or ConfigurePort. A dialog returns
// false when the user cancels it.
class PortMonitorUi {
public:
    virtual ~PortMonitorUi() = default;

    // "Port Name": asks for the name of a new port. `portName` holds the previous
    // answer when asking again, empty the first time.
    virtual bool AskPortName(WindowHandle owner, std::string& portName) = 0;

    // Tells the user something (why a name was refused) with an OK button.
    virtual void ShowMessage(WindowHandle owner, const std::string& text) = 0;

    // "Port Settings" of a serial port: bits per second, data bits, parity, stop
    // bits and flow control, edited in place.
    virtual bool EditComSettings(WindowHandle owner, const std::string& portName,
                                 ComPortSettings& settings) = 0;

    // "Configure LPT Port": the transmission-retry timeout in seconds, edited in place.
    virtual bool EditLptTimeout(WindowHandle owner, const std::string& portName,
                                std::uint32_t& timeoutSeconds) = 0;

    // A port with no settings of its own (FILE:, a file name): tell the user so.
    virtual void ShowNothingToConfigure(WindowHandle owner, const std::string& portName) = 0;
};

}  // namespace machine
