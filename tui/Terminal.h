#pragma once

#include "tui/Canvas.h"
#include "tui/Stroke.h"

#include <memory>
#include <string>

// The ncurses session (wide-character ncurses, UTF-8): shows a canvas centred in the
// terminal, reads keys and mouse clicks, and gives the terminal back as it found it.
namespace tui {

class Terminal {
public:
    // Takes the terminal on standard input and output. Null, with the reason in `error`,
    // when they are not a terminal, the locale cannot be UTF-8, or curses cannot drive
    // the terminal TERM names.
    static std::unique_ptr<Terminal> Open(std::string& error);
    ~Terminal();
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    CellSize Size() const;

    // Copies the canvas to the screen, centred, the rest in the desktop's colour, and
    // puts the cursor where the canvas says.
    void Show(const Canvas& canvas);
    // Says the terminal is smaller than `needed` and how to go on.
    void ShowTooSmall(CellSize needed);
    // Ctrl+L: the next Show paints every cell again.
    void Redraw();

    // Blocks for the next key, click or change of size; End when the terminal is gone.
    Stroke Read();
    // Drops keys typed while the program could not take them.
    void DiscardTypeahead();
    void Beep();

    // Where Show put the canvas's top left cell (for mouse positions).
    CellPoint CanvasOrigin() const { return m_origin; }

    // Ends the session (also on exit() while it runs): the terminal as it was.
    void Close();

private:
    Terminal() = default;
    bool Start(std::string& error);

    void* m_screen = nullptr;  // SCREEN*
    bool m_open = false;
    bool m_colours = false;
    CellPoint m_origin;
};

}  // namespace tui
