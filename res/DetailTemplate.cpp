// Dialog 102, "Detail Setting": the module, the printer name, the default-printer box
// and a hidden group of port and serial-line settings.
#include "res/ResourceIds.h"
#include "res/Templates.h"

namespace res {
namespace {

using namespace style;

// Placeholder rows; the page replaces them with the decoded module names.
constexpr std::string_view kModuleItems[] = {
    "VORNEX R58", "VORNEX R58 Plus", "VORNEX R76", "VORNEX R80", "VORNEX R80 Plus", "VORNEX R80 Net",
};
// The install procedure maps these row numbers through its own tables: keep the order.
constexpr std::string_view kPortItems[] = {"LPT1", "LPT2", "LPT3", "COM1", "COM2", "COM3", "COM4"};
constexpr std::string_view kBaudItems[] = {"300",   "1200",  "2400",  "4800",  "9600",
                                           "19200", "38400", "57600", "115200"};
constexpr std::string_view kDataBitsItems[] = {"5", "6", "7", "8"};
constexpr std::string_view kFlowItems[] = {"None", "XonXoff", "Hardware"};
constexpr std::string_view kParityItems[] = {"Even", "Mark", "None", "Odd", "Space"};
constexpr std::string_view kStopBitsItems[] = {"1", "1.5", "2"};

constexpr ControlTemplate kControls[] = {
    DropDownList(IDC_MODULE, {77, 19, 145, 165}, kModuleItems),
    GroupBox(IDC_STATIC, "Printer Setting", {7, 48, 350, 54}),
    GroupBox(IDC_STATIC, "打印机端口设置", {7, 108, 350, 94}, kHidden),
    LText(IDC_STATIC, "Install Module", {20, 21, 56, 8}),
    AutoCheckBox(IDC_SET_DEFAULT, "Set Default Printer", {20, 59, 115, 10}),
    LText(IDC_STATIC, "Printer Name", {20, 79, 51, 8}),
    EditText(IDC_PRINTER_NAME, {77, 77, 144, 15}, With(kEsAutoHScroll | kEsReadOnly)),
    DropDownList(IDC_PORT, {58, 123, 65, 86}, kPortItems, kHidden),
    DropDownList(IDC_BAUD_RATE, {58, 149, 65, 112}, kBaudItems, kHidden),
    DropDownList(IDC_DATA_BITS, {58, 172, 65, 60}, kDataBitsItems, kHidden),
    DropDownList(IDC_FLOW_CONTROL, {286, 149, 65, 60}, kFlowItems, kHidden),
    DropDownList(IDC_PARITY, {171, 172, 65, 68}, kParityItems, kHidden),
    DropDownList(IDC_STOP_BITS, {171, 149, 65, 55}, kStopBitsItems, kHidden),
    LText(IDC_STATIC, "端口", {20, 127, 17, 8}, kHidden),
    LText(IDC_STATIC, "波特率", {20, 148, 25, 8}, kHidden),
    LText(IDC_STATIC, "字节长度", {20, 171, 33, 8}, kHidden),
    LText(IDC_STATIC, "停止位", {135, 151, 25, 8}, kHidden),
    LText(IDC_STATIC, "校验位", {135, 172, 25, 8}, kHidden),
    LText(IDC_STATIC, "流控制", {240, 153, 25, 8}, kHidden),
    PushButton(IDC_BACK, "< &Back", {161, 207, 55, 15}),
    PushButton(IDC_NEXT, "&Next >", {225, 207, 54, 15}),
    PushButton(IDC_EXIT, "&Exit", {290, 207, 57, 15}),
};

constexpr DialogTemplate kTemplate{
    IDD_DETAIL,       "Detail Setting", {0, 0, 364, 239}, kModalDialogFrame | kWsVisible,
    kWsExAppWindow,     kDialogFont,      kControls,
};

}  // namespace

const DialogTemplate& DetailTemplate() { return kTemplate; }

}  // namespace res
