// Dialog 100, the About box: icon 128, the version, and the only default push button
// of all the templates.
#include "res/ResourceIds.h"
#include "res/Templates.h"

namespace res {
namespace {

using namespace style;

// The version text is shown as typed: an ampersand in it would not mark a mnemonic.
constexpr ControlTemplate kControls[] = {
    IconControl(IDI_VORNEX, IDC_STATIC, {11, 17, 20, 20}),
    LText(IDC_STATIC, "VORNEX 4.1 版", {40, 10, 119, 8}, With(kSsNoPrefix)),
    DefPushButton(kIdOk, "确定", {178, 7, 50, 14}),
};

constexpr DialogTemplate kTemplate{
    IDD_ABOUTBOX, "关于 VORNEX", {0, 0, 235, 55}, kModalDialogFrame, 0, kDialogFont, kControls,
};

}  // namespace

const DialogTemplate& AboutBoxTemplate() { return kTemplate; }

}  // namespace res
