// The templates as data: what the pages and the install procedure rely on.
#include "res/Icons.h"
#include "res/ResourceIds.h"
#include "res/StringTable.h"
#include "res/Templates.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace res;
using namespace res::style;

struct TemplateCase {
    unsigned id;
    std::string_view caption;
    int cx;
    int cy;
    std::vector<int> ids;   // template order = tab order
    std::string visible;    // one letter per control: V visible, H hidden
};

const TemplateCase kTemplates[] = {
    {IDD_ABOUTBOX, "关于 VORNEX", 235, 55, {IDC_STATIC, IDC_STATIC, kIdOk}, "VVV"},
    {IDD_DETAIL, "Detail Setting", 364, 239,
     {IDC_MODULE, -1, -1, -1, IDC_SET_DEFAULT, -1, IDC_PRINTER_NAME, IDC_PORT, IDC_BAUD_RATE, IDC_DATA_BITS,
      IDC_FLOW_CONTROL, IDC_PARITY, IDC_STOP_BITS, -1, -1, -1, -1, -1, -1, IDC_BACK, IDC_NEXT, IDC_EXIT},
     "VVHVVVVHHHHHHHHHHHHVVV"},
    {IDD_SELECT_OS, "Select OS", 251, 187,
     {-1, 1020, 1000, 1001, 1002, 1003, 1004, 1011, 1007, 1008, 1009, 1010, 1005, 1006}, "VVHHHVVVHHVVVH"},
    {IDD_CREATE_PORT, "Create Port", 254, 133, {1021, 1008, 1009}, "VVV"},
    {IDD_SELECT_PORT, "Select Port", 320, 210, {-1, 1021, 1008, 1009, 1010, 1022, 1023, 1025, -1, -1, -1},
     "VVVVVVVVVVV"},
};

TEST(Templates, EveryTemplateHasItsControlsInOrderWithTheirVisibility) {
    ASSERT_EQ(AllDialogTemplates().size(), std::size(kTemplates));
    for (const TemplateCase& expected : kTemplates) {
        SCOPED_TRACE(expected.caption);
        const DialogTemplate* dialog = FindDialogTemplate(expected.id);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->caption, expected.caption);
        EXPECT_EQ(dialog->rect.cx, expected.cx);
        EXPECT_EQ(dialog->rect.cy, expected.cy);
        EXPECT_EQ(dialog->font.face, "宋体");
        EXPECT_EQ(dialog->font.points, 9);
        EXPECT_TRUE((dialog->style & (kWsPopup | kWsCaption | kWsSysMenu | kDsModalFrame)) ==
                    (kWsPopup | kWsCaption | kWsSysMenu | kDsModalFrame));
        EXPECT_EQ(dialog->style & (kWsMinimizeBox | kWsMaximizeBox), 0u) << "no minimise or maximise box";
        std::vector<int> ids;
        std::string visible;
        for (const ControlTemplate& control : dialog->controls) {
            ids.push_back(control.id);
            visible.push_back(control.Has(kWsVisible) ? 'V' : 'H');
            EXPECT_TRUE(control.Has(kWsChild));
        }
        EXPECT_EQ(ids, expected.ids);
        EXPECT_EQ(visible, expected.visible);
    }
    EXPECT_EQ(FindDialogTemplate(101), nullptr);
}

TEST(Templates, OnlyTheAboutBoxHasADefaultPushButton) {
    for (const DialogTemplate& dialog : AllDialogTemplates()) {
        int defaults = 0;
        for (const ControlTemplate& control : dialog.controls) {
            if (control.kind == ControlKind::PushButton && (control.style & kBsTypeMask) == kBsDefPushButton) {
                ++defaults;
                EXPECT_EQ(control.id, kIdOk);
                EXPECT_EQ(control.text, "确定");
            }
        }
        EXPECT_EQ(defaults, dialog.id == IDD_ABOUTBOX ? 1 : 0) << dialog.caption;
    }
}

TEST(Templates, SelectOsRadioButtonsFormOneGroupWithoutTabStops) {
    const DialogTemplate& dialog = SelectOsTemplate();
    int radios = 0;
    for (std::size_t index = 0; index < dialog.controls.size(); ++index) {
        const ControlTemplate& control = dialog.controls[index];
        // Only the group box starts a group, so all nine radio buttons share it.
        EXPECT_EQ(control.Has(kWsGroup), index == 0) << control.text;
        if (control.kind == ControlKind::RadioButton) {
            ++radios;
            EXPECT_EQ(control.style & kBsTypeMask, kBsAutoRadioButton);
            EXPECT_FALSE(control.Has(kWsTabStop)) << control.text;
        }
    }
    EXPECT_EQ(radios, 9);
    const ControlTemplate* back = dialog.FindControl(IDC_BACK);
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(back->Has(kWsDisabled));
    EXPECT_FALSE(back->Has(kWsVisible));
    EXPECT_EQ(dialog.rect.x, 0);
    EXPECT_EQ(dialog.rect.y, 0);
}

