#include "afx/host/ControlProcs.h"

#include "afx/WinConstants.h"
#include "afx/host/Text.h"
#include "afx/host/UserActions.h"

namespace afx::host {

LRESULT ComboProc(WindowManager& manager, Window& window, Control& control, UINT message, WPARAM wParam,
                  LPARAM lParam) {
    const int count = static_cast<int>(control.items.size());
    auto changed = [&] { manager.Notify(ChangeKind::ControlChanged, window, &control); };
    switch (message) {
        case CB_ADDSTRING:
            control.items.push_back(TextFrom(lParam));
            changed();
            return count;
        case CB_INSERTSTRING: {
            const int index = AsInt(wParam) < 0 ? count : AsInt(wParam);
            if (index > count) {
                return CB_ERR;
            }
            control.items.insert(control.items.begin() + index, TextFrom(lParam));
            if (control.selection >= index) {
                ++control.selection;
            }
            changed();
            return index;
        }
        case CB_DELETESTRING: {
            const int index = AsInt(wParam);
            if (index < 0 || index >= count) {
                return CB_ERR;
            }
            control.items.erase(control.items.begin() + index);
            if (control.selection == index) {
                control.selection = -1;
            } else if (control.selection > index) {
                --control.selection;
            }
            changed();
            return count - 1;
        }
        case CB_RESETCONTENT:
            control.items.clear();
            control.selection = -1;
            control.dropped = false;
            control.highlight = -1;
            changed();
            return CB_OKAY;
        case CB_GETCOUNT:
            return count;
        case CB_GETCURSEL:
            return control.selection >= 0 ? control.selection : CB_ERR;
        case CB_SETCURSEL: {
            // The program's choice: no CBN_SELCHANGE. Out of range clears the selection.
            const int index = AsInt(wParam);
            const int selection = index >= 0 && index < count ? index : -1;
            if (control.selection != selection) {
                control.selection = selection;
                changed();
            }
            return selection >= 0 ? selection : CB_ERR;
        }
        case CB_GETLBTEXTLEN: {
            const int index = AsInt(wParam);
            return index >= 0 && index < count ? static_cast<LRESULT>(control.items[static_cast<std::size_t>(index)].size())
                                               : CB_ERR;
        }
        case CB_GETLBTEXT: {
            const int index = AsInt(wParam);
            if (index < 0 || index >= count) {
                return CB_ERR;
            }
            const std::string& text = control.items[static_cast<std::size_t>(index)];
            return CopyOut(text, FromLParam<char>(lParam), text.size() + 1);
        }
        case CB_FINDSTRINGEXACT: {
            const std::string wanted = TextFrom(lParam);
            const int start = AsInt(wParam);
            for (int step = 1; step <= count; ++step) {
                const int index = ((start < 0 ? -1 : start) + step) % count;
                if (EqualNoCase(control.items[static_cast<std::size_t>(index)], wanted)) {
                    return index;
                }
            }
            return CB_ERR;
        }
        case CB_SHOWDROPDOWN:
            SetDropped(manager, window, control, wParam != 0);
            return TRUE;
        case CB_GETDROPPEDSTATE:
            return control.dropped ? TRUE : FALSE;
        default:
            return 0;
    }
}

}  // namespace afx::host
