#pragma once

#include "afx/WinDefs.h"

namespace afx::host {

class Desktop;

enum class ChangeKind {
    WindowOpened,    // shown, after its initialisation
    WindowClosed,
    WindowChanged,   // caption, enabled, iconic, icons, painting, system menu
    ControlChanged,  // text, state, check, rows, selection, progress...
    FocusChanged,
    ActiveChanged,
    InputDelivered,  // an event was handled (after its effects)
    InputRefused,
};

struct Change {
    ChangeKind kind;
    HWND window = nullptr;
    HWND control = nullptr;  // for ControlChanged and FocusChanged
};

// Told after each change of the desktop, so that a view can repaint: also while the
// program runs without taking input (a progress bar moving during the install).
class DesktopObserver {
public:
    virtual ~DesktopObserver() = default;
    virtual void OnDesktopChanged(const Desktop& desktop, const Change& change) = 0;
};

}  // namespace afx::host
