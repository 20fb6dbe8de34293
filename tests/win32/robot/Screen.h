#pragma once

#include "afx/win32/WinApi.h"

#include <optional>
#include <string>
#include <vector>

// What the robot reads off the real windows of the wizard's thread, in the terms of a
// flow script. Every call is made from the robot's thread while the wizard's thread
// waits for input, so the messages it sends are answered at once.
namespace robot {

enum class ControlKind { PushButton, CheckBox, RadioButton, GroupBox, ComboBox, ListView, ProgressBar, Edit, Static,
                         Other };

class Screen {
public:
    explicit Screen(DWORD uiThreadId) : m_uiThread(uiThreadId) {}

    // The window that takes the input now: the thread's active window.
    HWND ActiveWindow() const;
    HWND FocusWindow() const;
    // Has every window of the wizard's thread paint itself completely now.
    void RepaintAll() const;

    static std::string Caption(HWND window);
    // A message box: the system's dialog with its text in control 0xFFFF.
    static bool IsMessageBox(HWND window);
    static std::string MessageText(HWND window);
    // "the message box \"Completed!\"" or "\"Select OS\"".
    static std::string WindowName(HWND window);

    static HWND Control(HWND window, int id);
    // The first visible control whose caption, without its '&' marks, is `plain`.
    static HWND ControlByCaption(HWND window, const std::string& plain);
    static std::vector<HWND> Controls(HWND window);

    static ControlKind KindOf(HWND control);
    static std::string Text(HWND control);
    static std::string Named(HWND control);  // "control 1009 \"&Next >\""
    static bool IsVisible(HWND control);       // the control's own visibility
    static bool IsEnabled(HWND control);
    static int Check(HWND control);
    static std::optional<int> RowCount(HWND control);
    static std::optional<int> SelectedRow(HWND control);
    // What a control shows: a combo box its selected row, a list its selected row's
    // first column, anything else its text.
    static std::string ShownText(HWND control);
    static std::string ItemText(HWND control, int row, int column);

private:
    DWORD m_uiThread;
};

}  // namespace robot
