// VORNEX.exe: the setup wizard on Windows.
#include "afx/win32/WinApi.h"

#include "app/SetupApp.h"
#include "programs/win32/VornexProgram.h"

VORNEX_DEFINE_APPLICATION()

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return vornex::win32::RunVornexProgram(); }
