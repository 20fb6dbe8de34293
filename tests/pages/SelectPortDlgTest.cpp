// Select Port: the listing, the default port, the untrusted texts, Create Port and
// Configure Port, and how the page ends when it is run on its own.
#include "PagesFixture.h"
#include "pages/SelectPortDlg.h"

namespace pagestest {
namespace {

std::vector<std::string> RowTexts(const Control& list, std::size_t column)
{
    std::vector<std::string> texts;
    for (const ListRow& row : list.rows)
        texts.emplace_back(row.Text(column));
    return texts;
}

std::vector<std::string> WithLineFeeds(const std::vector<std::string>& names)
{
    std::vector<std::string> lines;
    for (const std::string& name : names)
        lines.push_back(name + "\n");
    return lines;
}

class SelectPortDlgTest : public PagesTest {
protected:
    // Runs the page on its own and returns what its list showed when it opened.
    Control OpenedList(const std::vector<spooler::PortEntry>& ports)
    {
        spooler.ports = ports;
        Control list;
        input.Check([&](const Desktop&) { list = ControlOf(IDD_SELECT_PORT, IDC_PORT_LIST); })
            .Then(PressControl{IDC_PORT_CANCEL});
        CSelectPortDlg page;
        EXPECT_EQ(page.DoModal(), IDCANCEL);
        return list;
    }
};

TEST_F(SelectPortDlgTest, PreselectsTheLastLpt1ElseTheLastCom1ElseTheLastFile)
{
    const struct {
        std::vector<std::string> names;
        int selected;
    } cases[] = {
        {{"COM1:", "COM2:", "FILE:", "LPT1:", "LPT2:"}, 3},
        {{"LPT1:", "COM2:", "FILE:", "COM1:"}, 0},
        {{"LPT2:", "USB001", "COM1:", "NUL:", "Ne00:", "FILE:"}, 2},
        {{"FILE:", "LPT2:"}, 0},
        {{"LPT2:", "COM1:", "a", "b", "c", "d", "e", "f", "g", "COM10:"}, 9},  // COM10: counts as COM1
        {{"LPT1:", "COM1:", "LPT1.PRN"}, 2},
        {{"lpt1:", "com1:", "FILE:", "file:"}, 2},  // the prefixes compare case-sensitively
        {{"lpt1:", "Lpt1:", "LPT", "COM", "FIL", ""}, -1},
        {{}, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.names));
        system.traces.clear();
        const Control list = OpenedList(PortsNamed(c.names));
        EXPECT_EQ(RowTexts(list, 0), c.names);
        EXPECT_EQ(list.SelectedRow(), c.selected);
        if (c.selected >= 0) {
            // Selected without the focus state.
            EXPECT_EQ(list.rows[static_cast<std::size_t>(c.selected)].state & (LVIS_SELECTED | LVIS_FOCUSED),
                      LVIS_SELECTED);
        }
        EXPECT_EQ(Traces(), WithLineFeeds(c.names));
    }
}

TEST_F(SelectPortDlgTest, ListsOnlyTheFirst256Ports)
{
    std::vector<std::string> names;
    for (int n = 0; n < 300; ++n)
        names.push_back("P" + std::to_string(n) + ":");
    names[10] = "COM1:";
    names[280] = "LPT1:";  // beyond the list: neither shown nor chosen
    const Control list = OpenedList(PortsNamed(names));
    const std::vector<std::string> listed(names.begin(), names.begin() + 256);
    EXPECT_EQ(RowTexts(list, 0), listed);
    EXPECT_EQ(list.SelectedRow(), 10);
    EXPECT_EQ(Traces(), WithLineFeeds(listed));
}

TEST_F(SelectPortDlgTest, ShowsTheSpoolersTextsAsGivenWhateverTheyHold)
{
    const std::string huge(64 * 1024, 'L');
    const std::string controls = "COM1:\x01\x1b[2J\r\n\t\x7f";
    spooler.ports = {
        {std::nullopt, "Local Port", "no name"},
        {"LPT2:", std::nullopt, std::nullopt},
        {controls, "Local Port", "bell\a"},
        {"LPT1" + huge, "Local Port", huge},
    };
    Control list;
    CSelectPortDlg page;
    input.Check([&](const Desktop&) { list = ControlOf(IDD_SELECT_PORT, IDC_PORT_LIST); })
        .Then(PressControl{IDC_INSTALL});  // no Detail Setting page: only the port is taken
    EXPECT_EQ(page.DoModal(), IDOK);

    EXPECT_EQ(RowTexts(list, 0), (std::vector<std::string>{"", "LPT2:", controls, "LPT1" + huge}));
    EXPECT_EQ(RowTexts(list, 1), (std::vector<std::string>{"no name", "", "bell\a", huge}));
    EXPECT_EQ(list.SelectedRow(), 3);
    EXPECT_EQ(Traces(), (std::vector<std::string>{"\n", "LPT2:\n", controls + "\n", "LPT1" + huge + "\n"}));
    EXPECT_EQ(page.m_strPort, "LPT1" + huge);  // read in full
}

TEST_F(SelectPortDlgTest, OpensWithItsColumnsListStyleAndAnEmptyBar)
{
    Control list;
    Control bar;
    input.Check([&](const Desktop&) {
             list = ControlOf(IDD_SELECT_PORT, IDC_PORT_LIST);
             bar = ControlOf(IDD_SELECT_PORT, IDC_PROGRESS);
             EXPECT_EQ(Top().FocusedControl()->id, IDC_PORT_LIST);
         })
        .Then(KeyPress{Key::Escape});
    CSelectPortDlg page;
    page.DoModal();
    ASSERT_EQ(list.columns.size(), 2u);
    EXPECT_EQ(list.columns[0].text, "Port");
    EXPECT_EQ(list.columns[0].width, 150);
    EXPECT_EQ(list.columns[1].text, "Type");
    EXPECT_EQ(list.columns[1].width, 280);
    EXPECT_EQ(list.listExStyle & (LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_TRACKSELECT),
              LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    EXPECT_EQ(RowTexts(list, 1), std::vector<std::string>(list.rows.size(), "Local Port"));
    EXPECT_EQ(bar.rangeLow, 0);
    EXPECT_EQ(bar.rangeHigh, 100);
    EXPECT_EQ(bar.position, 0);
}

// However the Create Port dialog ends, the list is read again with its style applied
// again, and the default port replaces the user's choice.
TEST_F(SelectPortDlgTest, ClosingCreatePortRebuildsTheListAndSelectsTheDefaultAgain)
{
    const InputEvent closings[] = {PressControl{IDC_CREATE_CLOSE}, KeyPress{Key::Escape}, KeyPress{Key::Enter},
                                   ClickCloseBox{}};
    for (const InputEvent& closing : closings) {
        SCOPED_TRACE(Describe(closing));
        spooler.ports = PortsNamed({"COM1:", "LPT1:", "FILE:"});
        spooler.listPortsCalls.clear();
        Control before;
        Control after;
        input.Then(ClickRow{IDC_PORT_LIST, 0})
            .Check([&](const Desktop&) {
                CSelectPortDlg& page = Page<CSelectPortDlg>(IDD_SELECT_PORT);
                CListCtrl* list = page.GetDlgItem<CListCtrl>(IDC_PORT_LIST);
                list->SetExtendedStyle(LVS_EX_TRACKSELECT | 0x4);  // as another program might leave it
                before = ControlOf(IDD_SELECT_PORT, IDC_PORT_LIST);
                spooler.ports.insert(spooler.ports.begin(), PortsNamed({"COM5:"}).front());
            })
            .Then(PressControl{IDC_CREATE_PORT})
            .Then(closing)
            .Check([&](const Desktop&) { after = ControlOf(IDD_SELECT_PORT, IDC_PORT_LIST); })
            .Then(PressControl{IDC_PORT_CANCEL});
        CSelectPortDlg page;
        page.DoModal();
        EXPECT_EQ(before.SelectedRow(), 0);
        EXPECT_EQ(RowTexts(after, 0), (std::vector<std::string>{"COM5:", "COM1:", "LPT1:", "FILE:"}));
        EXPECT_EQ(after.SelectedRow(), 2);
        EXPECT_EQ(after.columns.size(), 2u);
        EXPECT_EQ(after.listExStyle, 0x4u | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
        EXPECT_EQ(spooler.listPortsCalls.size(), 4u);  // two calls per listing
        EXPECT_EQ(input.Remaining(), 0u);
    }
}

TEST_F(SelectPortDlgTest, ConfigurePortAsksTheSpoolerForTheSelectedPortOnly)
{
    spooler.ports = PortsNamed({"COM1:", "LPT1:", "FILE:"});
    HWND pageWindow = nullptr;
    input.Check([&](const Desktop&) { pageWindow = Top().handle; })
        .Then(PressControl{IDC_CONFIGURE_PORT})
        .Then(ClickRow{IDC_PORT_LIST, 0})
        .Then(PressControl{IDC_CONFIGURE_PORT})
        .Then(ClickRow{IDC_PORT_LIST, -1})  // the empty part of the list clears the selection
        .Then(PressControl{IDC_CONFIGURE_PORT})
        .Then(PressControl{IDC_PORT_BACK});
    CSelectPortDlg page;
    EXPECT_EQ(page.DoModal(), IDCANCEL);
    ASSERT_EQ(spooler.configurePortCalls.size(), 2u);
    EXPECT_EQ(spooler.configurePortCalls[0].name, "LPT1:");
    EXPECT_EQ(spooler.configurePortCalls[1].name, "COM1:");
    EXPECT_EQ(spooler.configurePortCalls[0].owner, reinterpret_cast<spooler::WindowHandle>(pageWindow));
    EXPECT_EQ(spooler.listPortsCalls.size(), 2u);  // configuring does not rebuild the list
}

TEST_F(SelectPortDlgTest, EnterEndsThePageWithoutTakingAPort)
{
    input.Then(ClickRow{IDC_PORT_LIST, 2}).Then(KeyPress{Key::Enter});
    CSelectPortDlg page;
    EXPECT_EQ(page.DoModal(), IDOK);
    EXPECT_TRUE(page.m_strPort.IsEmpty());
}

TEST_F(SelectPortDlgTest, InstallWithNothingSelectedKeepsThePortItHad)
{
    spooler.ports = PortsNamed({"COM3:", "LPT1:"});
    input.Then(ClickRow{IDC_PORT_LIST, -1}).Then(PressControl{IDC_INSTALL});
    CSelectPortDlg page;
    page.m_strPort = "COM3:";
    EXPECT_EQ(page.DoModal(), IDOK);
    EXPECT_EQ(page.m_strPort, "COM3:");
}

TEST_F(SelectPortDlgTest, BackCancelAndEscEndThePageAlike)
{
    for (const InputEvent& event : {InputEvent{PressControl{IDC_PORT_BACK}}, InputEvent{PressControl{IDC_PORT_CANCEL}},
                                    InputEvent{KeyPress{Key::Escape}}, InputEvent{ClickCloseBox{}},
                                    InputEvent{AltLetter{'c'}}}) {
        SCOPED_TRACE(Describe(event));
        input.Then(event);
        CSelectPortDlg page;
        EXPECT_EQ(page.DoModal(), IDCANCEL);
        EXPECT_TRUE(page.m_strPort.IsEmpty());
    }
}

}  // namespace
}  // namespace pagestest
