#include "afx/host/ModalLoop.h"

#include "afx/WinConstants.h"

#include "afx/host/Controls.h"
#include "afx/host/InputSource.h"
#include "afx/host/Navigation.h"
#include "afx/host/UserActions.h"

#include <string>

namespace afx::host {
namespace {

std::string Waiting(const Window& window) {
    if (window.kind == WindowKind::MessageBox) {
        return "the message box \"" + (window.messageBox ? window.messageBox->text : std::string()) + "\"";
    }
    return "\"" + window.caption + "\" (dialog " + std::to_string(window.templateId) + ")";
}

void SetWindowEnabled(WindowManager& manager, Window& window, bool enabled) {
    if (window.enabled != enabled) {
        window.enabled = enabled;
        manager.Notify(ChangeKind::WindowChanged, window);
    }
}

// WM_INITDIALOG; TRUE puts the focus on the first visible, enabled tab stop.
void Initialise(WindowManager& manager, Window& window) {
    const int first = FirstTabStop(window);
    const HWND firstHandle = first >= 0 ? window.controls[static_cast<std::size_t>(first)].handle : nullptr;
    if (SendToWindow(manager, window, WM_INITDIALOG, ToWParam(firstHandle), 0) != 0 && first >= 0) {
        SetFocusTo(manager, window, first);
    }
}

}  // namespace

INT_PTR RunModalLoop(WindowManager& manager, Window& window) {
    Window* owner = manager.LookupWindow(window.owner);
    const bool ownerWasEnabled = owner != nullptr && owner->enabled;
    if (owner != nullptr) {
        SetWindowEnabled(manager, *owner, false);
    }
    if (window.kind == WindowKind::Dialog) {
        Initialise(manager, window);
    }
    if (!window.ended) {
        window.visible = true;
        manager.Notify(ChangeKind::WindowOpened, window);
        SendToWindow(manager, window, WM_PAINT, 0, 0);
    }
    while (!window.ended && !manager.Aborting()) {
        InputSource* input = manager.Input();
        std::optional<InputEvent> event;
        if (input != nullptr) {
            event = input->NextEvent(manager.GetDesktop());
        }
        if (!event) {
            manager.Abort("the input ended while " + Waiting(window) + " was waiting for it");
            break;
        }
        manager.GetDesktop().Deliver(*event);
    }
    INT_PTR result = window.result;
    if (!window.ended) {
        result = window.kind == WindowKind::Dialog ? IDCANCEL : 0;
    }
    if (owner != nullptr && ownerWasEnabled) {
        // The owner may be gone if a handler ended it meanwhile: look it up again.
        if (Window* stillThere = manager.LookupWindow(window.owner)) {
            SetWindowEnabled(manager, *stillThere, true);
        }
    }
    manager.Remove(window.handle);
    return result;
}

}  // namespace afx::host
