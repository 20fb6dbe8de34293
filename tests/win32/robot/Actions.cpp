#include "tests/win32/robot/Actions.h"

#include "afx/win32/WideText.h"
#include "tests/win32/robot/Screen.h"

#include <type_traits>

namespace robot {
namespace {

using afx::host::Key;

constexpr LPARAM kAltDown = 1 << 29;  // the context bit of a key pressed with Alt

LPARAM KeyData(UINT virtualKey, bool up, bool alt) {
    const UINT scan = ::MapVirtualKeyW(virtualKey, 0 /* MAPVK_VK_TO_VSC */);
    LPARAM data = 1 | static_cast<LPARAM>(scan << 16);
    if (alt) data |= kAltDown;
    if (up) data |= static_cast<LPARAM>(3u << 30);
    return data;
}

void PostKey(HWND target, UINT virtualKey, bool alt = false) {
    const UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    const UINT up = alt ? WM_SYSKEYUP : WM_KEYUP;
    ::PostMessageW(target, down, virtualKey, KeyData(virtualKey, false, alt));
    ::PostMessageW(target, up, virtualKey, KeyData(virtualKey, true, alt));
}

// A key that also types a character (Space, Backspace): down, the character, up.
void PostTypingKey(HWND target, UINT virtualKey, wchar_t character) {
    ::PostMessageW(target, WM_KEYDOWN, virtualKey, KeyData(virtualKey, false, false));
    ::PostMessageW(target, WM_CHAR, character, KeyData(virtualKey, false, false));
    ::PostMessageW(target, WM_KEYUP, virtualKey, KeyData(virtualKey, true, false));
}

// A left click at a point of a window's client area.
void PostClick(HWND target, POINT at) {
    const LPARAM where = MAKELPARAM(at.x, at.y);
    ::PostMessageW(target, WM_MOUSEMOVE, 0, where);
    ::PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, where);
    ::PostMessageW(target, WM_LBUTTONUP, 0, where);
}

POINT Centre(HWND control) {
    RECT rect{};
    ::GetClientRect(control, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

HWND KeyTarget(HWND active, const Screen& screen) {
    const HWND focus = screen.FocusWindow();
    return focus != nullptr ? focus : active;
}

// A control of the active window that a person could reach, or why not (in the host
// desktop's words).
std::optional<std::string> Reachable(HWND active, HWND control, int id) {
    (void)active;
    if (control == nullptr) {
        return "the window has no control " + std::to_string(id);
    }
    if (!Screen::IsVisible(control)) {
        return "control " + std::to_string(id) + " is hidden";
    }
    if (!Screen::IsEnabled(control)) {
        return "control " + std::to_string(id) + " is disabled";
    }
    return std::nullopt;
}

bool IsButton(HWND control) {
    const ControlKind kind = Screen::KindOf(control);
    return kind == ControlKind::PushButton || kind == ControlKind::CheckBox || kind == ControlKind::RadioButton;
}

std::optional<std::string> PressKey(Key key, HWND active, const Screen& screen) {
    const HWND target = KeyTarget(active, screen);
    switch (key) {
        case Key::Enter: PostKey(target, VK_RETURN); break;
        case Key::Escape: PostKey(target, VK_ESCAPE); break;
        case Key::Tab: PostKey(target, VK_TAB); break;
        // Posted keys do not change the keyboard state, so Shift+Tab is asked of the
        // dialog directly: the previous control in the tab order.
        case Key::ShiftTab: ::PostMessageW(active, WM_NEXTDLGCTL, 1, FALSE); break;
        case Key::Up: PostKey(target, VK_UP); break;
        case Key::Down: PostKey(target, VK_DOWN); break;
        case Key::Left: PostKey(target, VK_LEFT); break;
        case Key::Right: PostKey(target, VK_RIGHT); break;
        case Key::Home: PostKey(target, VK_HOME); break;
        case Key::End: PostKey(target, VK_END); break;
        case Key::Space: PostTypingKey(target, VK_SPACE, L' '); break;
        case Key::Backspace: PostTypingKey(target, VK_BACK, L'\b'); break;
        case Key::F1: PostKey(target, VK_F1); break;
        case Key::F4: PostKey(target, VK_F4); break;
        case Key::AltDown: PostKey(target, VK_DOWN, true); break;
        case Key::AltF4: PostKey(target, VK_F4, true); break;
        // The character Alt+Space makes is what opens the system menu; a drop-down list
        // with the focus would take the key itself.
        case Key::AltSpace: ::PostMessageW(target, WM_SYSCHAR, L' ', KeyData(VK_SPACE, false, true)); break;
    }
    return std::nullopt;
}

std::optional<std::string> ClickOn(HWND active, int id) {
    const HWND control = Screen::Control(active, id);
    if (auto refused = Reachable(active, control, id)) {
        return refused;
    }
    switch (Screen::KindOf(control)) {
        case ControlKind::PushButton:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            ::PostMessageW(control, BM_CLICK, 0, 0);
            break;
        case ControlKind::ListView: {
            // The empty part below the last row, or the list's lower edge when the rows fill it.
            RECT client{};
            ::GetClientRect(control, &client);
            LVHITTESTINFO hit{};
            hit.pt = POINT{client.left + 4, client.bottom - 3};
            if (::SendMessageW(control, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) >= 0) {
                LVITEMW none{};
                none.stateMask = LVIS_SELECTED;
                ::SendMessageW(control, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
            } else {
                PostClick(control, hit.pt);
            }
            break;
        }
        default:
            PostClick(control, Centre(control));
            break;
    }
    return std::nullopt;
}

std::optional<std::string> ClickOnRow(HWND active, int id, int row) {
    const HWND control = Screen::Control(active, id);
    if (auto refused = Reachable(active, control, id)) {
        return refused;
    }
    const std::optional<int> count = Screen::RowCount(control);
    if (!count) {
        return "control " + std::to_string(id) + " has no rows";
    }
    const bool list = Screen::KindOf(control) == ControlKind::ListView;
    if (row >= *count || row < -1 || (row == -1 && !list)) {
        return (list ? "list " : "combo box ") + std::to_string(id) + " has no row " + std::to_string(row);
    }
    if (Screen::KindOf(control) == ControlKind::ComboBox) {
        // A person's choice in the list: the selection, then the notification the
        // program's own selection does not send.
        ::SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
        ::PostMessageW(::GetParent(control), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(control));
        return std::nullopt;
    }
    if (row == -1) {
        return ClickOn(active, id);
    }
    ::SendMessageW(control, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    RECT rect{};
    rect.left = LVIR_LABEL;
    ::SendMessageW(control, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    PostClick(control, POINT{rect.left + 2, (rect.top + rect.bottom) / 2});
    return std::nullopt;
}

std::optional<std::string> ChooseSystemCommand(HWND active, UINT command, bool needItem) {
    if ((static_cast<DWORD>(::GetWindowLongW(active, GWL_STYLE)) & WS_SYSMENU) == 0) {
        return std::string("the window has no close box");
    }
    if (needItem) {
        const HMENU menu = ::GetSystemMenu(active, FALSE);
        const UINT state = menu != nullptr ? ::GetMenuState(menu, command, MF_BYCOMMAND) : static_cast<UINT>(-1);
        if (state == static_cast<UINT>(-1)) {
            return "the system menu has no item " + std::to_string(command);
        }
        if ((state & (MF_GRAYED | MF_DISABLED)) != 0) {
            return "the system menu's item " + std::to_string(command) + " is grayed";
        }
    }
    ::PostMessageW(active, WM_SYSCOMMAND, command, 0);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> Perform(const afx::host::InputEvent& event, HWND active, const Screen& screen) {
    if (active == nullptr) {
        return std::string("no window takes input");
    }
    return std::visit(
        [&](const auto& action) -> std::optional<std::string> {
            using T = std::decay_t<decltype(action)>;
            if constexpr (std::is_same_v<T, afx::host::KeyPress>) {
                return PressKey(action.key, active, screen);
            } else if constexpr (std::is_same_v<T, afx::host::AltLetter>) {
                const HWND target = KeyTarget(active, screen);
                const wchar_t letter = static_cast<wchar_t>(action.letter);
                ::PostMessageW(target, WM_SYSCHAR, letter, KeyData(::VkKeyScanW(letter) & 0xFF, false, true));
                return std::nullopt;
            } else if constexpr (std::is_same_v<T, afx::host::TypeText>) {
                const HWND target = KeyTarget(active, screen);
                for (wchar_t c : afx::win32::Widen(action.text)) {
                    ::PostMessageW(target, WM_CHAR, c, 1);
                }
                return std::nullopt;
            } else if constexpr (std::is_same_v<T, afx::host::ClickControl>) {
                return ClickOn(active, action.id);
            } else if constexpr (std::is_same_v<T, afx::host::ClickRow>) {
                return ClickOnRow(active, action.id, action.row);
            } else if constexpr (std::is_same_v<T, afx::host::PressControl>) {
                const HWND control = Screen::Control(active, action.id);
                if (auto refused = Reachable(active, control, action.id)) {
                    return refused;
                }
                if (!IsButton(control)) {
                    return "control " + std::to_string(action.id) + " is not a button";
                }
                ::PostMessageW(control, BM_CLICK, 0, 0);
                return std::nullopt;
            } else if constexpr (std::is_same_v<T, afx::host::ClickCloseBox>) {
                return ChooseSystemCommand(active, SC_CLOSE, false);
            } else if constexpr (std::is_same_v<T, afx::host::ChooseMenuItem>) {
                return ChooseSystemCommand(active, action.id, true);
            } else if constexpr (std::is_same_v<T, afx::host::MinimizeWindow>) {
                if (::IsIconic(active)) {
                    return std::string("the window is minimised already");
                }
                ::PostMessageW(active, WM_SYSCOMMAND, SC_MINIMIZE, 0);
                return std::nullopt;
            } else {
                if (!::IsIconic(active)) {
                    return std::string("the window is not minimised");
                }
                ::PostMessageW(active, WM_SYSCOMMAND, SC_RESTORE, 0);
                return std::nullopt;
            }
        },
        event);
}

}  // namespace robot
