#pragma once

#include "afx/Afx.h"

#include <string>

namespace monitorui {

// "Port Name": one edit field for the name of a new port. It opens with the previous
// answer, so that a refused name can be corrected rather than typed again.
class CPortNameDlg : public CDialog {
public:
    CPortNameDlg(std::string portName, CWnd* parent);

    // The name as typed when the dialog ended with OK.
    const std::string& PortName() const { return m_portName; }

    BOOL OnInitDialog() override;

protected:
    void OnOK() override;

private:
    std::string m_portName;
};

}  // namespace monitorui
