#include "afx/AfxFunctions.h"

#include "afx/Backend.h"
#include "afx/CString.h"
#include "afx/CWinApp.h"
#include "afx/ProgramName.h"

#include <string>

namespace {

UINT WithDefaultIcon(UINT type) {
    if ((type & MB_ICONMASK) != 0) {
        return type;
    }
    switch (type & MB_TYPEMASK) {
        case MB_OK:
        case MB_OKCANCEL:
            return type | MB_ICONEXCLAMATION;
        case MB_YESNO:
        case MB_YESNOCANCEL:
            return type | MB_ICONQUESTION;
        default:
            return type;
    }
}

std::string MessageBoxCaption() {
    if (const CWinApp* app = AfxGetApp(); app != nullptr && !app->GetAppName().IsEmpty()) {
        return app->GetAppName().Str();
    }
    return afx::ProgramTitle(afx::backend::ProgramPath());
}

}  // namespace

int AfxMessageBox(std::string_view text, UINT type, UINT helpId) {
    (void)helpId;  // no message box of the system has a help button
    return afx::backend::ShowMessageBox(afx::backend::ActiveWindow(), text, MessageBoxCaption(),
                                        WithDefaultIcon(type));
}

int AfxMessageBox(UINT promptId, UINT type, UINT helpId) {
    CString text;
    text.LoadResourceString(promptId);
    return AfxMessageBox(text, type, helpId);
}

void AfxEnableControlContainer() {}

HICON AfxLoadIcon(UINT id) { return afx::backend::LoadIconResource(id); }
