#pragma once

#include "afx/host/DesktopObserver.h"
#include "afx/host/InputSource.h"
#include "tui/Canvas.h"
#include "tui/ViewState.h"

#include <optional>

namespace tui {

class Screen;

// The desktop in the terminal: the input source the modal loops wait on (it paints the
// screen, then blocks for the person's next key or click) and the observer that
// repaints a progress bar while the program works without reading input, so the
// install shows 10, 20 ... 100. Keys typed while the program worked are dropped, as
// the interface takes no input then.
class TerminalView : public afx::host::InputSource, public afx::host::DesktopObserver {
public:
    // The smallest terminal the wizard's pages fit in.
    static constexpr CellSize kMinimumSize{100, 32};

    explicit TerminalView(Screen& screen) : m_screen(screen) {}

    std::optional<afx::host::InputEvent> NextEvent(const afx::host::Desktop& desktop) override;
    void OnRefused(const afx::host::InputEvent& event, std::string_view reason) override;
    void OnDesktopChanged(const afx::host::Desktop& desktop, const afx::host::Change& change) override;

private:
    // False when the terminal is too small to show the desktop.
    bool Paint(const afx::host::Desktop& desktop);

    Screen& m_screen;
    ViewState m_view;
    std::optional<Canvas> m_canvas;
    bool m_workedUnseen = false;  // painted while the program did not read input
};

}  // namespace tui
