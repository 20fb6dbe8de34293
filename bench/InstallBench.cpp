// Time of the install procedure on a host machine, with the final 500 ms wait taken
// out: a first install on a fresh machine, and a repeated install over it.
//   build/default/bench/vornex_install_bench

#include "install/InstallProcedure.h"
#include "machine/Machine.h"
#include "tests/support/NoWaitSystem.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace {

namespace fs = std::filesystem;

// A temporary working folder holding win2k/, made the current directory, and a
// machine folder beside it.
class BenchFolders {
public:
    BenchFolders()
    {
        std::string pattern = (fs::temp_directory_path() / "vornex-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::cerr << "cannot create a temporary folder\n";
            std::exit(1);
        }
        m_root = pattern;
        fs::create_directories(m_root / "work");
        fs::copy(VORNEX_SAMPLE_DIR, m_root / "work" / "win2k");
        m_previous = fs::current_path();
        fs::current_path(m_root / "work");
    }
    ~BenchFolders()
    {
        fs::current_path(m_previous);
        fs::remove_all(m_root);
    }
    fs::path MachineFolder(int n) const { return m_root / ("machine" + std::to_string(n)); }

private:
    fs::path m_root;
    fs::path m_previous;
};

std::unique_ptr<machine::Machine> OpenMachine(const fs::path& folder)
{
    std::unique_ptr<machine::Machine> host;
    const machine::MachineStatus status = machine::Machine::Open(folder, {}, host);
    if (!status.Ok()) {
        std::cerr << status.message << "\n";
        std::exit(1);
    }
    return host;
}

bool InstallOnce(machine::Machine& host)
{
    fakes::NoWaitSystem system(host.GetSystem());
    install::InstallChoices choices;
    choices.moduleRow = 3;
    choices.portRow = 3;
    choices.portName = "LPT1:";
    const install::InstallServices services{host.GetSpooler(), host.GetRegistry(), host.GetFiles(),
                                            system, [](int) {}, [](const std::string&) {}};
    return install::RunInstallProcedure(choices, services).Succeeded();
}

void BM_FirstInstallOnFreshMachine(benchmark::State& state)
{
    BenchFolders folders;
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto host = OpenMachine(folders.MachineFolder(n++));
        state.ResumeTiming();
        if (!InstallOnce(*host))
            state.SkipWithError("install failed");
    }
}
BENCHMARK(BM_FirstInstallOnFreshMachine)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_RepeatedInstall(benchmark::State& state)
{
    BenchFolders folders;
    auto host = OpenMachine(folders.MachineFolder(0));
    InstallOnce(*host);
    for (auto _ : state) {
        if (!InstallOnce(*host))
            state.SkipWithError("install failed");
    }
}
BENCHMARK(BM_RepeatedInstall)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
