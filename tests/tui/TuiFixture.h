#pragma once

#include "afx/Afx.h"
#include "afx/host/Desktop.h"
#include "afx/host/HostApp.h"
#include "afx/host/InputSource.h"
#include "res/DialogTemplate.h"
#include "tui/Canvas.h"
#include "tui/Painter.h"
#include "tui/ViewState.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tuitest {

using namespace afx::host;

// A dialog on a template of the test's own, with a hook that fills its controls.
class CProbeDlg : public CDialog {
public:
    explicit CProbeDlg(const res::DialogTemplate& dialogTemplate) : CDialog(dialogTemplate) {}

    std::function<void(CProbeDlg&)> onInit;
    BOOL initResult = TRUE;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (onInit) onInit(*this);
        return initResult;
    }
};

// Where a text first appears on a canvas, by cells.
std::optional<tui::CellPoint> FindText(const tui::Canvas& canvas, std::string_view text);

// A fresh desktop made current, with scripted input; Render paints it as the terminal
// view would.
class TuiTest : public ::testing::Test {
protected:
    TuiTest() : m_scope(desktop) {
        SetProgramPath("/opt/vornex/VORNEX");
        desktop.SetInput(&input);
    }
    ~TuiTest() override { SetProgramPath(""); }

    tui::Canvas Render() {
        tui::Canvas canvas = tui::CanvasFor(desktop);
        tui::PaintDesktop(desktop, canvas, view);
        return canvas;
    }

    // Runs `dialog` modally; `whileOpen` sees the desktop once it waits for input, then
    // the dialog is cancelled.
    void WhileShown(CDialog& dialog, const std::function<void(const Desktop&)>& whileOpen) {
        input.Check(whileOpen).Then(KeyPress{Key::Escape});
        dialog.DoModal();
    }

    // The rows of the active window's frame as text.
    std::string FrameText(const tui::Canvas& canvas);

    Desktop desktop;
    ScriptedInput input;
    tui::ViewState view;

private:
    DesktopScope m_scope;
};

}  // namespace tuitest
