#pragma once

#include "flows/FlowRig.h"
#include "machine/Machine.h"

#include <filesystem>
#include <memory>

namespace flows {

// A host machine for a flow: a fresh one in a temporary folder, prepared as the
// script's header says and removed afterwards, or the machine the programs find
// (VORNEX_MACHINE, else the state folder) as it stands.
class MachineRig : public FlowRig {
public:
    ~MachineRig() override;

    // Creates the rig; false with the reason when the machine cannot be made, opened
    // or prepared. The setup must have passed FlowSetup::CheckFor(choice).
    static bool Create(MachineChoice choice, const FlowSetup& setup, std::unique_ptr<MachineRig>& rig,
                       std::string& why);

    spooler::Spooler& Spooler() override { return m_machine->GetSpooler(); }
    platform::Registry& Registry() override { return m_machine->GetRegistry(); }
    platform::Files& Files() override { return m_machine->GetFiles(); }
    platform::System& System() override { return m_machine->GetSystem(); }
    void SetPortMonitorUi(machine::PortMonitorUi* ui) override { m_machine->SetPortMonitorUi(ui); }
    bool ListPrinters(std::vector<PrinterSeen>& printers, std::string& why) override;
    std::string Description() const override;

    machine::Machine& Machine() { return *m_machine; }

private:
    // Only Create can name this, so only Create makes a rig.
    struct Made {
        explicit Made() = default;
    };

public:
    explicit MachineRig(Made) {}

private:
    bool Prepare(const FlowSetup& setup, std::string& why);

    std::filesystem::path m_temporaryFolder;  // empty for the machine as found
    std::unique_ptr<machine::Machine> m_machine;
};

}  // namespace flows
