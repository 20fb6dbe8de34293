#pragma once

#include "afx/win32/WinApi.h"

#include "flows/FlowRig.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32System.h"
#include "spooler/win32/Win32Spooler.h"

#include <optional>
#include <string>

// The machine a flow runs on under Wine (or Windows): the real spooler, registry, files
// and system, prepared as the script's header says.
namespace robot {

class Win32Rig final : public flows::FlowRig {
public:
    spooler::Spooler& Spooler() override { return m_spooler; }
    platform::Registry& Registry() override { return m_registry; }
    platform::Files& Files() override { return m_files; }
    platform::System& System() override { return m_system; }
    // The port monitors are the system's own, with their own dialogs.
    void SetPortMonitorUi(machine::PortMonitorUi*) override {}
    bool ListPrinters(std::vector<flows::PrinterSeen>& printers, std::string& why) override;
    std::string Description() const override;

    // Takes away the keys the script says are missing and writes the ports it lists
    // into the Ports key; the reason when it cannot.
    std::optional<std::string> Prepare(const flows::FlowSetup& setup);

private:
    spooler::win32::Win32Spooler m_spooler;
    platform::win32::Win32Registry m_registry;
    platform::win32::Win32Files m_files;
    platform::win32::Win32System m_system;
};

// Wine's name for a Windows version ("winxp"), or nothing when Wine cannot pose as it.
std::optional<std::string> WineVersionName(const std::string& shortName);

// The version the system reports, as "5.1 (platform 2)".
std::string ReportedVersion();

bool RunningUnderWine();

}  // namespace robot
