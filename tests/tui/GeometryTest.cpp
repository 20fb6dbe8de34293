// Dialog units to cells: every template of the wizard, and the monitor's, fits the
// 100 x 32 terminal with its frame, every visible control inside its window, and the
// controls of one row on one line.
#include "afx/host/Model.h"
#include "monitorui/MonitorTemplates.h"
#include "res/ResourceIds.h"
#include "res/Templates.h"
#include "tui/Geometry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tuitest {
namespace {

using afx::host::Control;
using afx::host::Window;
using tui::CellRect;

// A window as the host centres it on the default screen.
Window Centred(const res::DialogTemplate& dialog) {
    Window window;
    window.rect = {(400 - dialog.rect.cx) / 2, (256 - dialog.rect.cy) / 2, dialog.rect.cx, dialog.rect.cy};
    for (const res::ControlTemplate& source : dialog.controls) {
        Control control;
        control.id = source.id;
        control.kind = source.kind;
        control.rect = source.rect;
        control.style = source.style;
        control.visible = (source.style & res::style::kWsVisible) != 0;
        window.controls.push_back(control);
    }
    return window;
}

bool Inside(const CellRect& inner, const CellRect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.Right() <= outer.Right() &&
           inner.Bottom() <= outer.Bottom();
}

TEST(Geometry, EveryTemplateFitsTheSmallestTerminal) {
    std::vector<const res::DialogTemplate*> templates;
    for (const res::DialogTemplate& dialog : res::AllDialogTemplates()) templates.push_back(&dialog);
    templates.push_back(&monitorui::PortNameTemplate());
    templates.push_back(&monitorui::ComSettingsTemplate());
    templates.push_back(&monitorui::LptTimeoutTemplate());
    const tui::CellSize screen{100, 32};
    for (const res::DialogTemplate* dialog : templates) {
        const Window window = Centred(*dialog);
        const tui::WindowPlacement placement = tui::PlaceWindow(window, screen);
        EXPECT_TRUE(Inside(placement.frame, {0, 0, 100, 32})) << dialog->caption;
        for (const Control& control : window.controls) {
            if (!control.visible || control.kind == afx::host::ControlKind::ComboBox) continue;
            EXPECT_TRUE(Inside(tui::PlaceControl(control, placement.client), placement.client))
                << dialog->caption << " control " << control.id;
        }
    }
}

TEST(Geometry, DialogUnitsRoundToCells) {
    // Detail Setting, 364 x 239 units, takes the whole height of 32 rows with its frame.
    const tui::WindowPlacement detail = tui::PlaceWindow(Centred(*res::FindDialogTemplate(IDD_DETAIL)), {100, 32});
    EXPECT_EQ(detail.frame.y, 0);
    EXPECT_EQ(detail.frame.height, 32);
    EXPECT_EQ(detail.client.width, 91);

    // Radio buttons two units apart share a row; the Select OS page's rows of versions.
    const Window selectOs = Centred(*res::FindDialogTemplate(IDD_SELECT_OS));
    const CellRect client = tui::PlaceWindow(selectOs, {100, 32}).client;
    auto rowOf = [&](int id) {
        for (const Control& control : selectOs.controls) {
            if (control.id == id) return tui::PlaceControl(control, client).y - client.y;
        }
        return -1;
    };
    EXPECT_EQ(rowOf(IDC_OS_WIN2000), rowOf(IDC_OS_WINXP));
    EXPECT_EQ(rowOf(IDC_OS_WINXP), rowOf(IDC_OS_WIN2003));
    EXPECT_EQ(rowOf(IDC_OS_VISTA), rowOf(IDC_OS_WIN7));
    EXPECT_LT(rowOf(IDC_OS_WINXP), rowOf(IDC_OS_VISTA));

    // List columns: 6 pixels a cell.
    EXPECT_EQ(tui::ColumnCells(150), 25);
    EXPECT_EQ(tui::ColumnCells(280), 47);
    EXPECT_EQ(tui::ColumnCells(340), 57);
}

TEST(Geometry, AWindowIsMovedOntoTheScreenWholeWhenItCan) {
    Window window;
    window.rect = {0, 0, 80, 40};  // placed at the corner: the frame would start off screen
    const tui::WindowPlacement placement = tui::PlaceWindow(window, {100, 32});
    EXPECT_EQ(placement.frame.x, 0);
    EXPECT_EQ(placement.frame.y, 0);
    EXPECT_EQ(placement.client.x, 1);
    EXPECT_EQ(placement.client.y, 1);
}

}  // namespace
}  // namespace tuitest
