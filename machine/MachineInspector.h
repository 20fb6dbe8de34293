#pragma once

#include "machine/HostSystem.h"
#include "machine/Machine.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace machine {

struct PrinterRecord {
    std::string name;
    std::string port;
    std::string driver;
    std::string printProcessor;
    std::string dataType;
};

struct DriverRecord {
    std::string name;
    std::string environment;
    std::uint32_t version = 0;
    std::string driverPath;   // file names as registered, without folder
    std::string dataFile;
    std::string configFile;
    std::string helpFile;
    std::vector<std::string> dependentFiles;
    std::string monitor;
    std::string defaultDataType;
};

struct PortRecord {
    std::string name;
    std::string description;
    std::string monitor;
};

// One key of a registry walk, with its full path ("HKEY_LOCAL_MACHINE\SOFTWARE\...")
// and its values in their listing order.
struct RegistryKeyRecord {
    std::string path;
    std::vector<StoredValue> values;
};

// Read access to a machine for its tool and for tests: what the spooler holds, the
// registry, the version and the trace. Lists come in the order Windows lists them
// (printers and drivers by name, ports in the Ports key's order). On failure the
// machine's store says why (GetStore().LastErrorText()).
class MachineInspector {
public:
    explicit MachineInspector(Machine& machine) : m_machine(machine) {}

    Win32Error ListPrinters(std::vector<PrinterRecord>& printers);
    Win32Error ListDrivers(std::vector<DriverRecord>& drivers);
    Win32Error ListPorts(std::vector<PortRecord>& ports);
    Win32Error ListMonitors(std::vector<std::string>& monitors);

    // One value of an existing key (kErrorFileNotFound for a missing key or value).
    Win32Error QueryValue(RootKey root, const std::string& keyPath, const std::string& valueName,
                          StoredValue& value);
    // The values and subkey names of one existing key.
    Win32Error QueryKey(RootKey root, const std::string& keyPath, std::vector<StoredValue>& values,
                        std::vector<std::string>& subKeys);
    // Visits `keyPath` and every key below it, parents before children, subkeys in
    // name order. An empty keyPath walks the whole root.
    Win32Error WalkKeys(RootKey root, const std::string& keyPath,
                        const std::function<void(const RegistryKeyRecord&)>& visit);

    // The true version (as the registry holds it) and the reported one.
    Win32Error TrueVersion(MachineVersion& version);
    Win32Error ReportedVersion(MachineVersion& version);
    // The short name of the stock image the machine was made from ("xp").
    Win32Error ImageVersionName(std::string& name);

    // The whole trace log; empty when nothing was traced yet.
    Win32Error ReadTrace(std::string& text);

    // Why the last call failed: the store's text.
    const std::string& LastErrorText() const { return m_machine.GetStore().LastErrorText(); }

private:
    Machine& m_machine;
};

}  // namespace machine
