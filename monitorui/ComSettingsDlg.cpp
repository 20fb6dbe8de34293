#include "monitorui/ComSettingsDlg.h"

#include "monitorui/MonitorDialogIds.h"
#include "monitorui/MonitorTemplates.h"

#include <span>
#include <utility>

namespace monitorui {

// One list of the dialog: its control, the choices it offers and the field it edits.
struct CComSettingsDlg::Field {
    int id;
    std::span<const machine::ComChoice> (*choices)();
    std::string machine::ComPortSettings::*member;
};

const std::array<CComSettingsDlg::Field, 5>& CComSettingsDlg::Fields()
{
    using machine::ComPortSettings;
    static const std::array<Field, 5> fields{{
        {IDC_COM_BITS_PER_SECOND, &machine::ComBitsPerSecondChoices, &ComPortSettings::bitsPerSecond},
        {IDC_COM_DATA_BITS, &machine::ComDataBitsChoices, &ComPortSettings::dataBits},
        {IDC_COM_PARITY, &machine::ComParityChoices, &ComPortSettings::parity},
        {IDC_COM_STOP_BITS, &machine::ComStopBitsChoices, &ComPortSettings::stopBits},
        {IDC_COM_FLOW_CONTROL, &machine::ComFlowControlChoices, &ComPortSettings::flowControl},
    }};
    return fields;
}

CComSettingsDlg::CComSettingsDlg(std::string portName, const machine::ComPortSettings& settings, CWnd* parent)
    : CDialog(ComSettingsTemplate(), parent), m_portName(std::move(portName)), m_settings(settings)
{
}

BOOL CComSettingsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_COM_PORT_LABEL, m_portName);
    for (std::size_t i = 0; i < Fields().size(); ++i) {
        const Field& field = Fields()[i];
        CComboBox* combo = GetDlgItem<CComboBox>(field.id);
        if (combo == nullptr)
            continue;
        const auto choices = field.choices();
        for (const machine::ComChoice& choice : choices)
            combo->AddString(choice.label);
        const std::string& stored = m_settings.*field.member;
        int row = 0;
        if (const auto found = machine::FindComChoice(choices, stored))
            row = static_cast<int>(*found);
        else
            row = combo->AddString(stored);  // a value of its own: offered as it is
        combo->SetCurSel(row);
        m_initialRows[i] = row;
    }
    return TRUE;
}

void CComSettingsDlg::OnOK()
{
    for (std::size_t i = 0; i < Fields().size(); ++i) {
        const Field& field = Fields()[i];
        const CComboBox* combo = GetDlgItem<CComboBox>(field.id);
        const int row = combo != nullptr ? combo->GetCurSel() : CB_ERR;
        const auto choices = field.choices();
        // An untouched list, or the row of a value of its own, keeps the stored text.
        if (row == m_initialRows[i] || row < 0 || static_cast<std::size_t>(row) >= choices.size())
            continue;
        m_settings.*field.member = choices[static_cast<std::size_t>(row)].text;
    }
    CDialog::OnOK();
}

}  // namespace monitorui
