#pragma once

#include "flows/FlowScript.h"
#include "machine/PortMonitorUi.h"
#include "platform/Files.h"
#include "platform/Registry.h"
#include "platform/System.h"
#include "spooler/Spooler.h"

#include <optional>
#include <string>
#include <vector>

// The machine a flow runs on: its services, prepared as the script's header says, and
// what a flow checks afterwards that the services themselves cannot tell.
namespace flows {

struct PrinterSeen {
    std::string name;
    std::string port;
};

class FlowRig {
public:
    virtual ~FlowRig() = default;

    virtual spooler::Spooler& Spooler() = 0;
    virtual platform::Registry& Registry() = 0;
    virtual platform::Files& Files() = 0;
    virtual platform::System& System() = 0;

    // The port monitor's dialogs (not owned; null detaches them). Machines without a
    // monitor of their own ignore them.
    virtual void SetPortMonitorUi(machine::PortMonitorUi* ui) = 0;

    // The printers the spooler holds; false with the reason when they cannot be read.
    virtual bool ListPrinters(std::vector<PrinterSeen>& printers, std::string& why) = 0;

    // "a temporary machine (Windows xp)", for the transcript.
    virtual std::string Description() const = 0;
};

}  // namespace flows
