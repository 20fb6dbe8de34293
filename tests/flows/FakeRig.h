#pragma once

#include "flows/FlowRig.h"
#include "tests/support/FakeFiles.h"
#include "tests/support/FakeRegistry.h"
#include "tests/support/FakeSpooler.h"
#include "tests/support/FakeSystem.h"

namespace flowtest {

// A flow on the in-memory doubles: listings a host machine cannot hold (missing names,
// odd monitor lists) and a machine with nothing but what the wizard touches. The fake
// spooler adds no port through a monitor, so no monitor dialog shows here.
class FakeRig : public flows::FlowRig {
public:
    explicit FakeRig(const flows::FlowSetup& setup);

    spooler::Spooler& Spooler() override { return spooler; }
    platform::Registry& Registry() override { return registry; }
    platform::Files& Files() override { return files; }
    platform::System& System() override { return system; }
    void SetPortMonitorUi(machine::PortMonitorUi*) override {}
    bool ListPrinters(std::vector<flows::PrinterSeen>& printers, std::string& why) override;
    std::string Description() const override;

    fakes::FakeSpooler spooler;
    fakes::FakeRegistry registry;
    fakes::FakeFiles files;
    fakes::FakeSystem system;

private:
    machine::WindowsVersion m_version;
};

}  // namespace flowtest
