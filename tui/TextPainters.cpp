#include "afx/WinConstants.h"
#include "tui/PaintContext.h"
#include "tui/StyleBits.h"
#include "tui/TextLayout.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tui {
namespace {

using afx::host::Control;
using afx::host::MessageBoxIcon;

constexpr unsigned kVornexIcon = 128;

// Icon 128, a receipt printer with its slip, in the cells an icon takes (5 x 3).
constexpr std::array<std::string_view, 3> kPrinterArt = {
    " ┌─┐ ",
    "┌┘ └┐",
    "└───┘",
};

void PaintPrinter(Canvas& canvas, const CellRect& cells) {
    const int left = cells.x + std::max(0, (cells.width - 5) / 2);
    const int top = cells.y + std::max(0, (cells.height - 3) / 2);
    for (std::size_t row = 0; row < kPrinterArt.size(); ++row) {
        const int y = top + static_cast<int>(row);
        if (y >= cells.Bottom()) break;
        // The art is our own: a glyph at a time, each one cell wide.
        std::string_view line = kPrinterArt[row];
        for (int column = 0; !line.empty() && column < cells.width; ++column) {
            const std::size_t length = static_cast<unsigned char>(line[0]) < 0x80 ? 1 : 3;
            canvas.Put(left + column, y, line.substr(0, length), Style{Role::Face});
            line.remove_prefix(length);
        }
    }
}

void PaintMessageIcon(Canvas& canvas, const CellRect& cells, MessageBoxIcon icon) {
    const char* glyphs = "   ";
    Role role = Role::IconInformation;
    switch (icon) {
        case MessageBoxIcon::Exclamation: glyphs = "/!\\", role = Role::IconExclamation; break;
        case MessageBoxIcon::Error: glyphs = "(X)", role = Role::IconError; break;
        case MessageBoxIcon::Information: glyphs = "(i)"; break;
        case MessageBoxIcon::Question: glyphs = "(?)"; break;
        case MessageBoxIcon::None: return;
    }
    const int x = cells.x + std::max(0, (cells.width - 3) / 2);
    const int y = cells.y + cells.height / 2;
    for (int i = 0; i < 3; ++i) canvas.Put(x + i, y, std::string_view(glyphs + i, 1), Style{role, kAttrBold});
}

Align AlignmentOf(const Control& control) {
    switch (control.style & style::kSsTypeMask) {
        case style::kSsCenter: return Align::Center;
        case style::kSsRight: return Align::Right;
        default: return Align::Left;
    }
}

}  // namespace

void PaintStatic(const PaintContext& context, const Control& control, CellRect cells) {
    if ((control.style & style::kSsTypeMask) == SS_ICON) {
        PaintIcon(context, control, cells);
        return;
    }
    const CaptionText caption = ParseCaption(control.text, control.ShowsMnemonic());
    const std::vector<TextLine> lines = WrapLines(caption.text, cells.width);
    const int shown = std::min(static_cast<int>(lines.size()), cells.height);
    for (int row = 0; row < shown; ++row) {
        DrawLine(context.canvas, cells.x, cells.y + row, cells.width, lines[static_cast<std::size_t>(row)],
                 TextStyle(control), AlignmentOf(control), caption.mnemonicAt);
    }
}

void PaintIcon(const PaintContext& context, const Control& control, CellRect cells) {
    if (context.window.messageBox && control.id == afx::host::kMessageIconId) {
        PaintMessageIcon(context.canvas, cells, context.window.messageBox->icon);
    } else if (control.icon != nullptr && afx::host::IconResourceId(control.icon) == kVornexIcon) {
        PaintPrinter(context.canvas, cells);
    }
}

void PaintEdit(const PaintContext& context, const Control& control, CellRect cells, bool focused) {
    Canvas& canvas = context.canvas;
    const bool editable = !control.IsReadOnly();
    const Style look = TextStyle(control, editable ? Role::Field : Role::Face);
    canvas.Fill(cells, look);
    int x = cells.x;
    int width = cells.width;
    if ((control.style & WS_BORDER) != 0 && width >= 3) {
        canvas.Put(cells.x, cells.y, "[", look);
        canvas.Put(cells.Right() - 1, cells.y, "]", look);
        ++x;
        width -= 2;
    }
    std::string shown = control.text;
    if ((control.style & style::kEsPassword) != 0) shown.assign(static_cast<std::size_t>(SafeWidth(control.text)), '*');
    TextLine line = OneLine(shown, 1 << 20);
    // Typing shows the end of a text too long for the field, the caret after it.
    const int room = focused && editable ? width - 1 : width;
    if (focused && editable) {
        while (line.width > room && !line.glyphs.empty()) {
            line.width -= line.glyphs.front().width;
            line.glyphs.erase(line.glyphs.begin());
        }
    }
    DrawLine(canvas, x, cells.y, std::max(room, 0), line, look, Align::Left);
    if (focused) canvas.SetCursor({editable ? x + std::min(line.width, std::max(room, 0)) : x, cells.y});
    context.Hit(cells, HitTarget::Kind::Control, control.id);
}

}  // namespace tui
