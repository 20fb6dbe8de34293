#include "afx/host/Model.h"

#include "afx/CommonControls.h"
#include "afx/WinConstants.h"

namespace afx::host {

bool Control::IsDefaultPushButton() const {
    return kind == ControlKind::PushButton && (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

bool Control::IsTabStop() const { return (style & WS_TABSTOP) != 0; }

bool Control::StartsGroup() const { return (style & WS_GROUP) != 0; }

bool Control::IsReadOnly() const { return kind == ControlKind::Edit && (style & ES_READONLY) != 0; }

bool Control::ShowsMnemonic() const {
    switch (kind) {
        case ControlKind::PushButton:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
        case ControlKind::GroupBox:
            return true;
        case ControlKind::Static:
            return (style & SS_NOPREFIX) == 0;
        default:
            return false;
    }
}

bool Control::CanTakeFocus() const {
    if (!visible || !enabled) {
        return false;
    }
    switch (kind) {
        case ControlKind::Static:
        case ControlKind::GroupBox:
        case ControlKind::Icon:
        case ControlKind::ProgressBar:
            return false;
        default:
            return true;
    }
}

int Control::SelectedRow() const {
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if ((rows[row].state & LVIS_SELECTED) != 0) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

std::string Control::Caption() const {
    if (!ShowsMnemonic()) {
        return text;
    }
    std::string caption;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;  // "&&" shows one ampersand; "&N" shows N
        }
        caption.push_back(text[i]);
    }
    return caption;
}

bool MenuItem::IsSeparator() const { return (flags & MF_SEPARATOR) != 0; }

bool MenuItem::IsEnabled() const { return !IsSeparator() && (flags & (MF_GRAYED | MF_DISABLED)) == 0; }

const Control* Window::FindControl(int id) const {
    for (const Control& control : controls) {
        if (control.id == id) {
            return &control;
        }
    }
    return nullptr;
}

Control* Window::FindControl(int id) {
    return const_cast<Control*>(static_cast<const Window*>(this)->FindControl(id));
}

const Control* Window::FindControlByCaption(std::string_view wanted) const {
    for (const Control& control : controls) {
        if (control.Caption() == wanted) {
            return &control;
        }
    }
    return nullptr;
}

const Control* Window::FocusedControl() const {
    return focus >= 0 && focus < static_cast<int>(controls.size()) ? &controls[static_cast<std::size_t>(focus)]
                                                                    : nullptr;
}

bool Window::HasSystemMenu() const { return (style & WS_SYSMENU) != 0; }

char MnemonicOf(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') {
            continue;
        }
        const char next = caption[i + 1];
        if (next == '&') {
            ++i;
            continue;
        }
        if (next >= 'a' && next <= 'z') {
            return static_cast<char>(next - 'a' + 'A');
        }
        const auto byte = static_cast<unsigned char>(next);
        return byte < 0x80 ? next : '\0';
    }
    return '\0';
}

}  // namespace afx::host
