#include "tests/tools/ToolTestSupport.h"

#include "tools/vornexctl/Command.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>

#include <unistd.h>

namespace {

using toolstest::RunTool;

class VornexctlBadInput : public ::testing::Test {
protected:
    std::filesystem::path Folder() const { return m_temp.Path() / "machine"; }

    void Init()
    {
        const toolstest::ToolResult result = RunTool(Folder(), {"init"});
        ASSERT_EQ(result.status, 0) << result.err;
    }

    // Every listed command fails with status 1, prints nothing and says `message`.
    void ExpectEveryCommandFails(const std::vector<std::vector<std::string>>& commands, const std::string& message,
                                 std::chrono::milliseconds busyTimeout = std::chrono::milliseconds(2000))
    {
        for (const std::vector<std::string>& args : commands) {
            const toolstest::ToolResult result = RunTool(Folder(), args, busyTimeout);
            EXPECT_EQ(result.status, 1) << args[0] << ": " << result.err;
            EXPECT_EQ(result.out, "") << args[0];
            EXPECT_TRUE(result.err.starts_with("vornexctl: ")) << result.err;
            EXPECT_NE(result.err.find(message), std::string::npos) << args[0] << ": " << result.err;
        }
    }

    const std::vector<std::vector<std::string>> m_readers{
        {"version"}, {"printers"}, {"drivers"}, {"ports"}, {"monitors"},
        {"reg", "query", "HKLM\\SOFTWARE"}, {"reg", "export"}, {"trace"}};

private:
    toolstest::TempFolder m_temp;
};

TEST_F(VornexctlBadInput, BadArgumentsGiveUsageAndStatusTwo)
{
    struct ArgumentCase {
        std::vector<std::string> args;
        const char* message;
    };
    const ArgumentCase cases[] = {
        {{}, "no command given"},
        {{"frobnicate"}, "unknown command 'frobnicate'"},
        {{"--verbose"}, "unknown command '--verbose'"},
        {{"init", "--windows", "12"}, "unknown Windows version '12'"},
        {{"init", "--windows=me"}, "unknown Windows version 'me'"},
        {{"init", "--windows"}, "the option --windows needs a value"},
        {{"init", "--windows", "xp", "--windows", "98"}, "the option --windows is given twice"},
        {{"init", "xp"}, "unexpected argument 'xp'"},
        {{"ports", "extra"}, "unexpected argument 'extra'"},
        {{"printers", "--true"}, "unknown option '--true'"},
        {{"version", "-x"}, "unknown option '-x'"},
        {{"reg"}, "which one?"},
        {{"reg", "frob"}, "unknown command 'frob'"},
        {{"reg", "query"}, "missing arguments"},
        {{"reg", "query", "HKLM\\A", "B", "C"}, "unexpected argument 'C'"},
        {{"reg", "query", "HKXX\\SOFTWARE"}, "'HKXX\\SOFTWARE' is not a registry key"},
        {{"reg", "query", "SOFTWARE\\Microsoft"}, "is not a registry key"},
        {{"reg", "export", "--utf16=yes"}, "the option --utf16 takes no value"},
        {{"reg", "export", "HKCR\\x"}, "is not a registry key"},
        {{"trace", "\x1b[2J"}, "unexpected argument '\\x1b[2J'"},
    };
    for (const ArgumentCase& c : cases) {
        const toolstest::ToolResult result = RunTool(Folder(), c.args);
        EXPECT_EQ(result.status, 2) << c.message;
        EXPECT_EQ(result.out, "") << c.message;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_NE(result.err.find("usage"), std::string::npos) << "bad arguments show the usage: " << result.err;
        EXPECT_EQ(result.err.find('\x1b'), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(Folder())) << "no bad command line touches the machine";
}

TEST_F(VornexctlBadInput, HelpIsThereForEveryCommand)
{
    const toolstest::ToolResult overview = RunTool(Folder(), {"--help"});
    EXPECT_EQ(overview.status, 0);
    EXPECT_TRUE(overview.out.starts_with("usage: vornexctl COMMAND")) << overview.out;

    for (const vornexctl::CommandInfo& command : vornexctl::AllCommands()) {
        std::vector<std::string> args;
        if (!command.group.empty())
            args.emplace_back(command.group);
        args.emplace_back(command.name);
        args.emplace_back("--help");
        const toolstest::ToolResult result = RunTool(Folder(), args);
        EXPECT_EQ(result.status, 0) << command.name;
        EXPECT_TRUE(result.out.starts_with("usage: vornexctl " + std::string(command.synopsis) + "\n"))
            << result.out;
        EXPECT_GT(result.out.size(), command.synopsis.size() + 40) << "help says more than the synopsis";
        EXPECT_NE(overview.out.find(command.synopsis), std::string::npos) << "the overview lists " << command.name;
    }
    const toolstest::ToolResult group = RunTool(Folder(), {"reg", "--help"});
    EXPECT_EQ(group.status, 0);
    EXPECT_NE(group.out.find("reg query KEY [VALUE]"), std::string::npos);
    EXPECT_NE(group.out.find("reg export [--utf16] [KEY]"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Folder())) << "help touches no machine";
}

TEST_F(VornexctlBadInput, NoMachineYet)
{
    ExpectEveryCommandFails(m_readers, "there is no machine in '" + Folder().string() +
                                           "': the folder does not exist; 'vornexctl init' creates one");
    EXPECT_FALSE(std::filesystem::exists(Folder())) << "only init creates a machine";

    std::filesystem::create_directories(Folder());
    std::ofstream(Folder() / "notes.txt") << "mine";
    ExpectEveryCommandFails(m_readers, "holds no registry.db");
    ExpectEveryCommandFails({{"init"}}, "holds other files");
    EXPECT_FALSE(std::filesystem::exists(Folder() / "registry.db"));
}

TEST_F(VornexctlBadInput, AFileWhereTheFolderShouldBe)
{
    std::ofstream(Folder()) << "not a folder";
    ExpectEveryCommandFails(m_readers, "'" + Folder().string() + "': it is not a folder");
    ExpectEveryCommandFails({{"init"}}, Folder().string());
    std::ifstream in(Folder());
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "not a folder") << "the file is left alone";
}

TEST_F(VornexctlBadInput, ACorruptRegistryStore)
{
    Init();
    const std::filesystem::path store = Folder() / "registry.db";
    {
        std::ofstream out(store, std::ios::binary | std::ios::trunc);
        out << "this is not a registry store, just some text that happens to be here\n";
        for (int i = 0; i < 200; ++i)
            out << "garbage line " << i << '\n';
    }
    const auto sizeBefore = std::filesystem::file_size(store);
    std::vector<std::vector<std::string>> commands = m_readers;
    commands.push_back({"init"});
    ExpectEveryCommandFails(commands, store.string());
    ExpectEveryCommandFails({{"init"}}, "'vornexctl init' makes a fresh machine");
    EXPECT_EQ(std::filesystem::file_size(store), sizeBefore) << "a corrupt store is not overwritten";
}

// Another process holds the registry longer than the tool waits: a clear failure.
TEST_F(VornexctlBadInput, AMachineInUseTooLong)
{
    Init();
    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open((Folder() / "registry.db").c_str(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

    std::vector<std::vector<std::string>> commands = m_readers;
    commands.push_back({"init", "--windows", "98"});
    ExpectEveryCommandFails(commands, "registry.db", std::chrono::milliseconds(0));

    sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(holder);
    const toolstest::ToolResult after = RunTool(Folder(), {"version"});
    EXPECT_EQ(after.out, "2\t5\t1\t2600\n") << "the refused init changed nothing: " << after.err;
}

TEST_F(VornexctlBadInput, AnUnwritableFolder)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes through permission bits";
    std::filesystem::create_directories(Folder());
    std::filesystem::permissions(Folder(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    ExpectEveryCommandFails({{"init"}}, Folder().string());
}

}  // namespace
