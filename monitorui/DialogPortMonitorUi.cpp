#include "monitorui/DialogPortMonitorUi.h"

#include "afx/Backend.h"
#include "monitorui/ComSettingsDlg.h"
#include "monitorui/LptTimeoutDlg.h"
#include "monitorui/MonitorDialogIds.h"
#include "monitorui/OwnerWindow.h"
#include "monitorui/PortNameDlg.h"

namespace monitorui {

std::string NothingToConfigureText(const std::string& portName)
{
    return "There is nothing to configure for the port " + portName + ".";
}

bool DialogPortMonitorUi::AskPortName(machine::WindowHandle owner, std::string& portName)
{
    COwnerWnd ownerWnd(owner);
    CPortNameDlg dialog(portName, ownerWnd.Parent());
    if (dialog.DoModal() != IDOK)
        return false;
    portName = dialog.PortName();
    return true;
}

void DialogPortMonitorUi::ShowMessage(machine::WindowHandle owner, const std::string& text)
{
    const COwnerWnd ownerWnd(owner);
    afx::backend::ShowMessageBox(ownerWnd.Handle(), text, kMonitorCaption, MB_OK | MB_ICONEXCLAMATION);
}

bool DialogPortMonitorUi::EditComSettings(machine::WindowHandle owner, const std::string& portName,
                                          machine::ComPortSettings& settings)
{
    COwnerWnd ownerWnd(owner);
    CComSettingsDlg dialog(portName, settings, ownerWnd.Parent());
    if (dialog.DoModal() != IDOK)
        return false;
    settings = dialog.Settings();
    return true;
}

bool DialogPortMonitorUi::EditLptTimeout(machine::WindowHandle owner, const std::string& portName,
                                         std::uint32_t& timeoutSeconds)
{
    COwnerWnd ownerWnd(owner);
    CLptTimeoutDlg dialog(portName, timeoutSeconds, ownerWnd.Parent());
    if (dialog.DoModal() != IDOK)
        return false;
    timeoutSeconds = dialog.TimeoutSeconds();
    return true;
}

void DialogPortMonitorUi::ShowNothingToConfigure(machine::WindowHandle owner, const std::string& portName)
{
    const COwnerWnd ownerWnd(owner);
    afx::backend::ShowMessageBox(ownerWnd.Handle(), NothingToConfigureText(portName), kMonitorCaption,
                                 MB_OK | MB_ICONINFORMATION);
}

}  // namespace monitorui
