// Dialog 129, "Select OS": the detected Windows version as one checked radio button.
#include "res/ResourceIds.h"
#include "res/Templates.h"

namespace res {
namespace {

using namespace style;

// All nine radio buttons belong to the group the group box starts: no later control
// starts another one. None of them is a tab stop.
constexpr ControlTemplate kControls[] = {
    GroupBox(IDC_STATIC, "Select OS", {7, 19, 237, 77}, kStartsGroup),
    AutoRadioButton(IDC_OS_VISTA, "Windows Vista", {15, 62, 68, 10}, kNoTabStop),
    AutoRadioButton(IDC_OS_WIN95, "Windows 95", {13, 7, 54, 10}, kNoTabStop | kHidden),
    AutoRadioButton(IDC_OS_WIN98, "Windows 98", {85, 7, 54, 10}, kNoTabStop | kHidden),
    AutoRadioButton(IDC_OS_NT4, "Windows NT4.0", {155, 7, 65, 10}, kNoTabStop | kHidden),
    AutoRadioButton(IDC_OS_WIN2000, "Windows 2000", {15, 39, 62, 10}, kNoTabStop),
    AutoRadioButton(IDC_OS_WINXP, "Windows XP", {87, 37, 55, 10}, kNoTabStop),
    AutoRadioButton(IDC_OS_WIN2003, "Windows 2003", {157, 37, 64, 10}, kNoTabStop),
    Slider(IDC_OS_SLIDER, "Slider1", {7, 139, 237, 6}, kTbsHorz | kTbsNoTicks, kHidden),
    PushButton(IDC_BACK, "< &Back", {79, 157, 46, 14}, kHidden | kDisabled),
    PushButton(IDC_NEXT, "&Next >", {131, 157, 50, 14}),
    PushButton(IDC_EXIT, "&Exit", {188, 157, 49, 14}),
    AutoRadioButton(IDC_OS_WIN7, "Windows 7", {87, 62, 52, 10}, kNoTabStop),
    AutoRadioButton(IDC_OS_WIN2008, "Windows 2008", {157, 62, 64, 10}, kNoTabStop | kHidden),
};

constexpr DialogTemplate kTemplate{
    IDD_SELECT_OS, "Select OS", {0, 0, 251, 187}, kModalDialogFrame, 0, kDialogFont, kControls,
};

}  // namespace

const DialogTemplate& SelectOsTemplate() { return kTemplate; }

}  // namespace res
