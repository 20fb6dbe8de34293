#include "afx/host/HostApp.h"

#include "afx/CWinApp.h"
#include "afx/host/Desktop.h"

#include <array>
#include <unistd.h>

namespace afx::host {
namespace {

std::string g_programPath;

std::string RunningExecutable() {
    std::array<char, 4096> buffer{};
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    return length > 0 ? std::string(buffer.data(), static_cast<std::size_t>(length)) : std::string();
}

}  // namespace

void SetProgramPath(const std::string& programPath) { g_programPath = programPath; }

std::string GetProgramPath() { return g_programPath.empty() ? RunningExecutable() : g_programPath; }

int RunApp(Desktop& desktop, const std::string& programPath) {
    DesktopScope scope(desktop);
    if (!programPath.empty()) {
        SetProgramPath(programPath);
    }
    if (AfxGetApp() == nullptr) {
        return -1;
    }
    const int status = AfxWinMain();
    return desktop.InputError() ? kExitInputEnded : status;
}

}  // namespace afx::host
