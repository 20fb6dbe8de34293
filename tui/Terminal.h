#pragma once

#include "tui/Screen.h"

#include <array>
#include <memory>
#include <string>

// The ncurses session (wide-character ncurses, UTF-8): shows a canvas centred in the
// terminal, reads keys and mouse clicks, and gives the terminal back as it found it.
namespace tui {

class Terminal : public Screen {
public:
    // Takes the terminal on standard input and output. Null, with the reason in `error`,
    // when they are not a terminal, the locale cannot be UTF-8, or curses cannot drive
    // the terminal TERM names.
    static std::unique_ptr<Terminal> Open(std::string& error);
    ~Terminal();
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    CellSize Size() const override;
    // Copies the canvas to the screen, centred, the rest in the desktop's colour, and
    // puts the cursor where the canvas says.
    void Show(const Canvas& canvas) override;
    void ShowTooSmall(CellSize needed) override;
    void Redraw() override;
    Stroke Read() override;
    void DiscardTypeahead() override;
    void Beep() override;

    // Ends the session (also on exit() while it runs): the terminal as it was.
    void Close();

private:
    Terminal() = default;
    bool Start(std::string& error);

    void* m_screen = nullptr;  // SCREEN*
    bool m_open = false;
    bool m_colours = false;
    std::array<unsigned int, kRoleCount> m_attrs{};  // each role's attributes besides its colours
    CellPoint m_origin;
};

}  // namespace tui
