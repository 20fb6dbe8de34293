#include "tests/tools/ToolTestSupport.h"

#include "tools/vornexctl/Vornexctl.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

namespace toolstest {

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "vornexctl-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
    std::filesystem::remove_all(m_path, ignored);
}

ToolResult RunTool(const std::filesystem::path& machineFolder, std::vector<std::string> args,
                   std::chrono::milliseconds busyTimeout)
{
    std::ostringstream out;
    std::ostringstream err;
    vornexctl::CommandContext context{out, err, machineFolder, busyTimeout};
    ToolResult result;
    result.status = vornexctl::Run(args, context);
    result.out = out.str();
    result.err = err.str();
    return result;
}

namespace {

std::string ReadWhole(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

ToolResult RunProgram(const std::vector<std::string>& args, const std::map<std::string, std::string>& environment,
                      const std::filesystem::path& scratch, const std::filesystem::path& outputFile)
{
    const std::string program = VORNEXCTL_PROGRAM;
    const std::string outFile = (outputFile.empty() ? scratch / "stdout" : outputFile).string();
    const std::string errFile = (scratch / "stderr").string();

    std::vector<std::string> argStrings{program};
    argStrings.insert(argStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : argStrings)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::vector<std::string> envStrings;
    for (const auto& [name, value] : environment)
        envStrings.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (std::string& entry : envStrings)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + program);
    int waitStatus = 0;
    ::waitpid(pid, &waitStatus, 0);

    ToolResult result;
    result.status = WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1;
    if (outputFile.empty())
        result.out = ReadWhole(outFile);
    result.err = ReadWhole(errFile);
    return result;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> SplitFields(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

}  // namespace toolstest
