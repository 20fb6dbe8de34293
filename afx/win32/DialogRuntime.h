#pragma once

#include "afx/win32/WinApi.h"

#include "afx/CDialog.h"

// Real dialogs for the framework's CDialog objects. A dialog window runs on the system's
// own modal loop (DialogBoxParamW); as soon as it exists it is subclassed, so every
// message it gets goes through the object's message map first and the dialog manager's
// processing second (CWnd::Default), as in the classic framework.
namespace afx::win32 {

INT_PTR RunDialog(CDialog& dialog, UINT templateId, HWND owner);
INT_PTR RunDialogIndirect(CDialog& dialog, const DLGTEMPLATE* dialogTemplate, HWND owner);

// The object of a dialog window, or null.
CDialog* DialogOf(HWND window);

// The dialog manager's processing of a message (what the subclassed window procedure
// would have done): for a dialog of ours, its original procedure.
LRESULT DialogDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the common controls the templates use (list view, progress bar, slider)
// once per process; the first dialog does it.
void EnsureCommonControls();

}  // namespace afx::win32
