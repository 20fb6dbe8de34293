#include "afx/CWnd.h"

#include "afx/Backend.h"
#include "afx/CMenu.h"
#include "afx/DataExchange.h"

#include <algorithm>

namespace backend = afx::backend;

CWnd::CWnd() = default;

CWnd::~CWnd() {
    if (m_boundTo != nullptr) {
        std::erase(m_boundTo->m_boundControls, this);
    }
    for (CWnd* control : m_boundControls) {
        control->m_boundTo = nullptr;
    }
}

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

BOOL CWnd::IsWindow() const { return backend::IsWindowHandle(m_hWnd) ? TRUE : FALSE; }

CWnd* CWnd::FromHandlePermanent(HWND hWnd) { return backend::BoundObject(hWnd); }

BOOL CWnd::Attach(HWND hWnd) {
    if (hWnd == nullptr) {
        return FALSE;
    }
    m_hWnd = hWnd;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    if (parent == nullptr) {
        return FALSE;
    }
    HWND control = backend::DialogItem(parent->m_hWnd, static_cast<int>(id));
    if (control == nullptr) {
        return FALSE;
    }
    m_hWnd = control;
    if (m_boundTo != parent) {
        if (m_boundTo != nullptr) {
            std::erase(m_boundTo->m_boundControls, this);
        }
        parent->m_boundControls.push_back(this);
        m_boundTo = parent;
    }
    return TRUE;
}

CWnd* CWnd::ItemWrapper(int id, std::type_index type, std::unique_ptr<CWnd> (*make)()) const {
    HWND control = backend::DialogItem(m_hWnd, id);
    if (control == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CWnd>& slot = m_items[ItemKey{id, type}];
    if (!slot) {
        slot = make();
    }
    slot->m_hWnd = control;
    return slot.get();
}

CWnd* CWnd::GetDlgItem(int id) const { return GetDlgItem<CWnd>(id); }

int CWnd::GetDlgCtrlID() const { return backend::ControlId(m_hWnd); }

void CWnd::SetDlgItemText(int id, std::string_view text) {
    backend::SetTextOf(backend::DialogItem(m_hWnd, id), text);
}

int CWnd::GetDlgItemText(int id, CString& text) const {
    text = CString(backend::TextOf(backend::DialogItem(m_hWnd, id)));
    return text.GetLength();
}

UINT CWnd::IsDlgButtonChecked(int id) const {
    return static_cast<UINT>(SendDlgItemMsg(id, BM_GETCHECK));
}

void CWnd::CheckDlgButton(int id, UINT check) { SendDlgItemMsg(id, BM_SETCHECK, check); }

LRESULT CWnd::SendDlgItemMsg(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
    return backend::SendTo(backend::DialogItem(m_hWnd, id), message, wParam, lParam);
}

void CWnd::SetText(std::string_view text) { backend::SetTextOf(m_hWnd, text); }

CString CWnd::GetText() const { return CString(backend::TextOf(m_hWnd)); }

BOOL CWnd::EnableWindow(BOOL enable) { return backend::Enable(m_hWnd, enable != FALSE) ? TRUE : FALSE; }

BOOL CWnd::IsWindowEnabled() const { return backend::IsEnabled(m_hWnd) ? TRUE : FALSE; }

BOOL CWnd::ShowWindow(int cmdShow) { return backend::Show(m_hWnd, cmdShow) ? TRUE : FALSE; }

BOOL CWnd::IsWindowVisible() const { return backend::IsVisible(m_hWnd) ? TRUE : FALSE; }

BOOL CWnd::IsIconic() const { return backend::IsIconic(m_hWnd) ? TRUE : FALSE; }

DWORD CWnd::GetStyle() const { return backend::Style(m_hWnd); }

DWORD CWnd::GetExStyle() const { return backend::ExStyle(m_hWnd); }

void CWnd::GetClientRect(CRect* rect) const {
    if (rect != nullptr) {
        *rect = backend::ClientRect(m_hWnd);
    }
}

HWND CWnd::SetFocus() { return backend::SetFocus(m_hWnd); }

HWND CWnd::GetFocusHandle() { return backend::Focus(); }

HWND CWnd::GetActiveHandle() { return backend::ActiveWindow(); }

CMenu* CWnd::GetSystemMenu(BOOL revert) const {
    HMENU menu = backend::SystemMenu(m_hWnd, revert != FALSE);
    if (menu == nullptr) {
        return nullptr;
    }
    if (!m_systemMenu) {
        m_systemMenu = std::make_unique<CMenu>();
    }
    m_systemMenu->m_hMenu = menu;
    return m_systemMenu.get();
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
    return reinterpret_cast<HICON>(
        SendMsg(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, afx::ToLParam(icon)));
}

HICON CWnd::GetIcon(BOOL bigIcon) const {
    return reinterpret_cast<HICON>(SendMsg(WM_GETICON, bigIcon ? ICON_BIG : ICON_SMALL, 0));
}

LRESULT CWnd::SendMsg(UINT message, WPARAM wParam, LPARAM lParam) const {
    return backend::SendTo(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() { return DefaultWindowProc(m_current.message, m_current.wParam, m_current.lParam); }

int CWnd::GetSystemMetrics(int index) { return backend::SystemMetric(index); }

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) {
        result = DefaultWindowProc(message, wParam, lParam);
    }
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam)) {
            return FALSE;
        }
        *result = 0;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        return OnNotify(wParam, lParam, result);
    }
    const afx::MessageEntry* entry = FindMessageEntry(message, 0, 0);
    if (entry == nullptr) {
        return FALSE;
    }
    *result = entry->handler(*this, wParam, lParam);
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) { return OnCmdMsg(afx::LoWord(wParam), afx::HiWord(wParam)); }

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const afx::NmHdr* header = afx::FromLParam<afx::NmHdr>(lParam);
    if (header == nullptr) {
        return FALSE;
    }
    const afx::MessageEntry* entry =
        FindMessageEntry(WM_NOTIFY, header->code, static_cast<UINT>(header->idFrom));
    if (entry == nullptr) {
        return FALSE;
    }
    *result = entry->handler(*this, wParam, lParam);
    return TRUE;
}

LRESULT CWnd::DefaultWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return backend::DefaultProcessing(m_hWnd, message, wParam, lParam);
}

void CWnd::DoDataExchange(CDataExchange*) {}

void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }

void CWnd::OnPaint() { Default(); }

HCURSOR CWnd::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }

void CWnd::DetachChildren() {
    for (auto& [key, control] : m_items) {
        control->m_hWnd = nullptr;
    }
    for (CWnd* control : m_boundControls) {
        control->m_hWnd = nullptr;
        control->m_boundTo = nullptr;
    }
    m_boundControls.clear();
    if (m_systemMenu) {
        m_systemMenu->m_hMenu = nullptr;
    }
}

LRESULT AfxCallWindowProc(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const CWnd::CurrentMessage saved = wnd.m_current;
    wnd.m_current = {message, wParam, lParam};
    const LRESULT result = wnd.WindowProc(message, wParam, lParam);
    wnd.m_current = saved;
    return result;
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (pDX == nullptr || pDX->m_pDlgWnd == nullptr) {
        return;
    }
    control.SubclassDlgItem(static_cast<UINT>(id), pDX->m_pDlgWnd);
}
