#include "monitorui/LptTimeoutDlg.h"

#include "afx/Backend.h"
#include "monitorui/MonitorDialogIds.h"
#include "monitorui/MonitorTemplates.h"

#include <charconv>
#include <utility>

namespace monitorui {

std::optional<std::uint32_t> ParseTimeoutSeconds(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;  // no sign, no spaces, no letters
    }
    std::uint32_t seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;  // too large for the stored value
    return seconds;
}

CLptTimeoutDlg::CLptTimeoutDlg(std::string portName, std::uint32_t timeoutSeconds, CWnd* parent)
    : CDialog(LptTimeoutTemplate(), parent), m_portName(std::move(portName)), m_timeoutSeconds(timeoutSeconds)
{
}

BOOL CLptTimeoutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_LPT_PORT_LABEL, m_portName);
    SetDlgItemText(IDC_LPT_TIMEOUT_EDIT, std::to_string(m_timeoutSeconds));
    return TRUE;
}

void CLptTimeoutDlg::OnOK()
{
    CString text;
    GetDlgItemText(IDC_LPT_TIMEOUT_EDIT, text);
    const std::optional<std::uint32_t> seconds = ParseTimeoutSeconds(text.Str());
    if (!seconds) {
        afx::backend::ShowMessageBox(GetSafeHwnd(), kBadTimeoutMessage, kMonitorCaption, MB_OK | MB_ICONEXCLAMATION);
        if (CWnd* field = GetDlgItem(IDC_LPT_TIMEOUT_EDIT))
            field->SetFocus();
        return;
    }
    m_timeoutSeconds = *seconds;
    CDialog::OnOK();
}

}  // namespace monitorui
