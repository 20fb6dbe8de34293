#pragma once

#include "afx/host/Model.h"
#include "tui/Canvas.h"
#include "tui/ViewState.h"

// What every control painter gets: where its window lies and whether that window takes
// input now. Internal to tui/.
namespace tui {

struct PaintContext {
    Canvas& canvas;
    ViewState& view;
    const afx::host::Window& window;
    CellRect client;
    CellSize screen;
    bool active = false;  // the window takes input: its focus shows

    void Hit(const CellRect& rect, HitTarget::Kind kind, int id = 0, int row = 0) const {
        HitTarget target;
        target.kind = kind;
        target.window = window.handle;
        target.id = id;
        target.row = row;
        view.AddRegion(rect, target);
    }
};

// The look of a control's text: dimmed when disabled.
inline Style TextStyle(const afx::host::Control& control, Role enabledRole = Role::Face) {
    return Style{control.enabled ? enabledRole : Role::Disabled};
}

// One painter per kind of control (ButtonPainters.cpp, TextPainters.cpp, ...).
void PaintPushButton(const PaintContext& context, const afx::host::Control& control, CellRect cells, bool focused);
void PaintCheckMark(const PaintContext& context, const afx::host::Control& control, CellRect cells, bool focused);
void PaintGroupBox(const PaintContext& context, const afx::host::Control& control, CellRect cells);
void PaintStatic(const PaintContext& context, const afx::host::Control& control, CellRect cells);
void PaintIcon(const PaintContext& context, const afx::host::Control& control, CellRect cells);
void PaintEdit(const PaintContext& context, const afx::host::Control& control, CellRect cells, bool focused);
void PaintComboFace(const PaintContext& context, const afx::host::Control& control, CellRect cells, bool focused);
void PaintComboList(const PaintContext& context, const afx::host::Control& control, CellRect face);
void PaintListView(const PaintContext& context, const afx::host::Control& control, CellRect cells, bool focused);
void PaintProgress(const PaintContext& context, const afx::host::Control& control, CellRect cells);
void PaintSlider(const PaintContext& context, const afx::host::Control& control, CellRect cells, bool focused);

// A vertical scroll bar in column `x` from row `top`, `height` rows, over `count` rows of
// which `visible` show from `first`; registers its arrows and track for the mouse.
void PaintScrollBar(const PaintContext& context, int id, int x, int top, int height, int first, int visible,
                    int count);

// The frame, caption row, close box and system menu of a window.
void PaintFrame(const PaintContext& context, const CellRect& frame);
void PaintSystemMenu(const PaintContext& context, const CellRect& frame);

}  // namespace tui
