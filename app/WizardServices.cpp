#include "app/WizardServices.h"

#include <cstdio>
#include <cstdlib>

namespace app {

namespace {

std::optional<WizardServices>& Current()
{
    static std::optional<WizardServices> services;
    return services;
}

}  // namespace

void SetWizardServices(const WizardServices& services) { Current().emplace(services); }

void ClearWizardServices() { Current().reset(); }

bool HasWizardServices() { return Current().has_value(); }

const WizardServices& Services()
{
    if (!Current()) {
        std::fputs("VORNEX: the wizard ran before its platform services were set\n", stderr);
        std::abort();
    }
    return *Current();
}

ScopedWizardServices::ScopedWizardServices(const WizardServices& services) : m_previous(Current())
{
    SetWizardServices(services);
}

ScopedWizardServices::~ScopedWizardServices()
{
    if (m_previous)
        SetWizardServices(*m_previous);
    else
        ClearWizardServices();
}

}  // namespace app
