#pragma once

#include "afx/WinDefs.h"

#include <string>
#include <string_view>

namespace res {
struct DialogTemplate;
}

class CDialog;
class CWnd;

// What the framework asks of the window system. Implemented once per backend: the host
// backend (afx/host/) on its virtual windows, a Windows backend on real ones. The
// framework's classes call these; pages and the application never do.
//
// Every function accepts a handle that names no window (null, or a window that is gone)
// and then does nothing and returns 0, null or false.
namespace afx::backend {

// Windows and their state.
bool IsWindowHandle(HWND hWnd);
CWnd* BoundObject(HWND hWnd);  // the dialog object of a dialog window
LRESULT SendTo(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefaultProcessing(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
HWND DialogItem(HWND dialog, int id);
int ControlId(HWND hWnd);
void SetTextOf(HWND hWnd, std::string_view text);
std::string TextOf(HWND hWnd);
bool Enable(HWND hWnd, bool enable);  // whether it was disabled
bool IsEnabled(HWND hWnd);
bool Show(HWND hWnd, int cmdShow);    // whether it was visible
bool IsVisible(HWND hWnd);
bool IsIconic(HWND hWnd);
DWORD Style(HWND hWnd);
DWORD ExStyle(HWND hWnd);
CRect ClientRect(HWND hWnd);
HWND SetFocus(HWND hWnd);  // the previous focus
HWND Focus();
HWND ActiveWindow();

// Menus.
HMENU SystemMenu(HWND hWnd, bool revert);
bool AppendMenuItem(HMENU menu, UINT flags, UINT_PTR id, std::string_view text);

// Modal runs. RunModalDialog creates the window from template `templateId`, owned by
// `owner` (null: none), sends WM_INITDIALOG to `dialog`, and runs the loop until
// EndModalDialog; -1 when the window cannot be created.
INT_PTR RunModalDialog(CDialog& dialog, UINT templateId, HWND owner);
// The same from a template in memory.
INT_PTR RunModalDialogIndirect(CDialog& dialog, const res::DialogTemplate& dialogTemplate, HWND owner);
bool EndModalDialog(HWND hWnd, INT_PTR result);
int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type);

// Resources, painting, the system.
HICON LoadIconResource(UINT id);
int SystemMetric(int index);
HDC BeginPaint(HWND hWnd);
void EndPaint(HWND hWnd, HDC dc);
bool DrawIconAt(HDC dc, int x, int y, HICON icon);
void ShowHelp(std::string_view helpFilePath, DWORD context);
std::string ProgramPath();

}  // namespace afx::backend
