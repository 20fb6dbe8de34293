#pragma once

#include <chrono>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace toolstest {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

struct ToolResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs vornexctl's commands in this process on the machine in `machineFolder`.
ToolResult RunTool(const std::filesystem::path& machineFolder, std::vector<std::string> args,
                   std::chrono::milliseconds busyTimeout = std::chrono::milliseconds(2000));

// Runs the built vornexctl program with exactly `environment` as its environment; its
// output goes to files in `scratch`, or standard output to `outputFile` when given
// (and is then not read back).
ToolResult RunProgram(const std::vector<std::string>& args, const std::map<std::string, std::string>& environment,
                      const std::filesystem::path& scratch, const std::filesystem::path& outputFile = {});

std::vector<std::string> SplitLines(const std::string& text);
std::vector<std::string> SplitFields(const std::string& line);

}  // namespace toolstest
