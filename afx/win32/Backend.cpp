// The framework's window-system calls over real windows.
#include "afx/win32/WinApi.h"

#include "afx/Backend.h"

#include "afx/CDialog.h"
#include "afx/win32/DialogRuntime.h"
#include "afx/win32/Help.h"
#include "afx/win32/TemplateInMemory.h"
#include "afx/win32/TextMessages.h"
#include "afx/win32/WideText.h"

#include <unordered_map>
#include <vector>

namespace afx::backend {
namespace {

// Paint cycles in progress: BeginPaint's record is needed again by EndPaint.
std::unordered_map<HWND, PAINTSTRUCT>& PaintCycles() {
    static std::unordered_map<HWND, PAINTSTRUCT> cycles;
    return cycles;
}

}  // namespace

bool IsWindowHandle(HWND hWnd) { return hWnd != nullptr && ::IsWindow(hWnd); }

CWnd* BoundObject(HWND hWnd) { return win32::DialogOf(hWnd); }

LRESULT SendTo(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsWindowHandle(hWnd)) {
        return 0;
    }
    return win32::SendConverted(hWnd, message, wParam, lParam);
}

LRESULT DefaultProcessing(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return IsWindowHandle(hWnd) ? win32::DialogDefault(hWnd, message, wParam, lParam) : 0;
}

HWND DialogItem(HWND dialog, int id) { return IsWindowHandle(dialog) ? ::GetDlgItem(dialog, id) : nullptr; }

int ControlId(HWND hWnd) { return IsWindowHandle(hWnd) ? ::GetDlgCtrlID(hWnd) : 0; }

void SetTextOf(HWND hWnd, std::string_view text) {
    if (IsWindowHandle(hWnd)) {
        ::SetWindowTextW(hWnd, win32::Widen(text).c_str());
    }
}

std::string TextOf(HWND hWnd) {
    if (!IsWindowHandle(hWnd)) {
        return {};
    }
    const int length = ::GetWindowTextLengthW(hWnd);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    const int copied = ::GetWindowTextW(hWnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return win32::Narrow(text);
}

bool Enable(HWND hWnd, bool enable) {
    return IsWindowHandle(hWnd) && ::EnableWindow(hWnd, enable ? TRUE : FALSE) != FALSE;
}

bool IsEnabled(HWND hWnd) { return IsWindowHandle(hWnd) && ::IsWindowEnabled(hWnd) != FALSE; }

bool Show(HWND hWnd, int cmdShow) { return IsWindowHandle(hWnd) && ::ShowWindow(hWnd, cmdShow) != FALSE; }

bool IsVisible(HWND hWnd) { return IsWindowHandle(hWnd) && ::IsWindowVisible(hWnd) != FALSE; }

bool IsIconic(HWND hWnd) { return IsWindowHandle(hWnd) && ::IsIconic(hWnd) != FALSE; }

DWORD Style(HWND hWnd) {
    return IsWindowHandle(hWnd) ? static_cast<DWORD>(::GetWindowLongW(hWnd, GWL_STYLE)) : 0;
}

DWORD ExStyle(HWND hWnd) {
    return IsWindowHandle(hWnd) ? static_cast<DWORD>(::GetWindowLongW(hWnd, GWL_EXSTYLE)) : 0;
}

CRect ClientRect(HWND hWnd) {
    RECT rect{};
    if (IsWindowHandle(hWnd)) {
        ::GetClientRect(hWnd, &rect);
    }
    return CRect{rect.left, rect.top, rect.right, rect.bottom};
}

HWND SetFocus(HWND hWnd) { return IsWindowHandle(hWnd) ? ::SetFocus(hWnd) : ::GetFocus(); }

HWND Focus() { return ::GetFocus(); }

HWND ActiveWindow() { return ::GetActiveWindow(); }

HMENU SystemMenu(HWND hWnd, bool revert) {
    return IsWindowHandle(hWnd) ? ::GetSystemMenu(hWnd, revert ? TRUE : FALSE) : nullptr;
}

bool AppendMenuItem(HMENU menu, UINT flags, UINT_PTR id, std::string_view text) {
    if (menu == nullptr || !::IsMenu(menu)) {
        return false;
    }
    if ((flags & MF_SEPARATOR) != 0) {
        return ::AppendMenuW(menu, flags, id, nullptr) != FALSE;
    }
    return ::AppendMenuW(menu, flags, id, win32::Widen(text).c_str()) != FALSE;
}

INT_PTR RunModalDialog(CDialog& dialog, UINT templateId, HWND owner) {
    return win32::RunDialog(dialog, templateId, IsWindowHandle(owner) ? owner : nullptr);
}

INT_PTR RunModalDialogIndirect(CDialog& dialog, const res::DialogTemplate& dialogTemplate, HWND owner) {
    const win32::TemplateInMemory built(dialogTemplate);
    return win32::RunDialogIndirect(dialog, built.Get(), IsWindowHandle(owner) ? owner : nullptr);
}

bool EndModalDialog(HWND hWnd, INT_PTR result) {
    return win32::DialogOf(hWnd) != nullptr && ::EndDialog(hWnd, result) != FALSE;
}

int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type) {
    return ::MessageBoxW(IsWindowHandle(owner) ? owner : nullptr, win32::Widen(text).c_str(),
                         win32::Widen(caption).c_str(), type);
}

HICON LoadIconResource(UINT id) { return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)); }

int SystemMetric(int index) { return ::GetSystemMetrics(index); }

HDC BeginPaint(HWND hWnd) {
    if (!IsWindowHandle(hWnd)) {
        return nullptr;
    }
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(hWnd, &paint);
    if (dc != nullptr) {
        PaintCycles()[hWnd] = paint;
    }
    return dc;
}

void EndPaint(HWND hWnd, HDC dc) {
    const auto found = PaintCycles().find(hWnd);
    if (found == PaintCycles().end() || found->second.hdc != dc) {
        return;
    }
    ::EndPaint(hWnd, &found->second);
    PaintCycles().erase(found);
}

bool DrawIconAt(HDC dc, int x, int y, HICON icon) {
    return dc != nullptr && icon != nullptr && ::DrawIcon(dc, x, y, icon) != FALSE;
}

void ShowHelp(std::string_view helpFilePath, DWORD context) { win32::ShowHelpTopic(helpFilePath, context); }

std::string ProgramPath() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            return win32::Narrow(std::wstring_view(path.data(), length));
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace afx::backend
