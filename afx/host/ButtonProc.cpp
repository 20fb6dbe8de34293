#include "afx/host/ControlProcs.h"

#include "afx/WinConstants.h"
#include "afx/host/UserActions.h"

namespace afx::host {

LRESULT ButtonProc(WindowManager& manager, Window& window, Control& control, UINT message, WPARAM wParam) {
    const bool checkable = control.kind == ControlKind::CheckBox || control.kind == ControlKind::RadioButton;
    switch (message) {
        case BM_GETCHECK:
            return checkable ? control.check : BST_UNCHECKED;
        case BM_SETCHECK:
            // Only this button changes: the others of a radio group stay as they are.
            if (checkable && control.check != AsInt(wParam)) {
                control.check = AsInt(wParam);
                manager.Notify(ChangeKind::ControlChanged, window, &control);
            }
            return 0;
        case BM_GETSTATE: {
            const bool focused = window.FocusedControl() == &control;
            return (checkable ? control.check : 0) | (focused ? static_cast<int>(BST_FOCUS) : 0);
        }
        case BM_CLICK:
            if (control.visible && control.enabled) {
                ClickButton(manager, window, control);
            }
            return 0;
        default:
            return 0;
    }
}

}  // namespace afx::host
