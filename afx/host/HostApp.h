#pragma once

#include <string>

// Running the application object on the host.
//
//     int main() {
//         afx::host::Desktop desktop;
//         MyTerminalInput input(desktop);          // an afx::host::InputSource
//         desktop.SetInput(&input);
//         int status = afx::host::RunApp(desktop);
//         if (desktop.InputError()) std::fprintf(stderr, "%s\n", desktop.InputError()->c_str());
//         return status;
//     }
//
// The application object (a static CWinApp) is constructed before main; RunApp makes
// `desktop` current and runs AfxWinMain: InitInstance, then ExitInstance.
namespace afx::host {

class Desktop;

// The exit status when the input ran out before the application ended.
inline constexpr int kExitInputEnded = 3;

// The application's exit status, kExitInputEnded when the input ran out, or -1 when
// there is no application object. `programPath` names the program file (title and
// help file); empty: the running executable.
int RunApp(Desktop& desktop, const std::string& programPath = {});

// The program file that names the application: set by RunApp, or by tests. Empty:
// the running executable (/proc/self/exe).
void SetProgramPath(const std::string& programPath);
std::string GetProgramPath();

}  // namespace afx::host
