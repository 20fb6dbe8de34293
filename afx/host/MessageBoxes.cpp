#include "afx/host/MessageBoxes.h"

#include "afx/WinConstants.h"
#include "afx/host/DialogBuilder.h"
#include "afx/host/Text.h"

#include <algorithm>
#include <string>

namespace afx::host {
namespace {

// Layout in dialog units; a character cell is 4 across and 8 down.
constexpr int kMargin = 7;
constexpr int kIconSize = 20;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonGap = 6;
constexpr int kCellWidth = 4;
constexpr int kLineHeight = 8;
constexpr int kMinimumWidth = 120;

std::vector<int> ButtonsFor(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_OKCANCEL: return {IDOK, IDCANCEL};
        case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
        case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
        case MB_YESNO: return {IDYES, IDNO};
        case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
        default: return {IDOK};
    }
}

const char* ButtonText(int id) {
    switch (id) {
        case IDCANCEL: return "Cancel";
        case IDABORT: return "&Abort";
        case IDRETRY: return "&Retry";
        case IDIGNORE: return "&Ignore";
        case IDYES: return "&Yes";
        case IDNO: return "&No";
        default: return "OK";
    }
}

MessageBoxIcon IconFor(UINT type) {
    switch (type & MB_ICONMASK) {
        case MB_ICONHAND: return MessageBoxIcon::Error;
        case MB_ICONQUESTION: return MessageBoxIcon::Question;
        case MB_ICONEXCLAMATION: return MessageBoxIcon::Exclamation;
        case MB_ICONASTERISK: return MessageBoxIcon::Information;
        default: return MessageBoxIcon::None;
    }
}

// The close box and Esc answer only a box that has a Cancel button or just OK.
bool CanCancel(const std::vector<int>& buttons) {
    return std::find(buttons.begin(), buttons.end(), IDCANCEL) != buttons.end() ||
           (buttons.size() == 1 && buttons.front() == IDOK);
}

Control MakeControl(int id, ControlKind kind, std::string text, DuRect rect, DWORD style) {
    Control control;
    control.handle = NewWindowHandle();
    control.id = id;
    control.kind = kind;
    control.text = std::move(text);
    control.rect = rect;
    control.style = WS_CHILD | WS_VISIBLE | style;
    return control;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& line : lines) {
        if (!joined.empty()) joined.push_back('\n');
        joined.append(line);
    }
    return joined;
}

}  // namespace

std::vector<std::string> WrapText(std::string_view text, int maxCells) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        std::string_view paragraph = text.substr(start, end == std::string_view::npos ? end : end - start);
        do {
            // Take characters while they fit; break after the last space taken, if any.
            std::size_t taken = 0;
            std::size_t lastSpace = std::string_view::npos;
            int cells = 0;
            while (taken < paragraph.size()) {
                std::size_t length = 1;
                while (taken + length < paragraph.size() &&
                       (static_cast<unsigned char>(paragraph[taken + length]) & 0xC0) == 0x80) {
                    ++length;
                }
                const int width = DisplayWidth(paragraph.substr(taken, length));
                if (cells + width > maxCells && taken > 0) break;
                if (paragraph[taken] == ' ') lastSpace = taken;
                cells += width;
                taken += length;
            }
            if (taken < paragraph.size() && lastSpace != std::string_view::npos && lastSpace > 0) {
                lines.emplace_back(paragraph.substr(0, lastSpace));
                paragraph.remove_prefix(lastSpace + 1);
            } else {
                lines.emplace_back(paragraph.substr(0, taken));
                paragraph.remove_prefix(taken);
            }
        } while (!paragraph.empty());
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

std::unique_ptr<Window> BuildMessageBox(std::string_view text, std::string_view caption, UINT type,
                                        const Window* owner, DuSize screen) {
    auto window = std::make_unique<Window>();
    window->handle = NewWindowHandle();
    window->kind = WindowKind::MessageBox;
    window->caption.assign(caption);
    window->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    window->fontFace = "宋体";
    window->fontPoints = 9;
    window->owner = owner != nullptr ? owner->handle : nullptr;

    MessageBoxInfo info;
    info.text.assign(text);
    info.type = type;
    info.icon = IconFor(type);
    info.buttons = ButtonsFor(type);

    const int maxTextCells = std::max(20, (screen.cx - 2 * kMargin - kIconSize - 3 * kMargin) / kCellWidth);
    const std::vector<std::string> lines = WrapText(text, maxTextCells);
    int textCells = 0;
    for (const std::string& line : lines) textCells = std::max(textCells, DisplayWidth(line));

    const bool hasIcon = info.icon != MessageBoxIcon::None;
    const int textX = hasIcon ? kMargin + kIconSize + kMargin : kMargin;
    const int textWidth = textCells * kCellWidth;
    const int textHeight = static_cast<int>(lines.size()) * kLineHeight;
    const int bodyHeight = std::max(textHeight, hasIcon ? kIconSize : 0);
    const int buttonCount = static_cast<int>(info.buttons.size());
    const int buttonsWidth = buttonCount * kButtonWidth + (buttonCount - 1) * kButtonGap;
    const int captionWidth = (DisplayWidth(caption) + 6) * kCellWidth;
    const int width = std::max({textX + textWidth + kMargin, buttonsWidth + 2 * kMargin, captionWidth, kMinimumWidth});
    const int buttonsY = kMargin + bodyHeight + kMargin + 3;
    const int height = buttonsY + kButtonHeight + kMargin;

    if (hasIcon) {
        window->controls.push_back(
            MakeControl(kMessageIconId, ControlKind::Icon, {}, {kMargin, kMargin, kIconSize, kIconSize}, SS_ICON));
    }
    const int textY = kMargin + (bodyHeight - textHeight) / 2;
    window->controls.push_back(MakeControl(kMessageTextId, ControlKind::Static, Join(lines),
                                           {textX, textY, textWidth, textHeight}, SS_LEFT | SS_NOPREFIX));
    const UINT defaultIndex = (type & MB_DEFMASK) >> 8;
    int x = (width - buttonsWidth) / 2;
    for (int index = 0; index < buttonCount; ++index) {
        const int id = info.buttons[static_cast<std::size_t>(index)];
        DWORD style = WS_TABSTOP | (index == 0 ? WS_GROUP : 0);
        style |= static_cast<UINT>(index) == defaultIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        window->controls.push_back(
            MakeControl(id, ControlKind::PushButton, ButtonText(id), {x, buttonsY, kButtonWidth, kButtonHeight}, style));
        if (static_cast<UINT>(index) == defaultIndex) {
            window->focus = static_cast<int>(window->controls.size()) - 1;
        }
        x += kButtonWidth + kButtonGap;
    }
    if (window->focus < 0) {
        window->focus = static_cast<int>(window->controls.size()) - buttonCount;
    }
    window->rect = CentredRect(DuSize{width, height}, owner, screen);
    window->systemMenu = DefaultSystemMenu(CanCancel(info.buttons));
    window->messageBox = std::move(info);
    return window;
}

void MessageBoxCommand(Window& window, UINT id) {
    if (!window.messageBox || window.ended) {
        return;
    }
    const std::vector<int>& buttons = window.messageBox->buttons;
    const int command = static_cast<int>(id);
    if (std::find(buttons.begin(), buttons.end(), command) != buttons.end()) {
        window.ended = true;
        window.result = command;
    } else if (command == IDCANCEL && CanCancel(buttons)) {
        window.ended = true;
        window.result = buttons.size() == 1 ? IDOK : IDCANCEL;
    }
}

}  // namespace afx::host
