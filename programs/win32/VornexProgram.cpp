#include "programs/win32/VornexProgram.h"

#include "afx/CWinApp.h"
#include "app/WizardServices.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32System.h"
#include "programs/win32/SafeDllLoading.h"
#include "spooler/win32/Win32Spooler.h"

namespace vornex::win32 {

int RunVornexProgram() {
    RestrictDllSearchPath();

    spooler::win32::Win32Spooler spooler;
    platform::win32::Win32Registry registry;
    platform::win32::Win32Files files;
    platform::win32::Win32System system;
    const app::ScopedWizardServices services({spooler, registry, files, system});
    return AfxWinMain();
}

}  // namespace vornex::win32
