// Dialog 139, "Select Port": the spooler's ports, the port buttons, the install
// progress bar.
#include "res/ResourceIds.h"
#include "res/Templates.h"

namespace res {
namespace {

using namespace style;

constexpr ControlTemplate kControls[] = {
    LText(IDC_STATIC, "Specify Port ", {7, 7, 195, 8}),
    ListView(IDC_PORT_LIST, {7, 47, 306, 93},
             kLvsReport | kLvsSingleSel | kLvsShowSelAlways | kWsBorder | kWsTabStop),
    PushButton(IDC_CREATE_PORT, "Create Port...", {159, 145, 66, 14}),
    PushButton(IDC_CONFIGURE_PORT, "Configure Port...", {235, 145, 72, 14}),
    PushButton(IDC_PORT_BACK, "< &Back", {142, 182, 50, 14}),
    PushButton(IDC_INSTALL, "&Install", {201, 182, 50, 14}),
    PushButton(IDC_PORT_CANCEL, "&Cancel", {260, 182, 50, 14}),
    ProgressBar(IDC_PROGRESS, {7, 164, 306, 11}, kWsBorder),
    LText(IDC_STATIC, "A port is used to connect a printer to the computer.", {21, 16, 260, 8}),
    LText(IDC_STATIC,
          "Specify the port that you are using.If you are connecting using TCP/IP or ",
          {21, 25, 292, 8}),
    LText(IDC_STATIC, "another port type not listed below,creat a new port.", {7, 34, 306, 8}),
};

constexpr DialogTemplate kTemplate{
    IDD_SELECT_PORT, "Select Port", {0, 0, 320, 210}, kModalDialogFrame, 0, kDialogFont, kControls,
};

}  // namespace

const DialogTemplate& SelectPortTemplate() { return kTemplate; }

}  // namespace res
