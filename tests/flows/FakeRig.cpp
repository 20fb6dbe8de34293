#include "tests/flows/FakeRig.h"

#include "install/DriverCatalogue.h"
#include "machine/RegistryPaths.h"
#include "machine/RegistryStore.h"

#include <algorithm>

namespace flowtest {
namespace {

bool IsMissing(const flows::FlowSetup& setup, platform::RootKey root, const std::string& path)
{
    return std::any_of(setup.missingKeys.begin(), setup.missingKeys.end(), [&](const flows::MissingKey& key) {
        return key.root == root && machine::FoldName(key.path) == machine::FoldName(path);
    });
}

}  // namespace

FakeRig::FakeRig(const flows::FlowSetup& setup) : m_version(setup.windows.value_or(machine::kDefaultWindowsVersion))
{
    const machine::WindowsVersionFacts& facts = machine::FactsOf(m_version);
    system.SetVersion(facts.platformId, facts.major, facts.minor, facts.build);

    if (!IsMissing(setup, platform::RootKey::CurrentUser, machine::kHkcuWindowsKey))
        registry.AddKey(platform::RootKey::CurrentUser, machine::kHkcuWindowsKey);
    if (!IsMissing(setup, platform::RootKey::LocalMachine, machine::kPortsKey)) {
        for (const char* com : {"COM1:", "COM2:", "COM3:", "COM4:"})
            registry.PutText(platform::RootKey::LocalMachine, machine::kPortsKey, com, "9600,n,8,1");
    }

    // The driver folder shipped beside the program, complete.
    const std::string folder = std::string(install::DriverCatalogue::kSourceFolder) + "\\";
    for (const install::ModuleRow& module : install::DriverCatalogue::Modules()) {
        files.AddFile(folder + std::string(module.dllBase) + std::string(install::DriverCatalogue::kDllExtension), "dll");
        files.AddFile(folder + std::string(module.gpdBase) + std::string(install::DriverCatalogue::kGpdExtension), "gpd");
    }
    for (const install::SupportFile& file : install::DriverCatalogue::SupportFiles())
        files.AddFile(std::string(file.sourcePath), "support");
    files.AddDirectory(spooler.driverDirectory);

    if (setup.ports) {
        spooler.ports.clear();
        for (const flows::PortSetup& port : *setup.ports)
            spooler.ports.push_back({port.name, std::string(machine::kLocalPortMonitor), port.description});
    }
    if (setup.monitors) {
        spooler.monitors.clear();
        for (const std::optional<std::string>& name : *setup.monitors)
            spooler.monitors.push_back({name});
    }
}

bool FakeRig::ListPrinters(std::vector<flows::PrinterSeen>& printers, std::string& why)
{
    (void)why;
    printers.clear();
    for (const auto& [name, printer] : spooler.printers)
        printers.push_back({name, printer.portName.value_or("")});
    return true;
}

std::string FakeRig::Description() const
{
    return "the fakes (Windows " + machine::WindowsVersionName(m_version) + ")";
}

}  // namespace flowtest
