#include "tests/tools/ToolTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using toolstest::RunProgram;
using toolstest::SplitLines;

// The built program, with nothing but its environment to find the machine by.
TEST(VornexctlProgram, FindsTheMachineThroughTheEnvironment)
{
    toolstest::TempFolder temp;
    toolstest::TempFolder scratch;
    const std::filesystem::path machine = temp.Path() / "explicit";
    const std::map<std::string, std::string> environment{{"VORNEX_MACHINE", machine.string()},
                                                         {"HOME", (temp.Path() / "home").string()}};

    const toolstest::ToolResult init = RunProgram({"init", "--windows", "98"}, environment, scratch.Path());
    EXPECT_EQ(init.status, 0) << init.err;
    EXPECT_TRUE(std::filesystem::exists(machine / "registry.db"));
    const toolstest::ToolResult version = RunProgram({"version"}, environment, scratch.Path());
    EXPECT_EQ(version.status, 0) << version.err;
    EXPECT_TRUE(version.out.starts_with("1\t4\t10\t")) << version.out;
    EXPECT_EQ(SplitLines(RunProgram({"ports"}, environment, scratch.Path()).out).size(), 8u);

    // No VORNEX_MACHINE: $XDG_STATE_HOME/vornex/machine, else ~/.local/state/vornex/machine.
    const std::map<std::string, std::string> xdg{{"XDG_STATE_HOME", (temp.Path() / "state").string()},
                                                 {"HOME", (temp.Path() / "home").string()},
                                                 {"VORNEX_MACHINE", ""}};
    EXPECT_EQ(RunProgram({"init"}, xdg, scratch.Path()).status, 0);
    EXPECT_TRUE(std::filesystem::exists(temp.Path() / "state" / "vornex" / "machine" / "registry.db"));
    const std::map<std::string, std::string> home{{"HOME", (temp.Path() / "home").string()}};
    EXPECT_EQ(RunProgram({"init"}, home, scratch.Path()).status, 0);
    EXPECT_TRUE(std::filesystem::exists(temp.Path() / "home" / ".local" / "state" / "vornex" / "machine" / "registry.db"));
}

TEST(VornexctlProgram, ExitStatusAndMessagesOnStandardError)
{
    toolstest::TempFolder temp;
    toolstest::TempFolder scratch;
    const std::filesystem::path machine = temp.Path() / "machine";
    const std::map<std::string, std::string> environment{{"VORNEX_MACHINE", machine.string()}};

    const toolstest::ToolResult unknown = RunProgram({"frobnicate"}, environment, scratch.Path());
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_NE(unknown.err.find("unknown command 'frobnicate'"), std::string::npos) << unknown.err;

    const toolstest::ToolResult help = RunProgram({"--help"}, environment, scratch.Path());
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("reg export"), std::string::npos);

    ASSERT_EQ(RunProgram({"init"}, environment, scratch.Path()).status, 0);
    // A listing that cannot be written is a failure, not a success with nothing shown.
    if (std::filesystem::exists("/dev/full")) {
        for (const std::vector<std::string>& args : {std::vector<std::string>{"ports"},
                                                     std::vector<std::string>{"reg", "export"}}) {
            const toolstest::ToolResult full = RunProgram(args, environment, scratch.Path(), "/dev/full");
            EXPECT_EQ(full.status, 1) << args[0];
            EXPECT_NE(full.err.find("cannot write the output"), std::string::npos) << full.err;
        }
    }

    std::ofstream(machine / "registry.db", std::ios::trunc) << std::string(4096, 'x');
    const toolstest::ToolResult corrupt = RunProgram({"ports"}, environment, scratch.Path());
    EXPECT_EQ(corrupt.status, 1);
    EXPECT_EQ(corrupt.out, "");
    EXPECT_NE(corrupt.err.find((machine / "registry.db").string()), std::string::npos) << corrupt.err;
}

}  // namespace
