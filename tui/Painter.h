#pragma once

#include "afx/host/Desktop.h"
#include "tui/Canvas.h"
#include "tui/ViewState.h"

// Draws the host's desktop into a canvas the size of its screen (100 x 32 cells for the
// default desktop), from the model alone: every visible window bottom first, the active
// one with a double frame, the others with a single one, and on top of all the open
// combo lists and system menu. Records what lies where for the mouse and puts the
// cursor on the focused control.
namespace tui {

void PaintDesktop(const afx::host::Desktop& desktop, Canvas& canvas, ViewState& view);

// The canvas a desktop needs.
Canvas CanvasFor(const afx::host::Desktop& desktop);

}  // namespace tui
