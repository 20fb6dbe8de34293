#include "afx/CWinApp.h"

#include "afx/Backend.h"
#include "afx/CDialog.h"
#include "afx/ProgramName.h"

#include <cstdio>
#include <cstdlib>

namespace {

CWinApp* g_pApp = nullptr;

}  // namespace

CWinApp::CWinApp(const char* appName)
    : m_nameGiven(appName != nullptr && *appName != '\0'), m_strAppName(appName) {
    if (g_pApp != nullptr) {
        // A program has one application object; a second one is a build mistake.
        std::fputs("afx: a second application object was constructed\n", stderr);
        std::abort();
    }
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this) {
        g_pApp = nullptr;
    }
}

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run() { return ExitInstance(); }

int CWinApp::ExitInstance() { return 0; }

void CWinApp::OnHelp() {
    const auto* dialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(afx::backend::ActiveWindow()));
    if (dialog == nullptr) {
        return;  // a message box has no topic of its own
    }
    afx::backend::ShowHelp(m_strHelpFilePath, HID_BASE_RESOURCE + dialog->GetTemplateId());
}

BOOL CWinApp::Enable3dControlsStatic() { return TRUE; }

void CWinApp::SetProgramPath(std::string_view programPath) {
    if (!m_nameGiven) {
        m_strAppName = CString(afx::ProgramTitle(programPath));
    }
    m_strHelpFilePath = CString(afx::HelpFilePathFor(programPath));
}

CWinApp* AfxGetApp() { return g_pApp; }

int AfxWinMain() {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        return -1;
    }
    app->SetProgramPath(afx::backend::ProgramPath());
    if (!app->InitInstance()) {
        return app->ExitInstance();
    }
    return app->Run();
}
