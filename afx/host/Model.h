#pragma once

#include "afx/WinDefs.h"
#include "res/DialogTemplate.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CWnd;

// The host's virtual windows: everything a view needs to draw the screen, and what a
// flow script checks. Positions and sizes are in dialog units (4 per character cell
// across, 8 per cell down). The backend changes the model; views only read it, through
// the Desktop.
namespace afx::host {

using res::ControlKind;
using res::DuRect;

struct DuSize {
    int cx = 0;
    int cy = 0;
};

struct ListColumn {
    std::string text;
    int width = 0;  // pixels, as the page sets them (1.5 pixels per dialog unit across)
    int format = 0;  // LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER
};

struct ListRow {
    std::vector<std::string> texts;  // column 0 is the item, then its sub-items
    UINT state = 0;                  // LVIS_SELECTED, LVIS_FOCUSED
    LPARAM data = 0;

    std::string_view Text(std::size_t column) const {
        return column < texts.size() ? std::string_view(texts[column]) : std::string_view();
    }
};

// A child control. Fields that do not apply to its kind keep their defaults.
struct Control {
    HWND handle = nullptr;
    int id = res::kNoId;
    ControlKind kind = ControlKind::Static;
    std::string text;
    DuRect rect;  // within the dialog's client area
    DWORD style = 0;
    DWORD exStyle = 0;
    bool visible = true;
    bool enabled = true;

    // Check boxes and radio buttons: BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE.
    int check = 0;

    // Combo boxes: the rows, the selected row (-1: none), and whether the list is open
    // (then `highlight` is the row the keyboard is on).
    std::vector<std::string> items;
    int selection = -1;
    bool dropped = false;
    int highlight = -1;

    // List views.
    std::vector<ListColumn> columns;
    std::vector<ListRow> rows;
    DWORD listExStyle = 0;  // LVS_EX_GRIDLINES, LVS_EX_FULLROWSELECT...

    // Progress bars.
    int rangeLow = 0;
    int rangeHigh = 100;
    int position = 0;

    // Icon controls: the icon shown.
    HICON icon = nullptr;

    bool Has(DWORD bits) const { return (style & bits) == bits; }
    bool IsPushButton() const { return kind == ControlKind::PushButton; }
    bool IsDefaultPushButton() const;
    bool IsTabStop() const;
    bool StartsGroup() const;
    bool IsReadOnly() const;     // edit fields
    bool ShowsMnemonic() const;  // '&' marks a mnemonic (not SS_NOPREFIX)
    bool CanTakeFocus() const;   // visible, enabled, and a kind that takes the focus
    int SelectedRow() const;     // list views: the first selected row, or -1
    // The caption with its mnemonic marks removed ("&Next >" -> "Next >", "&&" -> "&").
    std::string Caption() const;
};

enum class WindowKind {
    Dialog,      // built from a template, driven by its dialog object
    MessageBox,  // AfxMessageBox and the help viewer
};

enum class MessageBoxIcon { None, Error, Question, Exclamation, Information };

// The ids of a message box's icon and text controls; its buttons have IDOK, IDCANCEL...
inline constexpr int kMessageIconId = 0x14;
inline constexpr int kMessageTextId = 0xFFFF;

struct MessageBoxInfo {
    std::string text;
    UINT type = 0;  // MB_ flags as asked for
    MessageBoxIcon icon = MessageBoxIcon::None;
    std::vector<int> buttons;  // IDOK, IDCANCEL, IDYES... in display order
};

struct MenuItem {
    UINT id = 0;
    std::string text;  // '&' marks the mnemonic; a tab separates the shortcut
    UINT flags = 0;    // MF_SEPARATOR, MF_GRAYED

    bool IsSeparator() const;
    bool IsEnabled() const;
};

// What the window's last paint cycle drew: DrawIcon calls, in client pixels.
struct DrawnIcon {
    HICON icon = nullptr;
    int x = 0;
    int y = 0;
};

struct Window {
    HWND handle = nullptr;
    WindowKind kind = WindowKind::Dialog;
    unsigned templateId = 0;  // 0 for a message box
    std::string caption;
    DuRect rect;  // position on the screen and client size
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string fontFace;
    int fontPoints = 0;
    HWND owner = nullptr;  // disabled while this window runs
    bool visible = false;
    bool enabled = true;
    bool iconic = false;  // minimised: shown as its icon

    std::vector<Control> controls;  // template order: also tab and group order
    int focus = -1;                 // index in controls; -1: none

    std::vector<MenuItem> systemMenu;  // empty without WS_SYSMENU
    bool systemMenuOpen = false;
    int menuHighlight = -1;            // index in systemMenu while open

    HICON bigIcon = nullptr;  // WM_SETICON
    HICON smallIcon = nullptr;
    int paintCount = 0;                // paint cycles so far
    std::vector<DrawnIcon> drawnIcons;  // drawn by the latest one

    std::optional<MessageBoxInfo> messageBox;

    // The modal run.
    bool ended = false;
    INT_PTR result = 0;
    CWnd* object = nullptr;  // the dialog object; null for message boxes

    const Control* FindControl(int id) const;
    Control* FindControl(int id);
    // The first control whose caption without mnemonic marks is `caption`.
    const Control* FindControlByCaption(std::string_view caption) const;
    const Control* FocusedControl() const;
    bool HasSystemMenu() const;
};

// Icon handles of the host name their resource: 0 for a handle that names none.
unsigned IconResourceId(HICON icon);

// The mnemonic letter of a caption, upper case, or 0 when it has none.
char MnemonicOf(std::string_view caption);

}  // namespace afx::host
