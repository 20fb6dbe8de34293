#include "pages/DetailDlg.h"

#include "app/WizardGlobals.h"
#include "install/StoredNames.h"
#include "pages/AboutDlg.h"

BEGIN_MESSAGE_MAP(CDetailDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_BACK, [](CDetailDlg& self) { self.CDialog::OnCancel(); })
    ON_BN_CLICKED(IDC_NEXT, &CDetailDlg::OnNext)
    ON_CBN_SELCHANGE(IDC_MODULE, &CDetailDlg::OnSelchangeModule)
    ON_CBN_SELCHANGE(IDC_PORT, &CDetailDlg::OnSelchangePort)
    ON_BN_CLICKED(IDC_EXIT, &CDetailDlg::OnCancel)
    ON_BN_CLICKED(IDC_SET_DEFAULT, &CDetailDlg::OnSetDefault)
END_MESSAGE_MAP()

CDetailDlg::CDetailDlg(CWnd* parent) : CDialog(IDD_DETAIL, parent), m_hIcon(AfxLoadIcon(IDI_VORNEX)) {}

// The page is used through g_pDetailDlg only while it is open; once it is gone the
// global must not point at it.
CDetailDlg::~CDetailDlg()
{
    if (g_pDetailDlg == this)
        g_pDetailDlg = nullptr;
}

BOOL CDetailDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    AddAboutItem();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    FillModuleList();
    CheckDlgButton(IDC_SET_DEFAULT, BST_CHECKED);
    SetDlgItemText(IDC_PRINTER_NAME, install::DecodeDefaultPrinterName());
    SelectHiddenDefaults();
    EnableSerialCombos(FALSE);
    g_pDetailDlg = this;
    return TRUE;
}

void CDetailDlg::AddAboutItem()
{
    CMenu* systemMenu = GetSystemMenu(FALSE);
    if (systemMenu == nullptr)
        return;
    CString about;
    about.LoadResourceString(IDS_ABOUTBOX);
    if (about.IsEmpty())
        return;
    systemMenu->AppendMenu(MF_SEPARATOR);
    systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, about);
}

// The template's own rows go; the five module names are decoded in module order.
void CDetailDlg::FillModuleList()
{
    m_pModuleCombo = GetDlgItem<CComboBox>(IDC_MODULE);
    if (m_pModuleCombo == nullptr)
        return;
    m_pModuleCombo->ResetContent();
    for (install::ModuleIndex row = 0; row < install::DriverCatalogue::kModuleCount; ++row)
        m_pModuleCombo->AddString(install::DecodeModuleName(row).value_or(""));
    m_pModuleCombo->SetCurSel(1);
}

void CDetailDlg::SelectHiddenDefaults()
{
    m_pPortCombo = GetDlgItem<CComboBox>(IDC_PORT);
    m_pBaudCombo = GetDlgItem<CComboBox>(IDC_BAUD_RATE);
    m_pDataBitsCombo = GetDlgItem<CComboBox>(IDC_DATA_BITS);
    m_pStopBitsCombo = GetDlgItem<CComboBox>(IDC_STOP_BITS);
    m_pParityCombo = GetDlgItem<CComboBox>(IDC_PARITY);
    m_pFlowCombo = GetDlgItem<CComboBox>(IDC_FLOW_CONTROL);

    // LPT1; 19200, 8, 1, None, Hardware.
    const install::SerialRows defaults;
    const std::array<std::pair<CComboBox*, int>, 6> rows{{
        {m_pPortCombo, 0},
        {m_pBaudCombo, defaults.baud},
        {m_pDataBitsCombo, defaults.dataBits},
        {m_pStopBitsCombo, defaults.stopBits},
        {m_pParityCombo, defaults.parity},
        {m_pFlowCombo, defaults.flow},
    }};
    for (const auto& [combo, row] : rows)
        if (combo != nullptr)
            combo->SetCurSel(row);
}

std::array<CComboBox*, 5> CDetailDlg::SerialCombos() const
{
    return {m_pBaudCombo, m_pDataBitsCombo, m_pStopBitsCombo, m_pParityCombo, m_pFlowCombo};
}

void CDetailDlg::EnableSerialCombos(BOOL enable)
{
    for (CComboBox* combo : SerialCombos())
        if (combo != nullptr)
            combo->EnableWindow(enable);
}

void CDetailDlg::OnSelchangeModule()
{
    if (m_pModuleCombo == nullptr)
        return;
    if (const auto name = install::DecodeModuleName(m_pModuleCombo->GetCurSel()))
        SetDlgItemText(IDC_PRINTER_NAME, *name);
}

// A COM row (3 to 6) opens the serial settings; an LPT row, or none, closes them.
void CDetailDlg::OnSelchangePort()
{
    if (m_pPortCombo != nullptr)
        EnableSerialCombos(m_pPortCombo->GetCurSel() > 2 ? TRUE : FALSE);
}

// Item 16 and the unused ids up to 31 open the About box; the rest is the system's.
void CDetailDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0u) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
        return;
    }
    CWnd::OnSysCommand(nID, lParam);
}

// Minimised, the page draws its icon centred; the odd pixel goes to the left and top.
void CDetailDlg::OnPaint()
{
    if (!IsIconic()) {
        CWnd::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMsg(WM_ICONERASEBKGND, afx::ToWParam(dc.GetSafeHdc()), 0);
    const int cx = GetSystemMetrics(SM_CXICON);
    const int cy = GetSystemMetrics(SM_CYICON);
    CRect rect;
    GetClientRect(&rect);
    dc.DrawIcon((rect.Width() - cx + 1) / 2, (rect.Height() - cy + 1) / 2, m_hIcon);
}
