#include "flows/MachineRig.h"

#include "machine/LocalPortMonitor.h"
#include "machine/MachineInspector.h"
#include "machine/RegData.h"
#include "machine/RegistryPaths.h"

#include <cstdlib>

namespace flows {
namespace {

bool MakeTemporaryFolder(std::filesystem::path& folder, std::string& why)
{
    std::error_code error;
    std::string pattern = (std::filesystem::temp_directory_path(error) / "vornex-flow-XXXXXX").string();
    if (error || ::mkdtemp(pattern.data()) == nullptr) {
        why = "cannot make a temporary folder for the machine";
        return false;
    }
    folder = pattern;
    return true;
}

// The Ports key holds exactly these ports, in this order, each with the text a new
// port of its kind gets.
platform::Win32Error ReplacePorts(machine::RegistryStore& store, const std::vector<PortSetup>& ports)
{
    return store.Write([&]() -> platform::Win32Error {
        const machine::RegistryStore::KeyId root = store.Root(platform::RootKey::LocalMachine);
        machine::RegistryStore::KeyId key = 0;
        if (platform::Win32Error error = store.CreateKey(root, machine::kPortsKey, key))
            return error;
        std::vector<machine::StoredValue> old;
        if (platform::Win32Error error = store.ListValues(key, old))
            return error;
        for (const machine::StoredValue& value : old) {
            if (platform::Win32Error error = store.DeleteValue(key, value.name))
                return error;
        }
        for (const PortSetup& port : ports) {
            const bool serial = machine::ClassifyLocalPort(*port.name) == machine::LocalPortKind::Serial;
            const std::string text = serial ? machine::kDefaultComPortText : "";
            if (platform::Win32Error error = store.SetValue(key, *port.name, platform::kRegSz, machine::EncodeSz(text)))
                return error;
        }
        return platform::kErrorSuccess;
    });
}

platform::Win32Error RemoveKey(machine::RegistryStore& store, const MissingKey& missing)
{
    return store.Write([&]() -> platform::Win32Error {
        machine::RegistryStore::KeyId key = 0;
        const platform::Win32Error found = store.FindKey(store.Root(missing.root), missing.path, key);
        if (found == platform::kErrorFileNotFound)
            return platform::kErrorSuccess;  // missing already
        if (found)
            return found;
        return store.DeleteKeyTree(key);
    });
}

}  // namespace

MachineRig::~MachineRig()
{
    m_machine.reset();
    if (!m_temporaryFolder.empty()) {
        std::error_code error;
        std::filesystem::remove_all(m_temporaryFolder, error);
    }
}

bool MachineRig::Create(MachineChoice choice, const FlowSetup& setup, std::unique_ptr<MachineRig>& rig, std::string& why)
{
    auto made = std::make_unique<MachineRig>(Made{});
    machine::MachineOptions options;
    machine::MachineStatus status;
    if (choice == MachineChoice::Temporary) {
        if (!MakeTemporaryFolder(made->m_temporaryFolder, why))
            return false;
        options.version = setup.windows.value_or(machine::kDefaultWindowsVersion);
        status = machine::Machine::Open(made->m_temporaryFolder / "machine", options, made->m_machine);
    } else {
        status = machine::Machine::OpenDefault(options, made->m_machine);
    }
    if (!status.Ok()) {
        why = "cannot use the machine: " + (status.message.empty() ? platform::DescribeError(status.error) : status.message);
        return false;
    }
    if (!made->Prepare(setup, why))
        return false;
    rig = std::move(made);
    return true;
}

bool MachineRig::Prepare(const FlowSetup& setup, std::string& why)
{
    machine::RegistryStore& store = m_machine->GetStore();
    if (setup.ports) {
        if (platform::Win32Error error = ReplacePorts(store, *setup.ports)) {
            why = "cannot set the machine's ports: " + platform::DescribeError(error) + " " + store.LastErrorText();
            return false;
        }
    }
    for (const MissingKey& missing : setup.missingKeys) {
        if (platform::Win32Error error = RemoveKey(store, missing)) {
            why = "cannot remove the key " + missing.path + ": " + platform::DescribeError(error);
            return false;
        }
    }
    return true;
}

bool MachineRig::ListPrinters(std::vector<PrinterSeen>& printers, std::string& why)
{
    machine::MachineInspector inspector(*m_machine);
    std::vector<machine::PrinterRecord> records;
    if (platform::Win32Error error = inspector.ListPrinters(records)) {
        why = platform::DescribeError(error) + " " + inspector.LastErrorText();
        return false;
    }
    printers.clear();
    for (const machine::PrinterRecord& record : records)
        printers.push_back({record.name, record.port});
    return true;
}

std::string MachineRig::Description() const
{
    machine::MachineInspector inspector(*m_machine);
    machine::MachineVersion numbers;
    std::string version = "?";
    if (inspector.TrueVersion(numbers) == platform::kErrorSuccess) {
        version = std::to_string(numbers.major) + "." + std::to_string(numbers.minor);
        for (const machine::WindowsVersionFacts& facts : machine::AllWindowsVersions()) {
            if (facts.platformId == numbers.platformId && facts.major == numbers.major && facts.minor == numbers.minor) {
                version = facts.shortName;
                break;
            }
        }
    }
    return (m_temporaryFolder.empty() ? "the machine in " + m_machine->Folder().string() : std::string("a temporary machine")) +
           " (Windows " + version + ")";
}

}  // namespace flows
