#pragma once

#include "tui/Canvas.h"
#include "tui/Stroke.h"

// What the view needs of a terminal: its size, showing a frame, reading the person's
// strokes. The ncurses session is one; tests script another.
namespace tui {

class Screen {
public:
    virtual ~Screen() = default;

    virtual CellSize Size() const = 0;
    // Shows the canvas centred; mouse strokes come back in the canvas's cells.
    virtual void Show(const Canvas& canvas) = 0;
    // Says the terminal is smaller than `needed` and how to go on.
    virtual void ShowTooSmall(CellSize needed) = 0;
    // The next Show paints every cell again (Ctrl+L).
    virtual void Redraw() = 0;
    // Blocks for the next key, click or change of size; End when the terminal is gone.
    virtual Stroke Read() = 0;
    // Drops keys typed while the program could not take them.
    virtual void DiscardTypeahead() = 0;
    virtual void Beep() = 0;
};

}  // namespace tui
