// Create Port: the monitor list and New Port....
#include "PagesFixture.h"
#include "pages/CreatePortDlg.h"

namespace pagestest {
namespace {

class CreatePortDlgTest : public PagesTest {
protected:
    Control monitors;
    HWND dialog = nullptr;

    void ReadList()
    {
        input.Check([this](const Desktop&) {
            monitors = ControlOf(IDD_CREATE_PORT, IDC_MONITOR_LIST);
            dialog = Top().handle;
        });
    }
};

TEST_F(CreatePortDlgTest, ListsTheNamedMonitorsWithoutGapsAndSelectsTheFirst)
{
    const std::string huge(64 * 1024, 'M');
    spooler.monitors = {{"Local Port"}, {std::nullopt}, {"Standard TCP/IP Port"}, {"\x01\x1b[31m"}, {huge}};
    ReadList();
    input.Then(PressControl{IDC_CREATE_CLOSE});
    CCreatePortDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);

    ASSERT_EQ(monitors.columns.size(), 1u);
    EXPECT_EQ(monitors.columns[0].text, "Available Port Type");
    EXPECT_EQ(monitors.columns[0].width, 340);
    EXPECT_EQ(monitors.listExStyle & (LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_TRACKSELECT),
              LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    std::vector<std::string> rows;
    for (const ListRow& row : monitors.rows)
        rows.emplace_back(row.Text(0));
    EXPECT_EQ(rows, (std::vector<std::string>{"Local Port", "Standard TCP/IP Port", "\x01\x1b[31m", huge}));
    EXPECT_EQ(monitors.SelectedRow(), 0);
    EXPECT_EQ(monitors.rows[0].state & LVIS_FOCUSED, 0u);
    EXPECT_EQ(Traces(), (std::vector<std::string>{"Local Port\n", "Standard TCP/IP Port\n", "\x01\x1b[31m\n",
                                                  huge + "\n"}));
}

TEST_F(CreatePortDlgTest, NewPortAsksTheSelectedMonitorEachTimeAndLeavesTheListAlone)
{
    spooler.monitors = {{"Local Port"}, {"Standard TCP/IP Port"}};
    ReadList();
    input.Then(PressControl{IDC_NEW_PORT})
        .Then(ClickRow{IDC_MONITOR_LIST, 1})
        .Then(PressControl{IDC_NEW_PORT})
        .Then(PressControl{IDC_NEW_PORT})
        .Then(ClickRow{IDC_MONITOR_LIST, -1})
        .Then(PressControl{IDC_NEW_PORT})
        .Then(KeyPress{Key::Escape});
    CCreatePortDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    ASSERT_EQ(spooler.addPortCalls.size(), 3u);
    EXPECT_EQ(spooler.addPortCalls[0].name, "Local Port");
    EXPECT_EQ(spooler.addPortCalls[1].name, "Standard TCP/IP Port");
    EXPECT_EQ(spooler.addPortCalls[2].name, "Standard TCP/IP Port");
    for (const auto& call : spooler.addPortCalls)
        EXPECT_EQ(call.owner, reinterpret_cast<spooler::WindowHandle>(dialog));
    EXPECT_EQ(spooler.listMonitorsCalls.size(), 2u);  // listed once
}

TEST_F(CreatePortDlgTest, WithoutMonitorsTheListIsEmptyAndNewPortDoesNothing)
{
    spooler.monitors.clear();
    ReadList();
    input.Then(PressControl{IDC_NEW_PORT}).Then(PressControl{IDC_CREATE_CLOSE});
    CCreatePortDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(input.Remaining(), 0u);
    EXPECT_TRUE(monitors.rows.empty());
    EXPECT_TRUE(spooler.addPortCalls.empty());
    EXPECT_TRUE(Traces().empty());
}

}  // namespace
}  // namespace pagestest
