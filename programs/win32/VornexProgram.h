#pragma once

namespace vornex::win32 {

// Runs the wizard over the real Windows services (winspool, the registry, kernel32):
// makes DLL loading safe, hands the services to the pages, runs the application object
// that the program's main file defines (VORNEX_DEFINE_APPLICATION), and returns the
// process exit status.
int RunVornexProgram();

}  // namespace vornex::win32
