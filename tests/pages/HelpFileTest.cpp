// F1 on every dialog of the wizard opens its topic of the help file shipped beside the
// program, and each topic fits on the screen.
#include "PagesFixture.h"
#include "afx/host/HelpFile.h"

#include <fstream>
#include <sstream>

namespace pagestest {
namespace {

class HelpFileTest : public PagesTest {
protected:
    // Presses F1 and notes the topic's title (its first line) and whether the box fits
    // on the screen, then closes it.
    void AskForHelp()
    {
        input.Then(KeyPress{Key::F1})
            .Check([this](const Desktop& d) {
                const Window& box = Top();
                ASSERT_TRUE(box.messageBox.has_value());
                EXPECT_EQ(box.caption, "VORNEX Help");
                const std::string& text = box.messageBox->text;
                titles.push_back(text.substr(0, text.find('\n')));
                // One row for the caption and one for the frame below.
                EXPECT_LE(box.rect.cy + 16, d.ScreenSize().cy) << titles.back();
                EXPECT_LE(box.rect.cx, d.ScreenSize().cx) << titles.back();
            })
            .Then(KeyPress{Key::Enter});
    }

    std::vector<std::string> titles;
};

TEST_F(HelpFileTest, EveryDialogHasItsOwnTopic)
{
    SetProgramPath(std::string(VORNEX_HELP_FILE).substr(0, std::string(VORNEX_HELP_FILE).size() - 4));
    AskForHelp();
    input.Then(PressControl{IDC_NEXT});
    AskForHelp();
    input.Then(ChooseMenuItem{16});
    AskForHelp();
    input.Then(KeyPress{Key::Escape}).Then(PressControl{IDC_NEXT});
    AskForHelp();
    input.Then(PressControl{IDC_CREATE_PORT});
    AskForHelp();
    input.Then(KeyPress{Key::Escape}).Then(KeyPress{Key::Escape}).Then(PressControl{IDC_EXIT});
    EXPECT_EQ(RunApp(desktop), 0);
    EXPECT_EQ(titles, (std::vector<std::string>{"Select OS", "Detail Setting", "About VORNEX", "Select Port",
                                                "Create Port"}));
    EXPECT_TRUE(input.Refusals().empty()) << ::testing::PrintToString(input.Refusals());
}

TEST(HelpFile, TopicsAreKeyedByTheTemplateIds)
{
    std::ifstream file(VORNEX_HELP_FILE, std::ios::binary);
    ASSERT_TRUE(file) << VORNEX_HELP_FILE;
    std::ostringstream text;
    text << file.rdbuf();
    for (const unsigned id : {IDD_ABOUTBOX, IDD_DETAIL, IDD_SELECT_OS, IDD_CREATE_PORT, IDD_SELECT_PORT}) {
        const auto topic = FindHelpTopic(text.str(), HID_BASE_RESOURCE + id);
        ASSERT_TRUE(topic.has_value()) << id;
        EXPECT_FALSE(topic->body.empty()) << id;
    }
}

}  // namespace
}  // namespace pagestest
