#pragma once

#include "afx/host/Model.h"
#include "res/DialogTemplate.h"

#include <memory>
#include <vector>

class CWnd;

// Virtual windows from templates. Internal to afx/host.
namespace afx::host {

// A dialog window as template `dialog` describes it, hidden until its modal run shows
// it, centred over `owner` or the screen, bound to `object`. Combo boxes start empty:
// CDialog::OnInitDialog loads their rows.
std::unique_ptr<Window> BuildDialogWindow(const res::DialogTemplate& dialog, const Window* owner, DuSize screen,
                                          CWnd* object);

// A rectangle of `size` centred over the owner's (or the screen), kept on the screen.
DuRect CentredRect(DuSize size, const Window* owner, DuSize screen);

// A dialog's system menu before the program changes it: Restore (while minimised),
// Move (the host places windows itself, so grayed) and Close.
std::vector<MenuItem> DefaultSystemMenu(bool closeEnabled);

}  // namespace afx::host
