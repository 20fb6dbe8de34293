#pragma once

#include "platform/Files.h"
#include "platform/Registry.h"
#include "platform/System.h"
#include "spooler/Spooler.h"

#include <optional>

// The operating-system services the wizard's pages work with. The program sets them
// once, before the application runs (programs/common does it for the host machine);
// the pages reach them through Services() and never name a backend.
namespace app {

struct WizardServices {
    spooler::Spooler& spooler;
    platform::Registry& registry;
    platform::Files& files;
    platform::System& system;
};

void SetWizardServices(const WizardServices& services);
void ClearWizardServices();
bool HasWizardServices();

// The services set. Running a page before they are set is a mistake in the program:
// it stops with a message rather than act on nothing.
const WizardServices& Services();

// Sets the services for the scope's lifetime, then puts back what was set before.
class ScopedWizardServices {
public:
    explicit ScopedWizardServices(const WizardServices& services);
    ~ScopedWizardServices();
    ScopedWizardServices(const ScopedWizardServices&) = delete;
    ScopedWizardServices& operator=(const ScopedWizardServices&) = delete;

private:
    std::optional<WizardServices> m_previous;
};

}  // namespace app
