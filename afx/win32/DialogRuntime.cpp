#include "afx/win32/DialogRuntime.h"


#include "afx/AfxIds.h"

#include <algorithm>
#include <unordered_map>

namespace afx::win32 {
namespace {

struct Binding {
    CDialog* dialog = nullptr;
    WNDPROC original = nullptr;
};

// Dialog windows and their objects. One user-interface thread runs every dialog.
std::unordered_map<HWND, Binding>& Bindings() {
    static std::unordered_map<HWND, Binding> bindings;
    return bindings;
}

bool ModifierDown() {
    return (::GetKeyState(VK_SHIFT) & 0x8000) != 0 || (::GetKeyState(VK_CONTROL) & 0x8000) != 0 ||
           (::GetKeyState(VK_MENU) & 0x8000) != 0;
}

// F1 without Shift, Ctrl or Alt is the Help command of the dialog it was pressed in; the
// command goes through the dialog's map to the application's (CWinApp::OnHelp).
bool SendHelpCommand(HWND window) {
    CDialog* dialog = DialogOf(::GetAncestor(window, GA_ROOT));
    if (dialog == nullptr || ModifierDown()) {
        return false;
    }
    AfxCallWindowProc(*dialog, WM_COMMAND, ID_HELP, 0);
    return true;
}

LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto found = Bindings().find(window);
    if (found == Bindings().end()) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    const Binding binding = found->second;
    if (message == WM_NCDESTROY) {
        Bindings().erase(window);
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(binding.original));
        return ::CallWindowProcW(binding.original, window, message, wParam, lParam);
    }
    if (message == WM_HELP && SendHelpCommand(window)) {
        return TRUE;
    }
    return AfxCallWindowProc(*binding.dialog, message, wParam, lParam);
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Centres the dialog over its owner, or over the screen's work area when it has none
// (or the owner is hidden or minimised), and keeps it inside the work area.
void CentreOverOwner(HWND window) {
    RECT area{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    RECT over = area;
    const HWND owner = ::GetWindow(window, GW_OWNER);
    if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
        ::GetWindowRect(owner, &over);
    }
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    LONG left = over.left + (over.right - over.left - width) / 2;
    LONG top = over.top + (over.bottom - over.top - height) / 2;
    left = std::max(area.left, std::min(left, area.right - width));
    top = std::max(area.top, std::min(top, area.bottom - height));
    ::SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG) {
        return FALSE;  // the subclassed window procedure has dealt with it
    }
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    const auto original = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
    Bindings()[window] = Binding{dialog, original};
    dialog->Attach(window);
    RECT before{};
    ::GetWindowRect(window, &before);
    const LRESULT result = AfxCallWindowProc(*dialog, WM_INITDIALOG, wParam, lParam);
    // Every template sits at 0,0: a dialog that its initialisation did not place opens
    // centred, as the classic framework opens it.
    RECT after{};
    if (::IsWindow(window) && ::GetWindowRect(window, &after) && SameRect(before, after)) {
        CentreOverOwner(window);
    }
    return result;
}

// The dialog boxes' modal loops offer every message to this filter first: it catches F1
// before the dialog manager, for keys typed and keys posted alike.
LRESULT CALLBACK MessageFilter(int code, WPARAM wParam, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_F1 &&
        SendHelpCommand(msg->hwnd)) {
        return TRUE;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

class FilterHook {
public:
    FilterHook() : m_hook(::SetWindowsHookExW(WH_MSGFILTER, &MessageFilter, nullptr, ::GetCurrentThreadId())) {}
    ~FilterHook() {
        if (m_hook != nullptr) {
            ::UnhookWindowsHookEx(m_hook);
        }
    }
    FilterHook(const FilterHook&) = delete;
    FilterHook& operator=(const FilterHook&) = delete;

private:
    HHOOK m_hook;
};

void EnsureMessageFilter() { static FilterHook hook; }

}  // namespace

CDialog* DialogOf(HWND window) {
    const auto found = Bindings().find(window);
    return found != Bindings().end() && ::IsWindow(window) ? found->second.dialog : nullptr;
}

LRESULT DialogDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto found = Bindings().find(window);
    if (found == Bindings().end()) {
        return 0;
    }
    return ::CallWindowProcW(found->second.original, window, message, wParam, lParam);
}

void EnsureCommonControls() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
        return ::InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)registered;
}

INT_PTR RunDialog(CDialog& dialog, UINT templateId, HWND owner) {
    EnsureCommonControls();
    EnsureMessageFilter();
    return ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner, &DialogProc,
                             reinterpret_cast<LPARAM>(&dialog));
}

INT_PTR RunDialogIndirect(CDialog& dialog, const DLGTEMPLATE* dialogTemplate, HWND owner) {
    EnsureCommonControls();
    EnsureMessageFilter();
    return ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), dialogTemplate, owner, &DialogProc,
                                     reinterpret_cast<LPARAM>(&dialog));
}

}  // namespace afx::win32
