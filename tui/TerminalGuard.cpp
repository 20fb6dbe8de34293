#include "tui/TerminalGuard.h"

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <termios.h>
#include <unistd.h>

namespace tui {
namespace {

constexpr std::array<int, 9> kSignals = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL};

// Everything the handler touches is plain data written before it is armed.
struct GuardState {
    int fd = -1;
    bool haveModes = false;
    termios modes{};
    char restore[256] = {};
    std::size_t restoreLength = 0;
};

GuardState g_guard;
volatile std::sig_atomic_t g_armed = 0;
void (*g_onExit)() = nullptr;
bool g_exitHookInstalled = false;
std::array<struct sigaction, kSignals.size()> g_previous{};

void RestoreFromSignal(int signal) {
    if (g_armed != 0) {
        g_armed = 0;
        std::size_t written = 0;
        while (written < g_guard.restoreLength) {
            const ssize_t n = write(g_guard.fd, g_guard.restore + written, g_guard.restoreLength - written);
            if (n <= 0) break;
            written += static_cast<std::size_t>(n);
        }
        if (g_guard.haveModes) tcsetattr(g_guard.fd, TCSANOW, &g_guard.modes);
    }
    // SA_RESETHAND put back the default action: the signal now ends the process as it
    // would have without us.
    raise(signal);
}

void AtExit() {
    if (g_armed != 0 && g_onExit != nullptr) g_onExit();
}

}  // namespace

void SaveTerminalModes(int fd) {
    g_guard.fd = fd;
    g_guard.haveModes = tcgetattr(fd, &g_guard.modes) == 0;
    // The dispositions from before the session: curses puts handlers of its own on some.
    for (std::size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i], nullptr, &g_previous[i]);
}

void ArmTerminalGuard(std::string restore, void (*onExit)()) {
    const std::size_t length = std::min(restore.size(), sizeof g_guard.restore);
    std::memcpy(g_guard.restore, restore.data(), length);
    g_guard.restoreLength = length;
    g_onExit = onExit;
    if (!g_exitHookInstalled) {
        g_exitHookInstalled = std::atexit(AtExit) == 0;
    }
    struct sigaction action{};
    action.sa_handler = RestoreFromSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = static_cast<int>(SA_RESETHAND | SA_NODEFER);
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &action, nullptr);
    }
    g_armed = 1;
}

void DisarmTerminalGuard() {
    if (g_armed == 0) return;
    g_armed = 0;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &g_previous[i], nullptr);
    }
}

}  // namespace tui
