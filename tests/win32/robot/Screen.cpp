#include "tests/win32/robot/Screen.h"

#include "afx/win32/WideText.h"
#include "flows/FlowTokens.h"

namespace robot {
namespace {

constexpr int kMessageBoxTextId = 0xFFFF;

using flows::Quote;
using flows::WithoutMnemonics;

std::string ClassOf(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return afx::win32::Narrow(name);
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

BOOL CALLBACK FindEnabledWindow(HWND window, LPARAM result) {
    if (::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND Screen::ActiveWindow() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (::GetGUIThreadInfo(m_uiThread, &info) && info.hwndActive != nullptr && ::IsWindowEnabled(info.hwndActive)) {
        return info.hwndActive;
    }
    // No window active (the virtual desktop lost the focus): the enabled top-level
    // window of the thread is the one a modal loop waits on.
    HWND found = nullptr;
    ::EnumThreadWindows(m_uiThread, &FindEnabledWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND Screen::FocusWindow() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return ::GetGUIThreadInfo(m_uiThread, &info) ? info.hwndFocus : nullptr;
}

void Screen::RepaintAll() const {
    std::vector<HWND> windows;
    ::EnumThreadWindows(m_uiThread, &CollectChild, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
        ::RedrawWindow(window, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

std::string Screen::Caption(HWND window) { return Text(window); }

bool Screen::IsMessageBox(HWND window) {
    if (window == nullptr || ClassOf(window) != "#32770" || ::GetDlgItem(window, kMessageBoxTextId) == nullptr) {
        return false;
    }
    // A dialog of an old-style template numbers its labels 0xFFFF too; a message box
    // has buttons and labels only.
    for (HWND control : Controls(window)) {
        const ControlKind kind = KindOf(control);
        if (kind != ControlKind::PushButton && kind != ControlKind::Static) {
            return false;
        }
    }
    return true;
}

std::string Screen::MessageText(HWND window) { return Text(::GetDlgItem(window, kMessageBoxTextId)); }

std::string Screen::WindowName(HWND window) {
    if (window == nullptr) {
        return "no window";
    }
    if (IsMessageBox(window)) {
        return "the message box " + Quote(MessageText(window));
    }
    return Quote(Caption(window));
}

HWND Screen::Control(HWND window, int id) { return window != nullptr ? ::GetDlgItem(window, id) : nullptr; }

std::vector<HWND> Screen::Controls(HWND window) {
    std::vector<HWND> controls;
    if (window != nullptr) {
        ::EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&controls));
    }
    std::erase_if(controls, [window](HWND control) { return ::GetParent(control) != window; });
    return controls;
}

HWND Screen::ControlByCaption(HWND window, const std::string& plain) {
    for (HWND control : Controls(window)) {
        if (IsVisible(control) && WithoutMnemonics(Text(control)) == plain) {
            return control;
        }
    }
    return nullptr;
}

ControlKind Screen::KindOf(HWND control) {
    const std::string name = ClassOf(control);
    const DWORD style = static_cast<DWORD>(::GetWindowLongW(control, GWL_STYLE));
    if (::lstrcmpiA(name.c_str(), "Button") == 0) {
        switch (style & BS_TYPEMASK) {
            case BS_CHECKBOX:
            case BS_AUTOCHECKBOX:
            case BS_3STATE:
            case BS_AUTO3STATE:
                return ControlKind::CheckBox;
            case BS_RADIOBUTTON:
            case BS_AUTORADIOBUTTON:
                return ControlKind::RadioButton;
            case BS_GROUPBOX:
                return ControlKind::GroupBox;
            default:
                return ControlKind::PushButton;
        }
    }
    if (::lstrcmpiA(name.c_str(), "ComboBox") == 0) return ControlKind::ComboBox;
    if (::lstrcmpiA(name.c_str(), "SysListView32") == 0) return ControlKind::ListView;
    if (::lstrcmpiA(name.c_str(), "msctls_progress32") == 0) return ControlKind::ProgressBar;
    if (::lstrcmpiA(name.c_str(), "Edit") == 0) return ControlKind::Edit;
    if (::lstrcmpiA(name.c_str(), "Static") == 0) return ControlKind::Static;
    return ControlKind::Other;
}

std::string Screen::Text(HWND control) {
    if (control == nullptr) {
        return {};
    }
    const LRESULT length = ::SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    const LRESULT copied =
        ::SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return afx::win32::Narrow(text);
}

std::string Screen::Named(HWND control) {
    std::string name = "control " + std::to_string(::GetDlgCtrlID(control));
    const std::string text = Text(control);
    if (!text.empty() && KindOf(control) != ControlKind::Edit) {
        name += " " + Quote(WithoutMnemonics(text));
    }
    return name;
}

bool Screen::IsVisible(HWND control) {
    return (static_cast<DWORD>(::GetWindowLongW(control, GWL_STYLE)) & WS_VISIBLE) != 0;
}

bool Screen::IsEnabled(HWND control) { return ::IsWindowEnabled(control) != FALSE; }

int Screen::Check(HWND control) { return static_cast<int>(::SendMessageW(control, BM_GETCHECK, 0, 0)); }

std::optional<int> Screen::RowCount(HWND control) {
    switch (KindOf(control)) {
        case ControlKind::ComboBox:
            return static_cast<int>(::SendMessageW(control, CB_GETCOUNT, 0, 0));
        case ControlKind::ListView:
            return static_cast<int>(::SendMessageW(control, LVM_GETITEMCOUNT, 0, 0));
        default:
            return std::nullopt;
    }
}

std::optional<int> Screen::SelectedRow(HWND control) {
    switch (KindOf(control)) {
        case ControlKind::ComboBox:
            return static_cast<int>(::SendMessageW(control, CB_GETCURSEL, 0, 0));
        case ControlKind::ListView:
            return static_cast<int>(
                ::SendMessageW(control, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
        default:
            return std::nullopt;
    }
}

std::string Screen::ItemText(HWND control, int row, int column) {
    if (KindOf(control) == ControlKind::ComboBox) {
        const LRESULT length = ::SendMessageW(control, CB_GETLBTEXTLEN, static_cast<WPARAM>(row), 0);
        if (length < 0) {
            return {};
        }
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        const LRESULT copied =
            ::SendMessageW(control, CB_GETLBTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
        return afx::win32::Narrow(text);
    }
    std::wstring text(1024, L'\0');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    const LRESULT copied =
        ::SendMessageW(control, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return afx::win32::Narrow(text);
}

std::string Screen::ShownText(HWND control) {
    const ControlKind kind = KindOf(control);
    if (kind == ControlKind::ComboBox || kind == ControlKind::ListView) {
        const std::optional<int> row = SelectedRow(control);
        return row && *row >= 0 ? ItemText(control, *row, 0) : std::string();
    }
    return Text(control);
}

}  // namespace robot
