#pragma once

#include "res/DialogTemplate.h"

// The window class of each kind of control in a dialog template: what the resource
// script names and what a template built in memory names. No Windows header needed.
namespace afx::win32 {

constexpr const char* WindowClassName(res::ControlKind kind) {
    switch (kind) {
        case res::ControlKind::PushButton:
        case res::ControlKind::CheckBox:
        case res::ControlKind::RadioButton:
        case res::ControlKind::GroupBox:
            return "Button";
        case res::ControlKind::Static:
        case res::ControlKind::Icon:
            return "Static";
        case res::ControlKind::Edit:
            return "Edit";
        case res::ControlKind::ComboBox:
            return "ComboBox";
        case res::ControlKind::ListView:
            return "SysListView32";
        case res::ControlKind::ProgressBar:
            return "msctls_progress32";
        case res::ControlKind::Slider:
            return "msctls_trackbar32";
    }
    return "Static";
}

// GB2312_CHARSET: the templates' font is a Chinese one.
inline constexpr int kDialogFontCharset = 0x86;

}  // namespace afx::win32
