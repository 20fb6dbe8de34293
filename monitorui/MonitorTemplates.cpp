#include "monitorui/MonitorTemplates.h"

#include "monitorui/MonitorDialogIds.h"

namespace monitorui {
namespace {

using namespace res;
using namespace res::style;

constexpr int kIdCancel = 2;

// Labels that show a port's name print '&' as typed.
constexpr StyleEdit kPlainText = With(kSsNoPrefix);

constexpr ControlTemplate kPortNameControls[] = {
    LText(kNoId, "&Enter a port name:", {7, 7, 150, 8}),
    EditText(IDC_PORT_NAME_EDIT, {7, 19, 156, 14}, With(kEsAutoHScroll)),
    DefPushButton(kIdOk, "OK", {59, 40, 50, 14}),
    PushButton(kIdCancel, "Cancel", {113, 40, 50, 14}),
};

constexpr DialogTemplate kPortName{
    IDD_PORT_NAME, "Port Name", {0, 0, 170, 61}, kModalDialogFrame, 0, kDialogFont, kPortNameControls,
};

// The combos start empty: the monitor's choice lists fill them.
constexpr ControlTemplate kComControls[] = {
    LText(kNoId, "Port:", {7, 7, 60, 8}),
    LText(IDC_COM_PORT_LABEL, "", {72, 7, 116, 8}, kPlainText),
    LText(kNoId, "&Bits per second:", {7, 23, 64, 8}),
    DropDownList(IDC_COM_BITS_PER_SECOND, {72, 21, 80, 120}, {}),
    LText(kNoId, "&Data bits:", {7, 39, 64, 8}),
    DropDownList(IDC_COM_DATA_BITS, {72, 37, 80, 60}, {}),
    LText(kNoId, "&Parity:", {7, 55, 64, 8}),
    DropDownList(IDC_COM_PARITY, {72, 53, 80, 68}, {}),
    LText(kNoId, "&Stop bits:", {7, 71, 64, 8}),
    DropDownList(IDC_COM_STOP_BITS, {72, 69, 80, 52}, {}),
    LText(kNoId, "&Flow control:", {7, 87, 64, 8}),
    DropDownList(IDC_COM_FLOW_CONTROL, {72, 85, 80, 52}, {}),
    DefPushButton(kIdOk, "OK", {84, 106, 50, 14}),
    PushButton(kIdCancel, "Cancel", {138, 106, 50, 14}),
};

constexpr DialogTemplate kComSettings{
    IDD_COM_SETTINGS, "Port Settings", {0, 0, 195, 127}, kModalDialogFrame, 0, kDialogFont, kComControls,
};

constexpr ControlTemplate kLptControls[] = {
    LText(kNoId, "Port:", {7, 7, 40, 8}),
    LText(IDC_LPT_PORT_LABEL, "", {52, 7, 132, 8}, kPlainText),
    GroupBox(kNoId, "Timeouts", {7, 20, 177, 32}),
    LText(kNoId, "&Transmission Retry:", {14, 34, 80, 8}),
    EditText(IDC_LPT_TIMEOUT_EDIT, {96, 32, 40, 14}, With(kEsAutoHScroll)),
    LText(kNoId, "seconds", {140, 34, 40, 8}),
    DefPushButton(kIdOk, "OK", {80, 60, 50, 14}),
    PushButton(kIdCancel, "Cancel", {134, 60, 50, 14}),
};

constexpr DialogTemplate kLptTimeout{
    IDD_LPT_TIMEOUT, "Configure LPT Port", {0, 0, 191, 81}, kModalDialogFrame, 0, kDialogFont, kLptControls,
};

}  // namespace

const DialogTemplate& PortNameTemplate() { return kPortName; }
const DialogTemplate& ComSettingsTemplate() { return kComSettings; }
const DialogTemplate& LptTimeoutTemplate() { return kLptTimeout; }

}  // namespace monitorui
