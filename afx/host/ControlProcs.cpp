#include "afx/host/Controls.h"

#include "afx/WinConstants.h"
#include "afx/host/ControlProcs.h"
#include "afx/host/Text.h"

#include <algorithm>
#include <cstring>

namespace afx::host {
namespace {

LRESULT EditProc(WindowManager& manager, Window& window, Control& control, UINT message, WPARAM wParam) {
    if (message == EM_SETREADONLY) {
        control.style = wParam != 0 ? (control.style | ES_READONLY) : (control.style & ~ES_READONLY);
        manager.Notify(ChangeKind::ControlChanged, window, &control);
        return TRUE;
    }
    return 0;
}

}  // namespace

std::string TextFrom(LPARAM lParam) {
    const char* text = FromLParam<const char>(lParam);
    return text != nullptr ? std::string(text) : std::string();
}

LRESULT CopyOut(std::string_view text, char* buffer, std::size_t size) {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    const std::size_t count = std::min(text.size(), size - 1);
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<LRESULT>(count);
}

int AsInt(WPARAM value) { return static_cast<int>(static_cast<LONG_PTR>(value)); }
int AsInt(LPARAM value) { return static_cast<int>(value); }

std::string ControlText(const Control& control) {
    if (control.kind == ControlKind::ComboBox) {
        return control.selection >= 0 ? control.items[static_cast<std::size_t>(control.selection)] : std::string();
    }
    return control.text;
}

void SetControlText(WindowManager& manager, Window& window, Control& control, std::string_view text) {
    if (control.kind == ControlKind::ComboBox) {
        // A drop-down list shows only its rows: the text selects the row that has it.
        const auto found = std::find_if(control.items.begin(), control.items.end(),
                                        [text](const std::string& item) { return EqualNoCase(item, text); });
        control.selection = found == control.items.end() ? -1 : static_cast<int>(found - control.items.begin());
    } else {
        control.text.assign(text);
    }
    manager.Notify(ChangeKind::ControlChanged, window, &control);
}

LRESULT ControlProc(WindowManager& manager, Window& window, Control& control, UINT message, WPARAM wParam,
                    LPARAM lParam) {
    switch (message) {
        case WM_SETTEXT:
            SetControlText(manager, window, control, TextFrom(lParam));
            return TRUE;
        case WM_GETTEXT:
            return CopyOut(ControlText(control), FromLParam<char>(lParam), static_cast<std::size_t>(wParam));
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(ControlText(control).size());
        default:
            break;
    }
    switch (control.kind) {
        case ControlKind::PushButton:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
        case ControlKind::GroupBox:
            return ButtonProc(manager, window, control, message, wParam);
        case ControlKind::ComboBox:
            return ComboProc(manager, window, control, message, wParam, lParam);
        case ControlKind::ListView:
            return ListViewProc(manager, window, control, message, wParam, lParam);
        case ControlKind::ProgressBar:
            return ProgressProc(manager, window, control, message, wParam, lParam);
        case ControlKind::Edit:
            return EditProc(manager, window, control, message, wParam);
        default:
            return 0;
    }
}

CRect ClientRectOf(const DuRect& rect) {
    auto scale = [](int units, int base, int per) { return static_cast<LONG>((units * base + per / 2) / per); };
    return CRect{0, 0, scale(rect.cx, 6, 4), scale(rect.cy, 12, 8)};
}


}  // namespace afx::host
