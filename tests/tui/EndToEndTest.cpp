// The real VORNEX in a terminal: tmux gives it a pseudo-terminal of 100 x 32, the test
// presses keys and clicks as a person would and reads the screen back, on a fresh
// machine folder; vornexctl then shows what the install left on the machine.
#include "tests/tui/Tmux.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace tuitest {
namespace {

namespace fs = std::filesystem;

constexpr const char* kDefaultPrinterKey = "HKCU\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";

class EndToEndTest : public ::testing::Test {
protected:
    EndToEndTest() {
        char folder[] = "/tmp/vornex-e2e-XXXXXX";
        m_folder = ::mkdtemp(folder);
        m_machine = m_folder / "machine";
        fs::create_directories(m_machine);
        m_tmux = std::make_unique<Tmux>(m_folder);
    }
    ~EndToEndTest() override {
        m_tmux.reset();
        fs::remove_all(m_folder);
    }

    // VORNEX from the build folder (beside win2k/), on the test's machine, from a shell
    // that says how it ended and shows the terminal's modes then. The shell outlives a
    // Ctrl+C meant for VORNEX, as an interactive one does.
    bool StartVornex(int width = 100, int height = 32) {
        const std::string command = "sh -c " + ShellQuote("trap : INT; " + ShellQuote(VORNEX_PROGRAM) +
                                                          "; echo \"VORNEX ended $?\"; stty -a; exec sleep 600");
        return m_tmux->Start(command, width, height, VORNEX_BUILD_ROOT,
                             {{"TERM", "tmux-256color"}, {"LANG", "C.UTF-8"}, {"VORNEX_MACHINE", m_machine.string()}});
    }

    std::string Vornexctl(const std::string& arguments) {
        const std::string command = "VORNEX_MACHINE=" + ShellQuote(m_machine.string()) + " " +
                                    ShellQuote(VORNEXCTL_PROGRAM) + " " + arguments + " 2>&1";
        std::string output;
        if (FILE* pipe = ::popen(command.c_str(), "r")) {
            char buffer[512];
            std::size_t n = 0;
            while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
            ::pclose(pipe);
        }
        return output;
    }

    // Clicks the first cell of `text` on the screen.
    void ClickOn(const std::string& text) {
        int column = 0;
        int row = 0;
        const std::string screen = m_tmux->Capture();
        ASSERT_TRUE(FindOnScreen(screen, text, column, row)) << "no \"" << text << "\" on\n" << screen;
        m_tmux->Click(column, row);
    }

