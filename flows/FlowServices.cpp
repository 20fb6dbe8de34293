#include "flows/FlowServices.h"

#include "flows/FlowRig.h"
#include "machine/RegistryNames.h"

#include <algorithm>

namespace flows {

int CountingSpooler::Count(std::string_view call) const
{
    const auto found = m_counts.find(call);
    return found != m_counts.end() ? found->second : 0;
}

Win32Error CountingSpooler::GetDriverDirectory(const std::string& environment, std::uint32_t level,
                                               std::span<char> buffer, std::uint32_t& needed)
{
    ++m_counts["GetDriverDirectory"];
    return m_inner.GetDriverDirectory(environment, level, buffer, needed);
}

Win32Error CountingSpooler::AddDriver(std::uint32_t level, const spooler::DriverInfo3& info)
{
    ++m_counts["AddDriver"];
    return m_inner.AddDriver(level, info);
}

Win32Error CountingSpooler::CreatePrinter(std::uint32_t level, const spooler::PrinterInfo2& info,
                                          spooler::PrinterHandle& printer)
{
    ++m_counts["CreatePrinter"];
    return m_inner.CreatePrinter(level, info, printer);
}

Win32Error CountingSpooler::ClosePrinter(spooler::PrinterHandle printer)
{
    ++m_counts["ClosePrinter"];
    return m_inner.ClosePrinter(printer);
}

Win32Error CountingSpooler::ListPorts(std::uint32_t level, std::span<std::byte> buffer, std::uint32_t& needed,
                                      std::uint32_t& returned)
{
    ++m_counts["ListPorts"];
    return m_inner.ListPorts(level, buffer, needed, returned);
}

Win32Error CountingSpooler::ListMonitors(std::uint32_t level, std::span<std::byte> buffer, std::uint32_t& needed,
                                         std::uint32_t& returned)
{
    ++m_counts["ListMonitors"];
    return m_inner.ListMonitors(level, buffer, needed, returned);
}

Win32Error CountingSpooler::RequestAddPort(spooler::WindowHandle owner, const std::string& monitorName)
{
    ++m_counts["AddPort"];
    return m_inner.RequestAddPort(owner, monitorName);
}

Win32Error CountingSpooler::RequestConfigurePort(spooler::WindowHandle owner, const std::string& portName)
{
    ++m_counts["ConfigurePort"];
    return m_inner.RequestConfigurePort(owner, portName);
}

Win32Error RefusingRegistry::OpenKey(platform::RootKey root, const std::string& subKey, std::uint32_t access,
                                     platform::RegKeyHandle& key)
{
    return m_inner.OpenKey(root, subKey, access, key);
}

Win32Error RefusingRegistry::SetValue(platform::RegKeyHandle key, const std::string& valueName, std::uint32_t type,
                                      std::span<const std::uint8_t> data)
{
    const std::string folded = machine::FoldName(valueName);
    const bool refused = std::any_of(m_refused.begin(), m_refused.end(),
                                     [&](const std::string& name) { return machine::FoldName(name) == folded; });
    if (refused) {
        ++m_refusedCount;
        return platform::kErrorAccessDenied;
    }
    return m_inner.SetValue(key, valueName, type, data);
}

Win32Error RefusingRegistry::QueryValue(platform::RegKeyHandle key, const std::string& valueName, std::uint32_t& type,
                                        std::vector<std::uint8_t>& data)
{
    return m_inner.QueryValue(key, valueName, type, data);
}

Win32Error RefusingRegistry::CloseKey(platform::RegKeyHandle key) { return m_inner.CloseKey(key); }

void FlowSystem::Sleep(std::uint32_t milliseconds)
{
    m_waited += milliseconds;
    if (m_realWait)
        m_inner.Sleep(milliseconds);
}

void FlowSystem::Trace(std::string_view text)
{
    ++m_traces;
    m_inner.Trace(text);
}

FlowServices::FlowServices(FlowRig& rig, const FlowSetup& setup, bool realWait)
    : m_rig(rig),
      m_spooler(rig.Spooler()),
      m_registry(rig.Registry(), setup.failingValues),
      m_files(rig.Files()),
      m_system(rig.System(), realWait)
{
}

}  // namespace flows
