#pragma once

#include "app/WizardServices.h"

namespace vornex::win32 {

// Runs the wizard with `services`: makes DLL loading safe, hands the services to the
// pages, runs the application object that the program's main file defines
// (VORNEX_DEFINE_APPLICATION), and returns the process exit status.
int RunWizard(const app::WizardServices& services);

// The same over the real Windows services (winspool, the registry, kernel32).
int RunVornexProgram();

}  // namespace vornex::win32
