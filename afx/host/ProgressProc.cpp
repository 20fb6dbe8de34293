#include "afx/host/ControlProcs.h"

#include "afx/CommonControls.h"

#include <algorithm>

namespace afx::host {
namespace {

LRESULT PackRange(const Control& control) {
    return MakeLParam(static_cast<unsigned>(control.rangeLow), static_cast<unsigned>(control.rangeHigh));
}

}  // namespace

LRESULT ProgressProc(WindowManager& manager, Window& window, Control& control, UINT message, WPARAM wParam,
                     LPARAM lParam) {
    auto clampPosition = [&control](int position) {
        const int low = std::min(control.rangeLow, control.rangeHigh);
        const int high = std::max(control.rangeLow, control.rangeHigh);
        return std::clamp(position, low, high);
    };
    auto moveTo = [&](int position) -> LRESULT {
        const int previous = control.position;
        control.position = clampPosition(position);
        // Every report repaints, so a view shows each step even without input.
        manager.Notify(ChangeKind::ControlChanged, window, &control);
        return previous;
    };
    switch (message) {
        case PBM_SETRANGE:
        case PBM_SETRANGE32: {
            const LRESULT previous = PackRange(control);
            if (message == PBM_SETRANGE) {
                control.rangeLow = LoWord(static_cast<std::uintmax_t>(lParam));
                control.rangeHigh = HiWord(static_cast<std::uintmax_t>(lParam));
            } else {
                control.rangeLow = AsInt(wParam);
                control.rangeHigh = AsInt(lParam);
            }
            control.position = clampPosition(control.position);
            manager.Notify(ChangeKind::ControlChanged, window, &control);
            return previous;
        }
        case PBM_GETRANGE:
            return wParam != 0 ? control.rangeLow : control.rangeHigh;
        case PBM_SETPOS:
            return moveTo(AsInt(wParam));
        case PBM_DELTAPOS:
            return moveTo(control.position + AsInt(wParam));
        case PBM_GETPOS:
            return control.position;
        default:
            return 0;
    }
}

}  // namespace afx::host
