#include "tui/TerminalView.h"

#include "afx/host/Desktop.h"
#include "tui/KeyMap.h"
#include "tui/MouseRouter.h"
#include "tui/Painter.h"
#include "tui/Screen.h"

namespace tui {
namespace {

KeyContext ContextOf(const afx::host::Desktop& desktop) {
    const afx::host::Control* focused = desktop.FocusedControl();
    KeyContext context;
    context.focusTakesText =
        focused != nullptr && focused->kind == afx::host::ControlKind::Edit && !focused->IsReadOnly();
    return context;
}

}  // namespace

bool TerminalView::Paint(const afx::host::Desktop& desktop) {
    const CellSize size = m_screen.Size();
    if (size.width < kMinimumSize.width || size.height < kMinimumSize.height) {
        m_screen.ShowTooSmall(kMinimumSize);
        return false;
    }
    const CellSize screen = ScreenCells(desktop.ScreenSize());
    if (!m_canvas || m_canvas->Size().width != screen.width || m_canvas->Size().height != screen.height) {
        m_canvas.emplace(CanvasFor(desktop));
    }
    PaintDesktop(desktop, *m_canvas, m_view);
    m_screen.Show(*m_canvas);
    return true;
}

std::optional<afx::host::InputEvent> TerminalView::NextEvent(const afx::host::Desktop& desktop) {
    if (m_workedUnseen) {
        m_screen.DiscardTypeahead();
        m_workedUnseen = false;
    }
    for (;;) {
        const bool shown = Paint(desktop);
        const Stroke stroke = m_screen.Read();
        switch (stroke.kind) {
            case Stroke::Kind::End: return std::nullopt;
            case Stroke::Kind::Resize: continue;  // painted again, or the notice
            case Stroke::Kind::Mouse: {
                if (!shown) continue;
                const MouseAction action = RouteMouse(desktop, m_view, stroke.button, stroke.x, stroke.y);
                if (action.event) return action.event;
                if (action.refused) m_screen.Beep();
                continue;
            }
            case Stroke::Kind::Char:
            case Stroke::Kind::Key: {
                if (!shown) continue;  // keys wait for a terminal the wizard fits in
                const KeyAction action = TranslateKey(stroke, ContextOf(desktop));
                if (action.event) return action.event;
                if (action.redraw) {
                    m_screen.Redraw();
                } else {
                    m_screen.Beep();
                }
                continue;
            }
        }
    }
}

void TerminalView::OnRefused(const afx::host::InputEvent& event, std::string_view reason) {
    (void)event;
    (void)reason;
    m_screen.Beep();
}

void TerminalView::OnDesktopChanged(const afx::host::Desktop& desktop, const afx::host::Change& change) {
    if (change.kind != afx::host::ChangeKind::ControlChanged) return;
    const afx::host::Control* control = desktop.FindControl(change.control);
    const afx::host::Window* window = desktop.Find(change.window);
    if (control != nullptr && control->kind == afx::host::ControlKind::ProgressBar && control->visible &&
        window != nullptr && window->visible) {
        Paint(desktop);
        m_workedUnseen = true;
    }
}

}  // namespace tui
