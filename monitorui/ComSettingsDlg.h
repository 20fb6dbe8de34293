#pragma once

#include "afx/Afx.h"
#include "machine/ComPortSettings.h"

#include <array>
#include <string>

namespace monitorui {

// "Port Settings" of a serial port: five drop-down lists offering the monitor's
// choices. A stored text the lists do not offer ("7200", "q") is shown as a row of its
// own, so that OK without touching that list writes it back as it was; so is every
// field the user leaves alone (its case, a flow control of " ").
class CComSettingsDlg : public CDialog {
public:
    CComSettingsDlg(std::string portName, const machine::ComPortSettings& settings, CWnd* parent);

    // The settings as chosen when the dialog ended with OK.
    const machine::ComPortSettings& Settings() const { return m_settings; }

    BOOL OnInitDialog() override;

protected:
    void OnOK() override;

private:
    struct Field;
    static const std::array<Field, 5>& Fields();

    std::string m_portName;
    machine::ComPortSettings m_settings;
    std::array<int, 5> m_initialRows{};  // the row each list opened on
};

}  // namespace monitorui
