#pragma once

#include "machine/HostFiles.h"
#include "machine/HostRegistry.h"
#include "machine/HostSpooler.h"
#include "machine/HostSystem.h"
#include "machine/MachineStatus.h"
#include "machine/PathMapper.h"
#include "machine/RegistryStore.h"
#include "machine/WindowsVersion.h"

#include <chrono>
#include <filesystem>
#include <memory>

namespace machine {

struct MachineOptions {
    // How long a write waits for another process that holds the registry store.
    std::chrono::milliseconds busyTimeout = kDefaultBusyTimeout;
    // The version a machine created by Open starts as.
    WindowsVersion version = kDefaultWindowsVersion;
};

// A folder that stands in for a Windows installation:
//   registry.db   the registry store
//   drive_c/      drive C:
//   debug.log     the debugger trace
//   machine.lock  taken while the image is built or reset
// It implements the platform and spooler seams. One Machine serves one thread; any
// number of processes may open the same folder at once.
class Machine {
public:
    ~Machine();
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    // Opens the machine in `folder`, creating the folder with the stock image of
    // options.version first if it holds no machine yet. Creation is atomic: the
    // registry store appears complete or not at all, and two processes creating the
    // same machine at once end up sharing one image. Refuses a folder that holds
    // files of its own but no machine.
    static MachineStatus Open(const std::filesystem::path& folder, const MachineOptions& options,
                              std::unique_ptr<Machine>& machine);
    // Opens the machine at ResolveMachineFolder().
    static MachineStatus OpenDefault(const MachineOptions& options, std::unique_ptr<Machine>& machine);

    // Puts the machine back to the stock image of `version`: the registry in one
    // transaction, then drive C emptied to the stock folders and the trace cleared.
    // Registry handles open on keys the reset removed report kErrorKeyDeleted.
    MachineStatus Reset(WindowsVersion version);

    platform::Registry& GetRegistry() { return m_registry; }
    platform::Files& GetFiles() { return m_files; }
    platform::System& GetSystem() { return m_system; }
    spooler::Spooler& GetSpooler() { return m_spooler; }
    HostSpooler& GetHostSpooler() { return m_spooler; }
    RegistryStore& GetStore() { return *m_store; }
    const PathMapper& GetPaths() const { return m_paths; }

    // The dialogs of the port monitors (not owned; may be null: every dialog cancels).
    void SetPortMonitorUi(PortMonitorUi* ui) { m_spooler.SetPortMonitorUi(ui); }

    const std::filesystem::path& Folder() const { return m_folder; }
    std::filesystem::path TraceFile() const;

private:
    Machine(std::filesystem::path folder, std::unique_ptr<RegistryStore> store);

    std::filesystem::path m_folder;
    std::unique_ptr<RegistryStore> m_store;
    PathMapper m_paths;
    HostRegistry m_registry;
    HostFiles m_files;
    HostSystem m_system;
    HostSpooler m_spooler;
};

}  // namespace machine
