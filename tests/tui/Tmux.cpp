#include "tests/tui/Tmux.h"

#include "tui/SafeText.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>

namespace tuitest {
namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(20);
constexpr const char* kSession = "vornex";

std::string ReadAll(FILE* pipe) {
    std::string output;
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) output.append(buffer.data(), n);
    return output;
}

}  // namespace

std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted.push_back(c);
        }
    }
    return quoted + "'";
}

Tmux::Tmux(const std::filesystem::path& folder) : m_socket(folder / "tmux.sock") {}

Tmux::~Tmux() { Command("kill-server"); }

void Tmux::Restart() {
    Command("kill-server");
    // A server still on its way out keeps no hold on the next one.
    std::error_code ignored;
    std::filesystem::remove(m_socket, ignored);
}

std::string Tmux::Command(const std::string& arguments, int* status) const {
    // UTF-8 whatever the test's own locale, so tmux keeps wide characters whole.
    const std::string command =
        "LANG=C.UTF-8 LC_ALL=C.UTF-8 tmux -u -f /dev/null -S " + ShellQuote(m_socket.string()) + " " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return {};
    std::string output = ReadAll(pipe);
    const int result = ::pclose(pipe);
    if (status != nullptr) *status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
    return output;
}

bool Tmux::Start(const std::string& command, int width, int height, const std::filesystem::path& directory,
                 const std::map<std::string, std::string>& environment) {
    std::string env = "env";
    for (const auto& [name, value] : environment) env += " " + name + "=" + ShellQuote(value);
    int status = -1;
    Command(std::string("new-session -d -s ") + kSession + " -x " + std::to_string(width) + " -y " +
                std::to_string(height) + " -c " + ShellQuote(directory.string()) + " " +
                ShellQuote(env + " " + command),
            &status);
    return status == 0;
}

std::string Tmux::Capture() const { return Command(std::string("capture-pane -p -t ") + kSession); }

bool Tmux::WaitFor(const std::function<bool(const std::string&)>& ready, std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        if (ready(Capture())) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(kPollInterval);
    }
}

bool Tmux::WaitForText(const std::string& text, std::chrono::milliseconds timeout) const {
    return WaitFor([&](const std::string& screen) { return screen.find(text) != std::string::npos; }, timeout);
}

bool Tmux::WaitForTextGone(const std::string& text, std::chrono::milliseconds timeout) const {
    return WaitFor([&](const std::string& screen) { return screen.find(text) == std::string::npos; }, timeout);
}

void Tmux::Keys(const std::vector<std::string>& keys) const {
    std::string arguments = std::string("send-keys -t ") + kSession;
    for (const std::string& key : keys) arguments += " " + ShellQuote(key);
    Command(arguments);
}

void Tmux::Type(const std::string& text) const {
    Command(std::string("send-keys -l -t ") + kSession + " " + ShellQuote(text));
}

void Tmux::Bytes(const std::vector<unsigned char>& bytes) const {
    std::string arguments = std::string("send-keys -H -t ") + kSession;
    char hex[8];
    for (unsigned char byte : bytes) {
        std::snprintf(hex, sizeof hex, " %02x", byte);
        arguments += hex;
    }
    Command(arguments);
}

void Tmux::Click(int column, int row) const {
    // X10 encoding: ESC [ M, then button + 32, column + 33, row + 33.
    const auto x = static_cast<unsigned char>(column + 33);
    const auto y = static_cast<unsigned char>(row + 33);
    Bytes({0x1B, '[', 'M', 32, x, y, 0x1B, '[', 'M', 32 + 3, x, y});
}

std::string Tmux::Format(const std::string& format) const {
    std::string value = Command(std::string("display-message -p -t ") + kSession + " " + ShellQuote(format));
    while (!value.empty() && (value.back() == '\n' || value.back() == '\r')) value.pop_back();
    return value;
}

bool Tmux::Resize(int width, int height) const {
    int status = -1;
    Command(std::string("resize-window -t ") + kSession + " -x " + std::to_string(width) + " -y " +
                std::to_string(height),
            &status);
    return status == 0;
}

int Tmux::ProgramPid(const std::string& name) const {
    std::vector<std::string> pending = {Format("#{pane_pid}")};
    while (!pending.empty()) {
        const std::string pid = pending.back();
        pending.pop_back();
        std::ifstream comm("/proc/" + pid + "/comm");
        std::string command;
        std::getline(comm, command);
        if (command == name) return std::stoi(pid);
        std::ifstream children("/proc/" + pid + "/task/" + pid + "/children");
        for (std::string child; children >> child;) pending.push_back(child);
    }
    return 0;
}

bool FindOnScreen(const std::string& screen, const std::string& text, int& column, int& row) {
    std::istringstream lines(screen);
    std::string line;
    for (row = 0; std::getline(lines, line); ++row) {
        const std::size_t at = line.find(text);
        if (at != std::string::npos) {
            column = tui::SafeWidth(line.substr(0, at));
            return true;
        }
    }
    return false;
}

}  // namespace tuitest
