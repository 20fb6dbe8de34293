#pragma once

#include "afx/Afx.h"
#include "afx/host/Desktop.h"
#include "afx/host/HostApp.h"
#include "afx/host/InputSource.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace afxtest {

using namespace afx::host;

// A dialog on any template that records what reaches it: commands with their codes and
// list notifications. Hooks let a test act during initialisation or on a command.
class CProbeDlg : public CDialog {
public:
    explicit CProbeDlg(UINT templateId, CWnd* parent = nullptr) : CDialog(templateId, parent) {}

    std::function<void(CProbeDlg&)> onInit;
    std::function<void(CProbeDlg&, int id, UINT code)> onCommand;  // before the map runs
    BOOL initResult = TRUE;

    std::vector<std::pair<int, UINT>> commands;  // (id, code), in arrival order
    std::vector<NMLISTVIEW> listChanges;
    int initCount = 0;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        ++initCount;
        if (onInit) onInit(*this);
        return initResult;
    }

    // Commands with this id and code only, in order.
    int CountOf(int id, UINT code) const {
        int count = 0;
        for (const auto& command : commands) count += command.first == id && command.second == code ? 1 : 0;
        return count;
    }

    using CDialog::OnCancel;
    using CDialog::OnOK;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        const int id = afx::LoWord(wParam);
        const UINT code = afx::HiWord(wParam);
        commands.emplace_back(id, code);
        if (onCommand) onCommand(*this, id, code);
        return CDialog::OnCommand(wParam, lParam);
    }

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        const auto* header = afx::FromLParam<NMHDR>(lParam);
        if (header != nullptr && header->code == LVN_ITEMCHANGED) {
            listChanges.push_back(*afx::FromLParam<NMLISTVIEW>(lParam));
        }
        return CDialog::OnNotify(wParam, lParam, result);
    }
};

// A fresh desktop made current, with scripted input and a known program file name.
class AfxTest : public ::testing::Test {
protected:
    AfxTest() : m_scope(desktop) {
        SetProgramPath("/opt/vornex/VORNEX");
        desktop.SetInput(&input);
    }
    ~AfxTest() override { SetProgramPath(""); }

    // The window of the given template on screen now, or a failure.
    const Window& Shown(unsigned templateId) {
        const Window* window = desktop.FindByTemplate(templateId);
        EXPECT_NE(window, nullptr) << "no window of template " << templateId << "\n" << desktop.Dump();
        static const Window none;
        return window != nullptr ? *window : none;
    }

    const Control& ControlOf(unsigned templateId, int id) {
        const Control* control = Shown(templateId).FindControl(id);
        EXPECT_NE(control, nullptr) << "no control " << id;
        static const Control none;
        return control != nullptr ? *control : none;
    }

    Desktop desktop;
    ScriptedInput input;

private:
    DesktopScope m_scope;
};

}  // namespace afxtest
