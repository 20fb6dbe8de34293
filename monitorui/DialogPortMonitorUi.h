#pragma once

#include "machine/PortMonitorUi.h"

namespace monitorui {

// The "Local Port" monitor's dialogs as real dialogs of the host's framework: each one
// modal over the window the spooler call named as owner (a window handle of the
// framework, as the pages pass it), or over the active window when that handle names
// no open window. Needs a current desktop, as every dialog of the host does.
class DialogPortMonitorUi : public machine::PortMonitorUi {
public:
    bool AskPortName(machine::WindowHandle owner, std::string& portName) override;
    void ShowMessage(machine::WindowHandle owner, const std::string& text) override;
    bool EditComSettings(machine::WindowHandle owner, const std::string& portName,
                         machine::ComPortSettings& settings) override;
    bool EditLptTimeout(machine::WindowHandle owner, const std::string& portName,
                        std::uint32_t& timeoutSeconds) override;
    void ShowNothingToConfigure(machine::WindowHandle owner, const std::string& portName) override;
};

// What the FILE: port (or any port without settings) says when asked to configure.
std::string NothingToConfigureText(const std::string& portName);

}  // namespace monitorui