    Tmux& tmux() { return *m_tmux; }

private:
    fs::path m_folder;
    fs::path m_machine;
    std::unique_ptr<Tmux> m_tmux;
};

TEST_F(EndToEndTest, APrinterIsInstalledWithTheKeyboard) {
    ASSERT_TRUE(StartVornex());
    ASSERT_TRUE(tmux().WaitForText("(*) Windows XP")) << tmux().Capture();

    tmux().Keys({"M-n"});
    ASSERT_TRUE(tmux().WaitForText("Install Module")) << tmux().Capture();
    tmux().Keys({"Down"});  // the module combo has the focus: the third module
    ASSERT_TRUE(tmux().WaitForText("Printer Name  [TR-A3")) << tmux().Capture();

    tmux().Keys({"M-n"});
    ASSERT_TRUE(tmux().WaitForText("FILE:")) << tmux().Capture();

    // Create Port..., then New Port... on the "Local Port" monitor, which asks for a name.
    tmux().Keys({"Tab", "Enter"});
    ASSERT_TRUE(tmux().WaitForText("Available Port Type")) << tmux().Capture();
    tmux().Keys({"Tab", "Enter"});
    ASSERT_TRUE(tmux().WaitForText("Enter a port name:")) << tmux().Capture();
    tmux().Type("COM9:");
    ASSERT_TRUE(tmux().WaitForText("[COM9:")) << tmux().Capture();
    tmux().Keys({"Enter"});
    ASSERT_TRUE(tmux().WaitForTextGone("Enter a port name:")) << tmux().Capture();
    // Esc closes Create Port and the port list is read again; typed at once after it,
    // as fast hands do: back to the list, its last row (the new port), Install.
    tmux().Keys({"Escape", "BTab", "End", "M-i"});
    ASSERT_TRUE(tmux().WaitForText("Completed!")) << tmux().Capture();
    tmux().Keys({"Enter"});
    EXPECT_TRUE(tmux().WaitForText("VORNEX ended 0")) << tmux().Capture();

    const std::string printers = Vornexctl("printers");
    EXPECT_NE(printers.find("TR-A3"), std::string::npos) << printers;
    EXPECT_NE(printers.find("COM9:"), std::string::npos) << printers;
    const std::string device = Vornexctl(std::string("reg query ") + ShellQuote(kDefaultPrinterKey) + " Device");
    EXPECT_NE(device.find("TR-A3,winspool,COM9:"), std::string::npos) << device;
}

TEST_F(EndToEndTest, APrinterIsInstalledWithTheMouse) {
    ASSERT_TRUE(StartVornex());
    ASSERT_TRUE(tmux().WaitForText("(*) Windows XP")) << tmux().Capture();
    ClickOn("Next >");
    ASSERT_TRUE(tmux().WaitForText("Install Module")) << tmux().Capture();
    ClickOn("v]");  // the module combo's arrow opens its list
    ASSERT_TRUE(tmux().WaitForText("TR-A5")) << tmux().Capture();
    ClickOn("TR-A4");
    ASSERT_TRUE(tmux().WaitForText("Printer Name  [TR-A4")) << tmux().Capture();
    ClickOn("Next >");
    ASSERT_TRUE(tmux().WaitForText("COM2:")) << tmux().Capture();
    ClickOn("COM2:");
    ClickOn("Install");
    ASSERT_TRUE(tmux().WaitForText("Completed!")) << tmux().Capture();
    ClickOn("OK");
    EXPECT_TRUE(tmux().WaitForText("VORNEX ended 0")) << tmux().Capture();
    const std::string printers = Vornexctl("printers");
    EXPECT_NE(printers.find("TR-A4"), std::string::npos) << printers;
    EXPECT_NE(printers.find("COM2:"), std::string::npos) << printers;
}

TEST_F(EndToEndTest, ATerminalTooSmallWaitsUntilItGrows) {
    ASSERT_TRUE(StartVornex(80, 24));
    ASSERT_TRUE(tmux().WaitForText("needs a terminal of at least 100 x 32")) << tmux().Capture();
    ASSERT_TRUE(tmux().Resize(100, 32));
    ASSERT_TRUE(tmux().WaitForText("(*) Windows XP")) << tmux().Capture();
    tmux().Keys({"Escape"});
    EXPECT_TRUE(tmux().WaitForText("VORNEX ended 0")) << tmux().Capture();
}

// Ctrl+C, a termination request and a crash all leave the terminal as it was: the
// normal screen, the cursor shown, no mouse reports, the line discipline back.
TEST_F(EndToEndTest, TheTerminalIsRestoredWhenASignalEndsTheProgram) {
    struct Ending {
        const char* name;
        int signal;
        bool byKey;
    };
    for (const Ending ending : {Ending{"Ctrl+C", SIGINT, true}, Ending{"SIGTERM", SIGTERM, false},
                                Ending{"SIGSEGV", SIGSEGV, false}, Ending{"SIGHUP", SIGHUP, false}}) {
        SCOPED_TRACE(ending.name);
        tmux().Restart();
        ASSERT_TRUE(StartVornex());
        ASSERT_TRUE(tmux().WaitForText("(*) Windows XP")) << tmux().Capture();
        EXPECT_EQ(tmux().Format("#{alternate_on}"), "1");
        EXPECT_EQ(tmux().Format("#{mouse_standard_flag}"), "1");
        if (ending.byKey) {
            tmux().Keys({"C-c"});
        } else {
            const int pid = tmux().ProgramPid("VORNEX");
            ASSERT_GT(pid, 0);
            ::kill(pid, ending.signal);
        }
        const std::string ended = "VORNEX ended " + std::to_string(128 + ending.signal);
        ASSERT_TRUE(tmux().WaitForText(ended)) << tmux().Capture();
        ASSERT_TRUE(tmux().WaitForText("icanon")) << tmux().Capture();
        const std::string screen = tmux().Capture();
        EXPECT_EQ(screen.find("-icanon"), std::string::npos) << screen;
        EXPECT_EQ(screen.find("-echo "), std::string::npos) << screen;
        EXPECT_EQ(tmux().Format("#{alternate_on}"), "0");
        EXPECT_EQ(tmux().Format("#{cursor_flag}"), "1");
        EXPECT_EQ(tmux().Format("#{mouse_any_flag}"), "0");
        EXPECT_EQ(tmux().Format("#{keypad_cursor_flag}"), "0");
    }
}

}  // namespace
}  // namespace tuitest
