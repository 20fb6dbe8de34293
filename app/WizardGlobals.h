#pragma once

#include "afx/CString.h"
#include "install/OsDetection.h"

class CDetailDlg;
class CSelectPortDlg;

// How the pages and the install procedure find each other during one run.

// The detected Windows version; set each time the Select OS page initialises.
extern install::OsCode g_osCode;

// The port page of the Next press being handled, or null outside one. The Next handler
// owns the page and sets this for as long as it runs.
extern CSelectPortDlg* g_pPortDlg;

// The open Detail Setting page, or null when none is open.
extern CDetailDlg* g_pDetailDlg;

// The port the printer is created on. Defined beside the application object by
// VORNEX_DEFINE_APPLICATION (app/SetupApp.h), so that it is constructed after it and
// destroyed before it.
extern CString g_strPortName;

namespace app {

// Puts the globals back to their values at load, for a process that runs the wizard
// more than once (tests, rehearsals).
void ResetWizardGlobals();

}  // namespace app
