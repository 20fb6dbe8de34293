// Detail Setting: the module list and printer name, the hidden port and serial group,
// the About box, and how the page ends.
#include "PagesFixture.h"
#include "pages/DetailDlg.h"

namespace pagestest {
namespace {

const std::vector<std::string> kModuleNames{
    "TR-A1 58mm Receipt", "TR-A2 80mm Receipt", "TR-A3 80mm Auto-Cutter",
    "TR-A4 80mm Graphic", "TR-A5 112mm Graphic",
};
const std::string kDefaultPrinterName = "VORNEX Receipt Printer";
constexpr int kSerialCombos[] = {IDC_BAUD_RATE, IDC_DATA_BITS, IDC_STOP_BITS, IDC_PARITY, IDC_FLOW_CONTROL};

std::string SelectedItem(const Control& combo)
{
    return combo.selection >= 0 && combo.selection < static_cast<int>(combo.items.size())
               ? combo.items[static_cast<std::size_t>(combo.selection)]
               : "(none)";
}

std::vector<bool> SerialCombosEnabled(const Window& page)
{
    std::vector<bool> enabled;
    for (const int id : kSerialCombos)
        enabled.push_back(page.FindControl(id)->enabled);
    return enabled;
}

// The program's own selection of a hidden port row, then the notification the
// control would send: the user never reaches the hidden combo.
void ChoosePortRow(CDetailDlg& page, int row)
{
    CComboBox* combo = page.GetDlgItem<CComboBox>(IDC_PORT);
    combo->SetCurSel(row);
    page.SendMsg(WM_COMMAND, afx::MakeWParam(IDC_PORT, CBN_SELCHANGE), afx::ToLParam(combo->GetSafeHwnd()));
}

class DetailDlgTest : public PagesTest {};

TEST_F(DetailDlgTest, StartsWithFiveDecodedModulesRowOneAndTheDefaultPrinterName)
{
    input.Check([&](const Desktop&) {
             const Window& page = Top();
             const Control& modules = *page.FindControl(IDC_MODULE);
             EXPECT_EQ(modules.items, kModuleNames);
             EXPECT_EQ(modules.selection, 1);
             EXPECT_EQ(page.FocusedControl(), &modules);
             EXPECT_EQ(page.FindControl(IDC_PRINTER_NAME)->text, kDefaultPrinterName);
             EXPECT_EQ(page.FindControl(IDC_SET_DEFAULT)->check, BST_CHECKED);

             std::vector<std::string> hiddenRows;
             for (const int id : {IDC_PORT, IDC_BAUD_RATE, IDC_DATA_BITS, IDC_STOP_BITS, IDC_PARITY, IDC_FLOW_CONTROL}) {
                 hiddenRows.push_back(SelectedItem(*page.FindControl(id)));
                 EXPECT_FALSE(page.FindControl(id)->visible) << id;
             }
             EXPECT_EQ(hiddenRows, (std::vector<std::string>{"LPT1", "19200", "8", "1", "None", "Hardware"}));
             EXPECT_EQ(SerialCombosEnabled(page), std::vector<bool>(5, false));
             EXPECT_TRUE(page.FindControl(IDC_PORT)->enabled);

             EXPECT_EQ(IconResourceId(page.bigIcon), IDI_VORNEX);
             EXPECT_EQ(IconResourceId(page.smallIcon), IDI_VORNEX);
             ASSERT_GE(page.systemMenu.size(), 2u);
             EXPECT_TRUE(page.systemMenu[page.systemMenu.size() - 2].IsSeparator());
             EXPECT_EQ(page.systemMenu.back().id, IDM_ABOUTBOX);
             EXPECT_EQ(page.systemMenu.back().text, "关于 VORNEX(&A)...");
         })
        .Then(PressControl{IDC_EXIT});
    CDetailDlg page;
    EXPECT_EQ(page.DoModal(), IDOK);
    EXPECT_EQ(g_pDetailDlg, &page);  // the page stays reachable until it is destroyed
}

TEST_F(DetailDlgTest, PickingAModuleShowsItsNameAsThePrinterName)
{
    std::vector<std::string> shown;
    for (const int row : {3, 0, 4, 1, 2}) {
        input.Then(ClickRow{IDC_MODULE, row}).Check([&](const Desktop&) {
            shown.push_back(Top().FindControl(IDC_PRINTER_NAME)->text);
        });
    }
    input.Then(PressControl{IDC_EXIT});
    CDetailDlg page;
    page.DoModal();
    EXPECT_EQ(shown, (std::vector<std::string>{kModuleNames[3], kModuleNames[0], kModuleNames[4],
                                               kModuleNames[1], kModuleNames[2]}));
}

TEST_F(DetailDlgTest, ASerialPortRowOpensTheSerialSettingsAndAParallelOneClosesThem)
{
    std::vector<std::vector<bool>> enabled;
    input.Check([&](const Desktop&) {
             CDetailDlg& page = Page<CDetailDlg>(IDD_DETAIL);
             for (const int row : {3, 1, 6, 0, 4, -1}) {
                 ChoosePortRow(page, row);
                 enabled.push_back(SerialCombosEnabled(Top()));
             }
         })
        .Then(PressControl{IDC_EXIT});
    CDetailDlg page;
    page.DoModal();
    const std::vector<bool> on(5, true);
    const std::vector<bool> off(5, false);
    EXPECT_EQ(enabled, (std::vector<std::vector<bool>>{on, off, on, off, on, off}));
}

TEST_F(DetailDlgTest, SystemCommandsSixteenToThirtyOneOpenTheAboutBox)
{
    std::vector<unsigned> aboutOwnedByPage;
    auto sendCommand = [&](UINT command) {
        input.Check([&, command](const Desktop&) { Page<CDetailDlg>(IDD_DETAIL).SendMsg(WM_SYSCOMMAND, command, 0); });
    };
    auto expectAbout = [&] {
        input.Check([&](const Desktop& d) {
                 const Window& about = Top();
                 EXPECT_EQ(about.templateId, IDD_ABOUTBOX);
                 EXPECT_EQ(about.owner, d.FindByTemplate(IDD_DETAIL)->handle);
                 EXPECT_FALSE(d.FindByTemplate(IDD_DETAIL)->enabled);
                 aboutOwnedByPage.push_back(about.templateId);
             })
            .Then(KeyPress{Key::Escape});
    };
    input.Then(ChooseMenuItem{IDM_ABOUTBOX});
    expectAbout();
    for (const UINT command : {17u, 31u}) {
        sendCommand(command);
        expectAbout();
    }
    sendCommand(32);  // beyond the About ids: the system's own, which ignores it
    input.Check([&](const Desktop&) { EXPECT_EQ(Top().templateId, IDD_DETAIL); });
    sendCommand(SC_CLOSE);  // the close box: the page ends as Cancel ends it, with IDOK

    CDetailDlg page;
    EXPECT_EQ(page.DoModal(), IDOK);
    EXPECT_EQ(aboutOwnedByPage.size(), 3u);
    EXPECT_EQ(input.Remaining(), 0u);
}

// The page's client area is 546 x 359 pixels and the icon 32 x 32: the free height is
// odd, so the top margin is the larger by one.
TEST_F(DetailDlgTest, MinimisedThePageDrawsItsIconCentred)
{
    std::vector<DrawnIcon> drawn;
    std::vector<DrawnIcon> drawnRestored;
    input.Then(MinimizeWindow{})
        .Check([&](const Desktop&) { drawn = Top().drawnIcons; })
        .Then(RestoreWindow{})
        .Check([&](const Desktop&) { drawnRestored = Top().drawnIcons; })
        .Then(PressControl{IDC_EXIT});
    CDetailDlg page;
    page.DoModal();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(IconResourceId(drawn[0].icon), IDI_VORNEX);
    EXPECT_EQ(drawn[0].x, 257);
    EXPECT_EQ(drawn[0].y, 164);
    EXPECT_TRUE(drawnRestored.empty());
}

TEST_F(DetailDlgTest, BackCancelsEveryOtherWayOfLeavingEndsWithOk)
{
    const struct {
        InputEvent event;
        INT_PTR result;
    } cases[] = {
        {PressControl{IDC_BACK}, IDCANCEL}, {AltLetter{'b'}, IDCANCEL},
        {PressControl{IDC_EXIT}, IDOK},     {KeyPress{Key::Escape}, IDOK},
        {ClickCloseBox{}, IDOK},            {KeyPress{Key::AltF4}, IDOK},
        {KeyPress{Key::Enter}, IDOK},  // the focus is on the module list, not a button
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Describe(c.event));
        input.Then(c.event);
        CDetailDlg page;
        EXPECT_EQ(page.DoModal(), c.result);
        EXPECT_EQ(input.Remaining(), 0u);
    }
    EXPECT_TRUE(spooler.addDriverCalls.empty());
    EXPECT_TRUE(files.copyCalls.empty());
}

TEST_F(DetailDlgTest, TheGlobalForgetsAPageThatIsGone)
{
    input.Then(PressControl{IDC_EXIT});
    {
        CDetailDlg page;
        page.DoModal();
        EXPECT_EQ(g_pDetailDlg, &page);
    }
    EXPECT_EQ(g_pDetailDlg, nullptr);
}

}  // namespace
}  // namespace pagestest
