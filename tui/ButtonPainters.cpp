#include "afx/WinConstants.h"
#include "tui/PaintContext.h"
#include "tui/TextLayout.h"

#include <algorithm>

namespace tui {

using afx::host::Control;
using afx::host::ControlKind;

void PaintPushButton(const PaintContext& context, const Control& control, CellRect cells, bool focused) {
    Canvas& canvas = context.canvas;
    const bool isDefault = control.IsDefaultPushButton();
    const CaptionText caption = ParseCaption(control.text, control.ShowsMnemonic());
    // The brackets take cells that Windows' thin button edge does not: a caption that
    // filled its button there may widen it by two cells here, inside the window.
    const int wanted = SafeWidth(caption.text) + 2;
    if (wanted > cells.width) {
        cells.width = std::min({wanted, cells.width + 2, context.client.Right() - cells.x});
    }
    Style style = TextStyle(control, focused ? Role::ButtonFocus : Role::Button);
    if (isDefault) style = style.With(kAttrBold);
    canvas.Fill(cells, style);
    // "[ Next > ]"; the default button "[[ OK ]]", as its thicker frame on Windows.
    const int edge = isDefault && cells.width >= 6 ? 2 : 1;
    if (cells.width >= 2 * edge + 1) {
        for (int i = 0; i < edge; ++i) {
            canvas.Put(cells.x + i, cells.y, "[", style);
            canvas.Put(cells.Right() - 1 - i, cells.y, "]", style);
        }
    }
    const int inner = cells.width - 2 * edge;
    const int first = DrawCaption(canvas, cells.x + edge, cells.y, std::max(inner, 0), caption, style, Align::Center);
    if (focused) canvas.SetCursor({first, cells.y});
    context.Hit(cells, HitTarget::Kind::Control, control.id);
}

void PaintCheckMark(const PaintContext& context, const Control& control, CellRect cells, bool focused) {
    Canvas& canvas = context.canvas;
    const Style style = TextStyle(control);
    const bool radio = control.kind == ControlKind::RadioButton;
    const char* mark = control.check == BST_CHECKED ? (radio ? "*" : "x") : control.check == BST_INDETERMINATE ? "-" : " ";
    canvas.Put(cells.x, cells.y, radio ? "(" : "[", style);
    canvas.Put(cells.x + 1, cells.y, mark, style);
    canvas.Put(cells.x + 2, cells.y, radio ? ")" : "]", style);
    // The mark takes more cells than the box it stands for: the label may run two cells
    // past the control's width before it is cut.
    const int labelX = cells.x + 4;
    const int room = std::max(0, cells.Right() + 2 - labelX);
    const CaptionText caption = ParseCaption(control.text, control.ShowsMnemonic());
    const TextLine line = OneLine(caption.text, room);
    DrawLine(canvas, labelX, cells.y, room, line, focused ? Style{Role::ButtonFocus} : style, Align::Left,
             caption.mnemonicAt);
    if (focused) canvas.SetCursor({cells.x + 1, cells.y});
    context.Hit({cells.x, cells.y, 4 + line.width, 1}, HitTarget::Kind::Control, control.id);
}

void PaintGroupBox(const PaintContext& context, const Control& control, CellRect cells) {
    Canvas& canvas = context.canvas;
    const Style style = TextStyle(control);
    canvas.Box(cells, Line::Single, style);
    const int room = cells.width - 4;
    if (room <= 0 || control.text.empty()) return;
    const CaptionText caption = ParseCaption(control.text, control.ShowsMnemonic());
    const TextLine line = OneLine(caption.text, room);
    canvas.Put(cells.x + 1, cells.y, " ", style);
    DrawLine(canvas, cells.x + 2, cells.y, room, line, style, Align::Left, caption.mnemonicAt);
    canvas.Put(cells.x + 2 + line.width, cells.y, " ", style);
}

}  // namespace tui