TEST(Templates, DetailComboRowsAreTheOnesTheInstallMapsThrough) {
    const DialogTemplate& dialog = DetailTemplate();
    EXPECT_TRUE(dialog.style & kWsVisible);
    EXPECT_EQ(dialog.exStyle, kWsExAppWindow);
    const struct {
        int id;
        std::vector<std::string_view> items;
    } combos[] = {
        {IDC_PORT, {"LPT1", "LPT2", "LPT3", "COM1", "COM2", "COM3", "COM4"}},
        {IDC_BAUD_RATE, {"300", "1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"}},
        {IDC_DATA_BITS, {"5", "6", "7", "8"}},
        {IDC_FLOW_CONTROL, {"None", "XonXoff", "Hardware"}},
        {IDC_PARITY, {"Even", "Mark", "None", "Odd", "Space"}},
        {IDC_STOP_BITS, {"1", "1.5", "2"}},
    };
    for (const auto& combo : combos) {
        const ControlTemplate* control = dialog.FindControl(combo.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(std::vector<std::string_view>(control->items.begin(), control->items.end()), combo.items)
            << combo.id;
    }
    EXPECT_EQ(dialog.FindControl(IDC_MODULE)->items.size(), 6u);
    for (const ControlTemplate& control : dialog.controls) {
        if (control.kind == ControlKind::ComboBox) {
            EXPECT_TRUE(control.Has(kCbsDropDownList | kWsVScroll | kWsTabStop)) << control.id;
            EXPECT_FALSE(control.Has(kCbsSort)) << control.id;
        }
    }
    const ControlTemplate* name = dialog.FindControl(IDC_PRINTER_NAME);
    EXPECT_TRUE(name->Has(kEsReadOnly | kEsAutoHScroll | kWsBorder | kWsTabStop));
    EXPECT_EQ(dialog.FindControl(IDC_SET_DEFAULT)->style & kBsTypeMask, kBsAutoCheckBox);
}

TEST(Templates, ListViewsDifferOnlyInShowingTheSelectionWithoutFocus) {
    const ControlTemplate* ports = SelectPortTemplate().FindControl(IDC_PORT_LIST);
    const ControlTemplate* monitors = CreatePortTemplate().FindControl(IDC_MONITOR_LIST);
    ASSERT_NE(ports, nullptr);
    ASSERT_NE(monitors, nullptr);
    for (const ControlTemplate* list : {ports, monitors}) {
        EXPECT_EQ(list->kind, ControlKind::ListView);
        EXPECT_TRUE(list->Has(kLvsReport | kLvsSingleSel | kWsBorder | kWsTabStop));
    }
    EXPECT_TRUE(ports->Has(kLvsShowSelAlways));
    EXPECT_FALSE(monitors->Has(kLvsShowSelAlways));
    const ControlTemplate* progress = SelectPortTemplate().FindControl(IDC_PROGRESS);
    EXPECT_EQ(progress->kind, ControlKind::ProgressBar);
    EXPECT_EQ(progress->rect.cx, 306);
    EXPECT_TRUE(progress->Has(kWsBorder));
}

TEST(Templates, AboutBoxShowsIcon128AndItsVersionAsTyped) {
    const DialogTemplate& dialog = AboutBoxTemplate();
    EXPECT_EQ(dialog.controls[0].kind, ControlKind::Icon);
    EXPECT_EQ(dialog.controls[0].iconId, IDI_VORNEX);
    EXPECT_EQ(dialog.controls[1].text, "VORNEX 4.1 版");
    EXPECT_TRUE(dialog.controls[1].Has(kSsNoPrefix));
}

TEST(Icon, HasBothSizesWithPaletteIndexesOrTransparency) {
    const IconResource* icon = FindIcon(IDI_VORNEX);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(FindIcon(129), nullptr);
    ASSERT_EQ(icon->images.size(), 2u);
    const int sizes[] = {32, 16};
    for (std::size_t i = 0; i < 2; ++i) {
        const IconImage& image = icon->images[i];
        EXPECT_EQ(image.width, sizes[i]);
        EXPECT_EQ(image.height, sizes[i]);
        ASSERT_EQ(image.rows.size(), static_cast<std::size_t>(image.height));
        int opaque = 0;
        for (int y = 0; y < image.height; ++y) {
            ASSERT_EQ(image.rows[static_cast<std::size_t>(y)].size(), static_cast<std::size_t>(image.width)) << y;
            for (int x = 0; x < image.width; ++x) {
                const char c = image.rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
                const bool valid = c == kTransparentPixel || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
                ASSERT_TRUE(valid) << "pixel " << x << "," << y;
                opaque += image.PixelAt(x, y).has_value() ? 1 : 0;
            }
        }
        // A picture, not an empty or a solid square.
        EXPECT_GT(opaque, image.width * image.height / 4);
        EXPECT_LT(opaque, image.width * image.height);
    }
}

TEST(StringTable, HoldsTheAboutMenuText) {
    EXPECT_EQ(FindString(IDS_ABOUTBOX), "关于 VORNEX(&A)...");
    EXPECT_FALSE(FindString(102).has_value());
}

}  // namespace
