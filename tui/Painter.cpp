#include "tui/Painter.h"

#include "tui/Geometry.h"
#include "tui/PaintContext.h"

namespace tui {
namespace {

using afx::host::Control;
using afx::host::ControlKind;
using afx::host::Window;

constexpr int kMinimisedWidth = 24;

void PaintControl(const PaintContext& context, const Control& control, bool focused) {
    const CellRect cells = PlaceControl(control, context.client);
    switch (control.kind) {
        case ControlKind::PushButton: PaintPushButton(context, control, cells, focused); break;
        case ControlKind::CheckBox:
        case ControlKind::RadioButton: PaintCheckMark(context, control, cells, focused); break;
        case ControlKind::GroupBox: PaintGroupBox(context, control, cells); break;
        case ControlKind::Static: PaintStatic(context, control, cells); break;
        case ControlKind::Icon: PaintIcon(context, control, cells); break;
        case ControlKind::Edit: PaintEdit(context, control, cells, focused); break;
        case ControlKind::ComboBox: PaintComboFace(context, control, cells, focused); break;
        case ControlKind::ListView: PaintListView(context, control, cells, focused); break;
        case ControlKind::ProgressBar: PaintProgress(context, control, cells); break;
        case ControlKind::Slider: PaintSlider(context, control, cells, focused); break;
    }
}

void PaintWindow(Canvas& canvas, ViewState& view, const Window& window, CellSize screen, bool active) {
    const WindowPlacement placement = PlaceWindow(window, screen);
    const PaintContext context{canvas, view, window, placement.client, screen, active};
    canvas.ResetClip();
    context.Hit(placement.frame, HitTarget::Kind::Window);
    PaintFrame(context, placement.frame);

    canvas.SetClip(placement.client);
    for (std::size_t index = 0; index < window.controls.size(); ++index) {
        const Control& control = window.controls[index];
        if (control.visible) PaintControl(context, control, active && static_cast<int>(index) == window.focus);
    }
    // Open lists and the menu lie over everything else, and may leave the window.
    canvas.ResetClip();
    for (const Control& control : window.controls) {
        if (control.visible && control.kind == ControlKind::ComboBox && control.dropped) {
            PaintComboList(context, control, PlaceControl(control, placement.client));
        }
    }
    if (window.systemMenuOpen) PaintSystemMenu(context, placement.frame);
}

// A minimised window shows as a bar along the bottom of the screen.
void PaintMinimised(Canvas& canvas, ViewState& view, const Window& window, int slot, bool active) {
    const CellSize screen = canvas.Size();
    const CellRect bar{slot * kMinimisedWidth, screen.height - 1, kMinimisedWidth - 1, 1};
    canvas.ResetClip();
    const Style style{active ? Role::CaptionActive : Role::CaptionInactive};
    canvas.Fill(bar, style);
    canvas.Put(bar.x, bar.y, "[", style);
    canvas.Write(bar.x + 1, bar.y, window.caption, style, bar.width - 2);
    canvas.Put(bar.Right() - 1, bar.y, "]", style);
    HitTarget target;
    target.kind = HitTarget::Kind::Minimised;
    target.window = window.handle;
    view.AddRegion(bar, target);
}

}  // namespace

Canvas CanvasFor(const afx::host::Desktop& desktop) {
    return Canvas(ScreenCells(desktop.ScreenSize()), Style{Role::Desktop});
}

void PaintDesktop(const afx::host::Desktop& desktop, Canvas& canvas, ViewState& view) {
    view.ClearRegions();
    canvas.ResetClip();
    canvas.ClearCursor();
    const CellSize screen = canvas.Size();
    canvas.Fill({0, 0, screen.width, screen.height}, Style{Role::Desktop});
    const Window* activeWindow = desktop.ActiveWindow();
    int minimised = 0;
    for (const Window* window : desktop.Stack()) {
        if (!window->visible) continue;
        const bool active = window == activeWindow;
        if (window->iconic) {
            PaintMinimised(canvas, view, *window, minimised++, active);
        } else {
            PaintWindow(canvas, view, *window, screen, active);
        }
    }
}

}  // namespace tui
