#pragma once

#include "afx/CCmdTarget.h"
#include "afx/CString.h"
#include "afx/WinConstants.h"
#include "afx/WinDefs.h"

#include <map>
#include <memory>
#include <string_view>
#include <type_traits>
#include <typeindex>
#include <typeinfo>
#include <utility>
#include <vector>

// <windows.h> maps these names onto its A/W entry points; the members keep the plain names.
#ifdef SetDlgItemText
#undef SetDlgItemText
#endif
#ifdef GetDlgItemText
#undef GetDlgItemText
#endif

class CDataExchange;
class CMenu;

// A window: a dialog, or a control in one. The object refers to the window through
// m_hWnd and does not own it; a window that is gone leaves a handle that no longer
// answers, so calls through it do nothing and return 0.
class CWnd : public CCmdTarget {
public:
    HWND m_hWnd = nullptr;

    CWnd();
    ~CWnd() override;

    HWND GetSafeHwnd() const { return m_hWnd; }
    BOOL IsWindow() const;

    // The dialog object whose window `hWnd` is, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Binds this object to an existing window, or lets go of it.
    BOOL Attach(HWND hWnd);
    HWND Detach();
    // Binds this object to control `id` of `parent` (what DDX_Control does).
    BOOL SubclassDlgItem(UINT id, CWnd* parent);

    // Child controls. The objects returned belong to this window's object and stay
    // valid as long as it lives; null when the dialog has no control `id`.
    CWnd* GetDlgItem(int id) const;
    // The same, as a typed control: GetDlgItem<CComboBox>(IDC_MODULE).
    template <class T>
    T* GetDlgItem(int id) const;

    int GetDlgCtrlID() const;
    void SetDlgItemText(int id, std::string_view text);
    int GetDlgItemText(int id, CString& text) const;  // the text's length in bytes
    UINT IsDlgButtonChecked(int id) const;
    void CheckDlgButton(int id, UINT check);
    LRESULT SendDlgItemMsg(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    // The window's own text: a dialog's caption or a control's text.
    void SetText(std::string_view text);
    CString GetText() const;

    BOOL EnableWindow(BOOL enable = TRUE);  // nonzero when it was disabled before
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int cmdShow);  // nonzero when it was visible before
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    void GetClientRect(CRect* rect) const;  // in pixels, from 0,0
    HWND SetFocus();                        // the window that had the focus
    static HWND GetFocusHandle();
    static HWND GetActiveHandle();

    // The window's system menu, or null when it has none. The object belongs to this one.
    CMenu* GetSystemMenu(BOOL revert) const;
    HICON SetIcon(HICON icon, BOOL bigIcon);  // WM_SETICON; the previous icon
    HICON GetIcon(BOOL bigIcon) const;

    // Delivers a message to the window and returns its result, as SendMessage does.
    LRESULT SendMsg(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // The default processing of the message being handled (from inside a handler).
    LRESULT Default();

    static int GetSystemMetrics(int index);

    // Runs DoDataExchange: FALSE fills the controls, TRUE reads them back.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

protected:
    // Every message to a dialog passes here: its message map first, then the default
    // processing.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT DefaultWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void DoDataExchange(CDataExchange* pDX);

    // Handlers a page may bind and call from its own; each does the default processing.
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();

    // Forgets the control objects bound to this window's controls: they keep their
    // objects but answer no more (called when the window is destroyed).
    void DetachChildren();

    DECLARE_MESSAGE_MAP()

private:
    friend LRESULT AfxCallWindowProc(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam);
    friend void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

    struct CurrentMessage {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };

    using ItemKey = std::pair<int, std::type_index>;
    CWnd* ItemWrapper(int id, std::type_index type, std::unique_ptr<CWnd> (*make)()) const;

    CurrentMessage m_current;
    mutable std::map<ItemKey, std::unique_ptr<CWnd>> m_items;  // GetDlgItem's objects
    std::vector<CWnd*> m_boundControls;                        // DDX_Control's members
    CWnd* m_boundTo = nullptr;                                 // the dialog this control is bound in
    mutable std::unique_ptr<CMenu> m_systemMenu;
};

// Delivers a message to a window object: how a backend hands a dialog its messages.
LRESULT AfxCallWindowProc(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam);

template <class T>
T* CWnd::GetDlgItem(int id) const {
    static_assert(std::is_base_of_v<CWnd, T>, "GetDlgItem<T>: T is a window class");
    return static_cast<T*>(
        ItemWrapper(id, typeid(T), [] { return std::unique_ptr<CWnd>(std::make_unique<T>()); }));
}
