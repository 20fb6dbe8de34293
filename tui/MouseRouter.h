#pragma once

#include "afx/host/Desktop.h"
#include "tui/Stroke.h"
#include "tui/ViewState.h"

#include <optional>

// Mouse clicks on the last frame, as a Windows user expects them: a click on a button,
// radio button or check box clicks it, on a combo box opens or closes its list, on a row
// of a list or an open combo list picks the row, on the close box closes the window, on
// "[-]" (or a right click on the title) opens the system menu. Only the active window
// takes clicks; a click beside an open list or menu only closes it. The wheel and the
// scroll bars scroll lists in the view without touching the model.
namespace tui {

struct MouseAction {
    std::optional<afx::host::InputEvent> event;
    bool repaint = false;  // the view scrolled
    bool refused = false;  // a click nothing takes: the terminal beeps
};

// (x, y) in cells of the canvas the view last painted.
MouseAction RouteMouse(const afx::host::Desktop& desktop, ViewState& view, MouseButton button, int x, int y);

}  // namespace tui
