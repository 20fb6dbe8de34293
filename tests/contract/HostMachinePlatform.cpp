#include "machine/Machine.h"
#include "tests/contract/PlatformUnderTest.h"
#include "tests/machine/TempFolder.h"

namespace contract {

namespace {

class HostMachinePlatform : public PlatformUnderTest {
public:
    HostMachinePlatform()
    {
        const machine::MachineStatus status = machine::Machine::Open(m_folder / "machine", {}, m_machine);
        if (!status.Ok())
            throw std::runtime_error(status.message);
    }

    platform::Registry& GetRegistry() override { return m_machine->GetRegistry(); }
    platform::Files& GetFiles() override { return m_machine->GetFiles(); }
    platform::System& GetSystem() override { return m_machine->GetSystem(); }
    spooler::Spooler& GetSpooler() override { return m_machine->GetSpooler(); }

    std::string PlaceSourceFile(const std::string& name, std::string_view content) override
    {
        machinetest::WriteFile(m_folder / "machine" / "drive_c" / "contract-source" / name, content);
        return "C:\\contract-source\\" + name;
    }

    std::optional<std::string> ReadResultFile(const std::string& windowsPath) override
    {
        const machine::MappedPath mapped = m_machine->GetPaths().Map(windowsPath);
        std::error_code ec;
        if (mapped.error || !std::filesystem::is_regular_file(mapped.hostPath, ec))
            return std::nullopt;
        return machinetest::ReadFile(mapped.hostPath);
    }

    std::optional<std::string> TraceOutput() override
    {
        std::error_code ec;
        if (!std::filesystem::exists(m_machine->TraceFile(), ec))
            return std::string();
        return machinetest::ReadFile(m_machine->TraceFile());
    }

private:
    machinetest::TempFolder m_folder;
    std::unique_ptr<machine::Machine> m_machine;
};

}  // namespace

std::unique_ptr<PlatformUnderTest> MakeHostMachinePlatform()
{
    return std::make_unique<HostMachinePlatform>();
}

}  // namespace contract
