#pragma once

#include "afx/Afx.h"

// The application object: runs the wizard's pages one after another and ends the
// program when they are done. It never opens a main window.
class CSetupApp : public CWinApp {
public:
    CSetupApp() = default;  // no name: the title is the program file's name

    // Select OS, then Detail Setting, back to Select OS after each Back of Detail
    // Setting; returns FALSE, so no message loop runs.
    BOOL InitInstance() override;

private:
    static INT_PTR RunDetailPage();

    DECLARE_MESSAGE_MAP()
};

// Defines the program's application object and, after it, the port-name string, in
// one translation unit so that their order is fixed: constructed in this order at
// load, destroyed in the reverse order at exit. Every program that runs the wizard
// says this once, at namespace scope in its main source file:
//
//     #include "app/SetupApp.h"
//     VORNEX_DEFINE_APPLICATION()
//
//     int main() { ... launch::RunWizardOnDefaultMachine(...) ... }
#define VORNEX_DEFINE_APPLICATION() \
    CSetupApp theApp;               \
    CString g_strPortName;
