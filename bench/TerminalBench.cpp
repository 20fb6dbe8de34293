// Time from exec to the first complete frame in a terminal of 100 x 32: VORNEX's
// Select OS page beside whiptail's message box, each started in a fresh
// pseudo-terminal. The frame is complete when its last text has come out and the
// program has gone quiet (it waits for a key); the time is that of its last byte.
//
//     vornex_tui_bench [runs]      (runs VORNEX from the build folder, beside win2k/)
#include <pty.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kQuiet = std::chrono::milliseconds(200);
constexpr auto kGiveUp = std::chrono::seconds(10);

struct Program {
    const char* name;
    std::vector<std::string> argv;
    std::vector<std::string> lastTexts;  // must come out in this order: the frame's end
};

// Milliseconds from fork to the frame's last byte, or nothing when it never came.
std::optional<double> TimeFirstFrame(const Program& program, const std::string& machine) {
    winsize size{};
    size.ws_row = 32;
    size.ws_col = 100;
    int master = -1;
    const Clock::time_point start = Clock::now();
    const pid_t child = forkpty(&master, nullptr, nullptr, &size);
    if (child < 0) return std::nullopt;
    if (child == 0) {
        setenv("TERM", "xterm-256color", 1);
        setenv("LANG", "C.UTF-8", 1);
        setenv("VORNEX_MACHINE", machine.c_str(), 1);
        std::vector<char*> argv;
        for (const std::string& arg : program.argv) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    std::string output;
    std::size_t found = 0;  // of lastTexts, in order
    std::size_t searchFrom = 0;
    Clock::time_point lastByte = start;
    std::optional<double> elapsed;
    while (Clock::now() - start < kGiveUp) {
        pollfd fd{master, POLLIN, 0};
        const int ready = poll(&fd, 1, static_cast<int>(kQuiet.count()));
        if (ready == 0) {
            if (found == program.lastTexts.size()) {
                elapsed = std::chrono::duration<double, std::milli>(lastByte - start).count();
                break;
            }
            continue;
        }
        char buffer[8192];
        const ssize_t n = read(master, buffer, sizeof buffer);
        if (n <= 0) break;
        lastByte = Clock::now();
        output.append(buffer, static_cast<std::size_t>(n));
        while (found < program.lastTexts.size()) {
            const std::size_t at = output.find(program.lastTexts[found], searchFrom);
            if (at == std::string::npos) break;
            searchFrom = at + program.lastTexts[found].size();
            ++found;
        }
    }
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    close(master);
    return elapsed;
}

struct Figures {
    double median = 0;
    double best = 0;
    int missed = 0;
};

Figures Measure(const Program& program, const std::string& machine, int runs) {
    TimeFirstFrame(program, machine);  // warm the caches (and create the machine)
    std::vector<double> times;
    Figures figures;
    for (int run = 0; run < runs; ++run) {
        if (const std::optional<double> ms = TimeFirstFrame(program, machine)) {
            times.push_back(*ms);
        } else {
            ++figures.missed;
        }
    }
    if (times.empty()) return figures;
    std::sort(times.begin(), times.end());
    figures.median = times[times.size() / 2];
    figures.best = times.front();
    return figures;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    // VORNEX and win2k/ sit at the top of the build folder.
    std::filesystem::current_path(VORNEX_BUILD_DIR);
    char folder[] = "/tmp/vornex-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) return 1;
    const std::string machine = std::string(folder) + "/machine";
    std::filesystem::create_directories(machine);

    const Program vornex{"VORNEX (Select OS)", {"./VORNEX"}, {"Windows XP", "xit", "╝"}};
    const Program whiptail{"whiptail --msgbox",
                           {"whiptail", "--msgbox", "VORNEX benchmark", "10", "40"},
                           {"VORNEX benchmark", "<Ok>", "┘"}};
    const Figures ours = Measure(vornex, machine, runs);
    const Figures theirs = Measure(whiptail, machine, runs);
    std::filesystem::remove_all(folder);

    std::printf("first complete frame in a 100 x 32 pseudo-terminal, %d runs each (median, best):\n", runs);
    std::printf("  %-22s %8.1f ms %8.1f ms%s\n", vornex.name, ours.median, ours.best,
                ours.missed > 0 ? "  (some runs drew no frame)" : "");
    std::printf("  %-22s %8.1f ms %8.1f ms%s\n", whiptail.name, theirs.median, theirs.best,
                theirs.missed > 0 ? "  (some runs drew no frame)" : "");
    if (theirs.median > 0) std::printf("  ratio VORNEX / whiptail: %.2f\n", ours.median / theirs.median);
    return ours.missed == runs || theirs.missed == runs ? 1 : 0;
}
