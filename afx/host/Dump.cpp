#include "afx/host/Dump.h"

#include "afx/CommonControls.h"
#include "afx/WinConstants.h"
#include "afx/host/Desktop.h"
#include "afx/host/WindowManager.h"

#include <cstdio>
#include <sstream>

namespace afx::host {
namespace {

std::string Hex(const void* handle) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%lx", static_cast<unsigned long>(HandleNumber(handle)));
    return text;
}

// Quotes a text, escaping what would break the line or the terminal.
std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted.push_back('\\');
            quoted.push_back(c);
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            quoted += escaped;
        } else {
            quoted.push_back(c);
        }
    }
    return quoted + "\"";
}

const char* KindName(const Control& control) {
    switch (control.kind) {
        case ControlKind::PushButton: return control.IsDefaultPushButton() ? "defbutton" : "button";
        case ControlKind::CheckBox: return "checkbox";
        case ControlKind::RadioButton: return "radio";
        case ControlKind::GroupBox: return "group";
        case ControlKind::Static: return "static";
        case ControlKind::Icon: return "icon";
        case ControlKind::Edit: return "edit";
        case ControlKind::ComboBox: return "combo";
        case ControlKind::ListView: return "list";
        case ControlKind::ProgressBar: return "progress";
        case ControlKind::Slider: return "slider";
    }
    return "control";
}

const char* IconName(MessageBoxIcon icon) {
    switch (icon) {
        case MessageBoxIcon::Error: return "error";
        case MessageBoxIcon::Question: return "question";
        case MessageBoxIcon::Exclamation: return "exclamation";
        case MessageBoxIcon::Information: return "information";
        case MessageBoxIcon::None: return "none";
    }
    return "none";
}

std::string Rect(const DuRect& rect) {
    return "at " + std::to_string(rect.x) + "," + std::to_string(rect.y) + " " + std::to_string(rect.cx) + "x" +
           std::to_string(rect.cy);
}

void ListDetails(std::ostringstream& out, const Control& control) {
    out << "\n      columns:";
    for (const ListColumn& column : control.columns) {
        out << ' ' << Quoted(column.text) << ' ' << column.width << "px";
    }
    if ((control.listExStyle & LVS_EX_GRIDLINES) != 0) out << " gridlines";
    if ((control.listExStyle & LVS_EX_FULLROWSELECT) != 0) out << " fullrowselect";
    if ((control.listExStyle & LVS_EX_TRACKSELECT) != 0) out << " trackselect";
    for (std::size_t row = 0; row < control.rows.size(); ++row) {
        out << "\n      row " << row << ':';
        for (const std::string& text : control.rows[row].texts) {
            out << ' ' << Quoted(text);
        }
        if ((control.rows[row].state & LVIS_SELECTED) != 0) out << " selected";
        if ((control.rows[row].state & LVIS_FOCUSED) != 0) out << " focused";
    }
}

}  // namespace

std::string DumpControl(const Control& control, bool focused) {
    std::ostringstream out;
    out << KindName(control) << ' ' << control.id;
    if (!control.text.empty()) out << ' ' << Quoted(control.text);
    out << ' ' << Rect(control.rect);
    if (!control.visible) out << " hidden";
    if (!control.enabled) out << " disabled";
    if (control.IsTabStop()) out << " tabstop";
    if (control.StartsGroup()) out << " group";
    if (control.IsReadOnly()) out << " readonly";
    if (control.kind == ControlKind::CheckBox || control.kind == ControlKind::RadioButton) {
        out << (control.check == BST_CHECKED ? " checked" : control.check == BST_UNCHECKED ? " unchecked" : " indeterminate");
    }
    if (control.kind == ControlKind::ComboBox) {
        out << ": " << control.items.size() << " items, selected " << control.selection;
        if (control.selection >= 0) out << ' ' << Quoted(control.items[static_cast<std::size_t>(control.selection)]);
        if (control.dropped) out << " dropped";
    }
    if (control.kind == ControlKind::ListView) {
        out << ": " << control.columns.size() << " columns, " << control.rows.size() << " rows, selected "
            << control.SelectedRow();
    }
    if (control.kind == ControlKind::ProgressBar) {
        out << ": " << control.position << " of " << control.rangeLow << ".." << control.rangeHigh;
    }
    if (control.icon != nullptr) out << " icon " << IconResourceId(control.icon);
    if (focused) out << " <focus>";
    if (control.kind == ControlKind::ComboBox) {
        for (std::size_t row = 0; row < control.items.size(); ++row) {
            out << "\n      item " << row << ": " << Quoted(control.items[row]);
        }
    }
    if (control.kind == ControlKind::ListView) ListDetails(out, control);
    return out.str();
}

std::string DumpWindow(const Window& window, bool active) {
    std::ostringstream out;
    out << "window " << Hex(window.handle);
    if (window.kind == WindowKind::MessageBox) {
        out << " message box";
    } else {
        out << " dialog " << window.templateId;
    }
    out << ' ' << Quoted(window.caption) << ' ' << Rect(window.rect);
    if (!window.visible) out << " hidden";
    if (!window.enabled) out << " disabled";
    if (window.iconic) out << " minimised";
    if (active) out << " <active>";
    out << " owner " << (window.owner != nullptr ? Hex(window.owner) : "none");
    if ((window.exStyle & WS_EX_APPWINDOW) != 0) out << " appwindow";
    if (window.messageBox) {
        out << "\n  message: " << IconName(window.messageBox->icon) << ' ' << Quoted(window.messageBox->text);
    }
    if (!window.systemMenu.empty()) {
        out << "\n  system menu" << (window.systemMenuOpen ? " (open)" : "") << ':';
        for (std::size_t index = 0; index < window.systemMenu.size(); ++index) {
            const MenuItem& item = window.systemMenu[index];
            out << (index == 0 ? " " : " | ");
            if (item.IsSeparator()) {
                out << "----";
                continue;
            }
            out << Quoted(item.text) << ' ' << item.id;
            if (!item.IsEnabled()) out << " grayed";
            if (window.systemMenuOpen && static_cast<int>(index) == window.menuHighlight) out << " <highlight>";
        }
    }
    if (window.bigIcon != nullptr || window.smallIcon != nullptr) {
        out << "\n  icons: big " << IconResourceId(window.bigIcon) << ", small " << IconResourceId(window.smallIcon);
    }
    for (const DrawnIcon& icon : window.drawnIcons) {
        out << "\n  drawn icon " << IconResourceId(icon.icon) << " at " << icon.x << ',' << icon.y;
    }
    for (std::size_t index = 0; index < window.controls.size(); ++index) {
        out << "\n  " << DumpControl(window.controls[index], static_cast<int>(index) == window.focus);
    }
    return out.str();
}

std::string DumpDesktop(const Desktop& desktop) {
    std::ostringstream out;
    const DuSize screen = desktop.ScreenSize();
    const std::vector<const Window*> stack = desktop.Stack();
    out << "screen " << screen.cx << 'x' << screen.cy << ", " << stack.size() << " windows\n";
    const Window* active = desktop.ActiveWindow();
    for (const Window* window : stack) {
        out << DumpWindow(*window, window == active) << '\n';
    }
    if (desktop.InputError()) {
        out << "input error: " << *desktop.InputError() << '\n';
    }
    return out.str();
}

}  // namespace afx::host
