// The application object: its run, its title, the end of the input.
#include "AfxFixture.h"

namespace afxtest {
namespace {

class CRecordingApp : public CWinApp {
public:
    explicit CRecordingApp(const char* name = nullptr) : CWinApp(name) {}
    std::vector<std::string> calls;
    BOOL initResult = FALSE;
    std::function<void()> pages;

    BOOL InitInstance() override {
        calls.push_back("InitInstance " + GetAppName().Str());
        AfxEnableControlContainer();
        EXPECT_TRUE(Enable3dControlsStatic());
        if (pages) pages();
        return initResult;
    }
    int Run() override {
        calls.push_back("Run");
        return CWinApp::Run();
    }
    int ExitInstance() override {
        calls.push_back("ExitInstance");
        return 7;
    }
};

class AppTest : public AfxTest {};

TEST_F(AppTest, RunsInitInstanceThenExitInstance) {
    const struct {
        BOOL initResult;
        std::vector<std::string> calls;
    } cases[] = {
        {FALSE, {"InitInstance VORNEX", "ExitInstance"}},
        {TRUE, {"InitInstance VORNEX", "Run", "ExitInstance"}},  // no main window: nothing to run
    };
    for (const auto& c : cases) {
        CRecordingApp app;
        app.initResult = c.initResult;
        EXPECT_EQ(AfxGetApp(), &app);
        EXPECT_EQ(RunApp(desktop, "/opt/vornex/VORNEX"), 7);
        EXPECT_EQ(app.calls, c.calls);
    }
    EXPECT_EQ(AfxGetApp(), nullptr);
    EXPECT_EQ(RunApp(desktop, "/opt/vornex/VORNEX"), -1);  // no application object
}

TEST_F(AppTest, TheTitleIsTheProgramFileWithoutItsExtensionUnlessNamed) {
    const struct {
        const char* path;
        const char* name;
        const char* title;
        const char* help;
    } cases[] = {
        {"/opt/vornex/VORNEX", nullptr, "VORNEX", "/opt/vornex/VORNEX.HLP"},
        {"C:\\Setup\\VORNEX.exe", nullptr, "VORNEX", "C:\\Setup\\VORNEX.HLP"},
        {"/x/setup.v1/setup.v2.exe", nullptr, "setup.v2", "/x/setup.v1/setup.v2.HLP"},
        {"VORNEX", nullptr, "VORNEX", "VORNEX.HLP"},
        {"/opt/vornex/VORNEX", "Printer Setup", "Printer Setup", "/opt/vornex/VORNEX.HLP"},
    };
    for (const auto& c : cases) {
        CRecordingApp app(c.name);
        RunApp(desktop, c.path);
        EXPECT_EQ(app.GetAppName(), c.title) << c.path;
        EXPECT_EQ(app.GetHelpFilePath(), c.help) << c.path;
    }
}

TEST_F(AppTest, InputEndingDuringAPageEndsTheRunWithItsOwnStatus) {
    CRecordingApp app;
    INT_PTR first = 0;
    INT_PTR second = 0;
    app.pages = [&] {
        CProbeDlg page(IDD_SELECT_OS);
        first = page.DoModal();
        second = page.DoModal();  // the page loop would show it again: it does not open
    };
    input.Then(KeyPress{Key::Tab});
    EXPECT_EQ(RunApp(desktop, "/opt/vornex/VORNEX"), kExitInputEnded);
    EXPECT_EQ(first, IDCANCEL);
    EXPECT_EQ(second, -1);
    EXPECT_EQ(app.calls, (std::vector<std::string>{"InitInstance VORNEX", "ExitInstance"}));
    ASSERT_TRUE(desktop.InputError().has_value());
    EXPECT_NE(desktop.InputError()->find("\"Select OS\" (dialog 129)"), std::string::npos);
}

}  // namespace
}  // namespace afxtest
