#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tuitest {

// A private tmux server (its own socket, no configuration) holding one session whose
// pane runs a program in a pseudo-terminal: keys go in with send-keys, the screen comes
// out with capture-pane. The server is killed with the object.
class Tmux {
public:
    explicit Tmux(const std::filesystem::path& folder);
    ~Tmux();
    Tmux(const Tmux&) = delete;
    Tmux& operator=(const Tmux&) = delete;

    // Starts `command` (run by /bin/sh) in a width x height pane, in `directory`, with
    // `environment` added (TERM among it).
    bool Start(const std::string& command, int width, int height, const std::filesystem::path& directory,
               const std::map<std::string, std::string>& environment);

    // Kills the server and its session; the next Start begins a new one.
    void Restart();

    // tmux's own arguments, already quoted for the shell; its output.
    std::string Command(const std::string& arguments, int* status = nullptr) const;

    std::string Capture() const;
    // Polls the screen until `ready` says yes or `timeout` passes; false on timeout.
    bool WaitFor(const std::function<bool(const std::string& screen)>& ready,
                 std::chrono::milliseconds timeout = std::chrono::seconds(15)) const;
    bool WaitForText(const std::string& text, std::chrono::milliseconds timeout = std::chrono::seconds(15)) const;
    bool WaitForTextGone(const std::string& text, std::chrono::milliseconds timeout = std::chrono::seconds(15)) const;

    // send-keys with tmux key names ("M-n", "Enter", "BTab").
    void Keys(const std::vector<std::string>& keys) const;
    // Characters typed as they are.
    void Type(const std::string& text) const;
    // Bytes written to the program as the terminal would (mouse reports).
    void Bytes(const std::vector<unsigned char>& bytes) const;
    // A left click at a cell, as an xterm mouse report (press, then release).
    void Click(int column, int row) const;

    // A tmux format of the pane: "#{pane_dead}", "#{alternate_on}"...
    std::string Format(const std::string& format) const;
    bool Resize(int width, int height) const;

    // The process named `name` among the pane's, or 0.
    int ProgramPid(const std::string& name) const;

private:
    std::filesystem::path m_socket;
};

// A text quoted for /bin/sh.
std::string ShellQuote(const std::string& text);

// The cell column and row where `text` first appears in a captured screen, if it does.
bool FindOnScreen(const std::string& screen, const std::string& text, int& column, int& row);

}  // namespace tuitest
