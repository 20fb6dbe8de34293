// Dialog 138, "Create Port": the spooler's port monitors and the button that adds a
// port through the chosen one.
#include "res/ResourceIds.h"
#include "res/Templates.h"

namespace res {
namespace {

using namespace style;

// Without LVS_SHOWSELALWAYS: the selection is not shown while the list lacks the focus.
constexpr ControlTemplate kControls[] = {
    ListView(IDC_MONITOR_LIST, {7, 14, 240, 80}, kLvsReport | kLvsSingleSel | kWsBorder | kWsTabStop),
    PushButton(IDC_NEW_PORT, "New Port...", {121, 108, 50, 14}),
    PushButton(IDC_CREATE_CLOSE, "Close", {179, 108, 53, 14}),
};

constexpr DialogTemplate kTemplate{
    IDD_CREATE_PORT, "Create Port", {0, 0, 254, 133}, kModalDialogFrame, 0, kDialogFont, kControls,
};

}  // namespace

const DialogTemplate& CreatePortTemplate() { return kTemplate; }

}  // namespace res
