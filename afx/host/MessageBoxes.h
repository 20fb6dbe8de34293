#pragma once

#include "afx/host/Model.h"
#include "afx/host/WindowManager.h"

#include <memory>
#include <string_view>

// The host's message boxes: a window of their own kind with the text, the icon and the
// buttons laid out as controls, so the keyboard and the view treat them like any dialog.
// Internal to afx/host.
namespace afx::host {

// A message box window, centred over `owner` (or the screen), its default button focused.
std::unique_ptr<Window> BuildMessageBox(std::string_view text, std::string_view caption, UINT type,
                                        const Window* owner, DuSize screen);

// A button's command (or IDCANCEL from Esc and the close box) ends the box: with that
// button, or with IDOK for a box whose only button is OK.
void MessageBoxCommand(Window& window, UINT id);

// Splits `text` into lines of at most `maxCells` terminal cells, at spaces where it can.
std::vector<std::string> WrapText(std::string_view text, int maxCells);

}  // namespace afx::host
