#pragma once

#include "platform/Files.h"
#include "platform/Registry.h"
#include "platform/System.h"
#include "spooler/Spooler.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

// What a flow hands the wizard: the machine's services, wrapped so that the flow can
// count what the wizard asked of them and make a registry value fail on purpose.
namespace flows {

using platform::Win32Error;

// Forwards every call and counts it by name (FlowScript.h, CountableCalls).
class CountingSpooler : public spooler::Spooler {
public:
    explicit CountingSpooler(spooler::Spooler& inner) : m_inner(inner) {}

    int Count(std::string_view call) const;

    Win32Error GetDriverDirectory(const std::string& environment, std::uint32_t level, std::span<char> buffer,
                                  std::uint32_t& needed) override;
    Win32Error AddDriver(std::uint32_t level, const spooler::DriverInfo3& info) override;
    Win32Error CreatePrinter(std::uint32_t level, const spooler::PrinterInfo2& info,
                             spooler::PrinterHandle& printer) override;
    Win32Error ClosePrinter(spooler::PrinterHandle printer) override;
    Win32Error ListPorts(std::uint32_t level, std::span<std::byte> buffer, std::uint32_t& needed,
                         std::uint32_t& returned) override;
    Win32Error ListMonitors(std::uint32_t level, std::span<std::byte> buffer, std::uint32_t& needed,
                            std::uint32_t& returned) override;
    Win32Error RequestAddPort(spooler::WindowHandle owner, const std::string& monitorName) override;
    Win32Error RequestConfigurePort(spooler::WindowHandle owner, const std::string& portName) override;

private:
    spooler::Spooler& m_inner;
    std::map<std::string, int, std::less<>> m_counts;
};

// Forwards every call, except that setting a value of one of the given names fails
// with kErrorAccessDenied and changes nothing: a value the user may not write.
class RefusingRegistry : public platform::Registry {
public:
    RefusingRegistry(platform::Registry& inner, std::vector<std::string> refusedValues)
        : m_inner(inner), m_refused(std::move(refusedValues))
    {
    }

    int RefusedCount() const { return m_refusedCount; }

    Win32Error OpenKey(platform::RootKey root, const std::string& subKey, std::uint32_t access,
                       platform::RegKeyHandle& key) override;
    Win32Error SetValue(platform::RegKeyHandle key, const std::string& valueName, std::uint32_t type,
                        std::span<const std::uint8_t> data) override;
    Win32Error QueryValue(platform::RegKeyHandle key, const std::string& valueName, std::uint32_t& type,
                          std::vector<std::uint8_t>& data) override;
    Win32Error CloseKey(platform::RegKeyHandle key) override;

private:
    platform::Registry& m_inner;
    std::vector<std::string> m_refused;
    int m_refusedCount = 0;
};

// Forwards the version query; counts the trace lines and passes them on; the wait is
// counted and, unless `realWait`, not waited: a flow runs in an instant.
class FlowSystem : public platform::System {
public:
    FlowSystem(platform::System& inner, bool realWait) : m_inner(inner), m_realWait(realWait) {}

    int TraceCount() const { return m_traces; }
    std::uint64_t WaitedMilliseconds() const { return m_waited; }

    Win32Error QueryVersion(platform::OsVersionRecord& record) override { return m_inner.QueryVersion(record); }
    void Sleep(std::uint32_t milliseconds) override;
    void Trace(std::string_view text) override;

private:
    platform::System& m_inner;
    bool m_realWait;
    int m_traces = 0;
    std::uint64_t m_waited = 0;
};


class FlowRig;
struct FlowSetup;

// The services of one flow run, built on its rig: what the wizard is handed.
class FlowServices {
public:
    FlowServices(FlowRig& rig, const FlowSetup& setup, bool realWait);

    FlowRig& Rig() { return m_rig; }
    CountingSpooler& Spooler() { return m_spooler; }
    RefusingRegistry& Registry() { return m_registry; }
    platform::Files& Files() { return m_files; }
    FlowSystem& System() { return m_system; }

private:
    FlowRig& m_rig;
    CountingSpooler m_spooler;
    RefusingRegistry m_registry;
    platform::Files& m_files;
    FlowSystem m_system;
};

}  // namespace flows
