#include "programs/win32/VornexProgram.h"

#include "afx/CWinApp.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32System.h"
#include "programs/win32/SafeDllLoading.h"
#include "spooler/win32/Win32Spooler.h"

namespace vornex::win32 {

int RunWizard(const app::WizardServices& services) {
    RestrictDllSearchPath();
    const app::ScopedWizardServices scoped(services);
    return AfxWinMain();
}

int RunVornexProgram() {
    spooler::win32::Win32Spooler spooler;
    platform::win32::Win32Registry registry;
    platform::win32::Win32Files files;
    platform::win32::Win32System system;
    return RunWizard({spooler, registry, files, system});
}

}  // namespace vornex::win32
