// F1: the Help command, routed to the application, opens the active page's topic.
#include "AfxFixture.h"
#include "afx/host/HelpFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace afxtest {
namespace {

constexpr std::string_view kHelpFile =
    "# VORNEX help\r\n"
    "[131201] Select OS\r\n"
    "The detected version is checked.\r\n"
    "\r\n"
    "Press Next.\r\n"
    "\r\n"
    "[abc] not a header\n"
    "[131174] Detail Setting\n"
    "Pick a module.\n"
    "\n\n";

TEST(HelpFile, FindsATopicByItsContextNumber) {
    const struct {
        DWORD context;
        std::optional<HelpTopic> topic;
    } cases[] = {
        {131201, HelpTopic{"Select OS", "The detected version is checked.\n\nPress Next.\n\n[abc] not a header"}},
        {131174, HelpTopic{"Detail Setting", "Pick a module."}},
        {131211, std::nullopt},
        {0, std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<HelpTopic> found = FindHelpTopic(kHelpFile, c.context);
        ASSERT_EQ(found.has_value(), c.topic.has_value()) << c.context;
        if (found) {
            EXPECT_EQ(found->title, c.topic->title);
            EXPECT_EQ(found->body, c.topic->body);
        }
    }
}

class CHelpApp : public CWinApp {
public:
    std::function<void()> run;
    BOOL InitInstance() override {
        if (run) run();
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHelpApp, CWinApp)
    ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

class HelpTest : public AfxTest {
protected:
    HelpTest() {
        m_folder = std::filesystem::temp_directory_path() / ("afx-help-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_folder);
    }
    ~HelpTest() override { std::filesystem::remove_all(m_folder); }

    // Runs the Select OS template as the application's page, pressing F1 on it.
    std::string HelpShownFor(std::string_view fileContents) {
        if (!fileContents.empty()) {
            std::ofstream(m_folder / "VORNEX.HLP", std::ios::binary) << fileContents;
        }
        std::string shown;
        ScriptedInput script;
        desktop.SetInput(&script);
        script.Then(KeyPress{Key::F1})
            .Check([&](const Desktop& d) {
                const Window* box = d.ActiveWindow();
                ASSERT_TRUE(box->messageBox.has_value());
                EXPECT_EQ(box->caption, "VORNEX Help");
                EXPECT_EQ(box->owner, Shown(IDD_SELECT_OS).handle);
                shown = box->messageBox->text;
            })
            .Then(KeyPress{Key::F1})  // a message box has no help
            .Then(KeyPress{Key::Enter})
            .Then(KeyPress{Key::Escape});
        CHelpApp app;
        app.run = [] {
            CProbeDlg page(IDD_SELECT_OS);
            page.DoModal();
        };
        EXPECT_EQ(RunApp(desktop, (m_folder / "VORNEX").string()), 0);
        EXPECT_EQ(app.GetHelpFilePath(), (m_folder / "VORNEX.HLP").string());
        EXPECT_EQ(script.Refusals(), (std::vector<std::string>{"key F1: a message box has no help"}));
        return shown;
    }

    std::filesystem::path m_folder;
};

TEST_F(HelpTest, F1ShowsThePagesTopic) {
    EXPECT_EQ(HelpShownFor(kHelpFile), "Select OS\n\nThe detected version is checked.\n\nPress Next.\n\n[abc] not a header");
}

TEST_F(HelpTest, AMissingTopicOrFileIsSaidPlainly) {
    EXPECT_EQ(HelpShownFor("[131174] Detail Setting\nPick a module.\n"),
              "The help file " + (m_folder / "VORNEX.HLP").string() + " has no topic 131201.");
    std::filesystem::remove(m_folder / "VORNEX.HLP");
    EXPECT_EQ(HelpShownFor(""), "The help file " + (m_folder / "VORNEX.HLP").string() + " could not be opened.");
}

}  // namespace
}  // namespace afxtest
