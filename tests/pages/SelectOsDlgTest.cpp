// Select OS: the detected version is the one checked button; nothing else counts.
#include "PagesFixture.h"
#include "pages/SelectOsDlg.h"

namespace pagestest {
namespace {

constexpr int kRadios[] = {IDC_OS_WIN95,   IDC_OS_WIN98, IDC_OS_NT4,  IDC_OS_WIN2000, IDC_OS_WINXP,
                           IDC_OS_WIN2003, IDC_OS_VISTA, IDC_OS_WIN7, IDC_OS_WIN2008};

struct RadioState {
    std::vector<int> checked;
    std::vector<int> checkedAndVisible;
};

RadioState ReadRadios(const Window& page)
{
    RadioState state;
    for (const int id : kRadios) {
        const Control* radio = page.FindControl(id);
        if (radio != nullptr && radio->check == BST_CHECKED) {
            state.checked.push_back(id);
            if (radio->visible)
                state.checkedAndVisible.push_back(id);
        }
    }
    return state;
}

class SelectOsDlgTest : public PagesTest {};

TEST_F(SelectOsDlgTest, ChecksTheDetectedVersionOnly)
{
    const struct {
        install::OsCode code;
        std::vector<int> checked;
        std::vector<int> visible;
    } cases[] = {
        {0, {}, {}},
        {1, {IDC_OS_WIN95}, {}},
        {2, {IDC_OS_WIN98}, {}},
        {3, {IDC_OS_NT4}, {}},
        {4, {IDC_OS_WIN2000}, {IDC_OS_WIN2000}},
        {5, {IDC_OS_WINXP}, {IDC_OS_WINXP}},
        {6, {IDC_OS_WIN2003}, {IDC_OS_WIN2003}},
        {7, {IDC_OS_VISTA}, {IDC_OS_VISTA}},
        {8, {IDC_OS_WIN7}, {IDC_OS_WIN7}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        app::ResetWizardGlobals();
        SetOsCode(c.code);
        RadioState seen;
        input.Check([&](const Desktop&) { seen = ReadRadios(Top()); }).Then(KeyPress{Key::Enter});
        CSelectOsDlg page;
        EXPECT_EQ(page.DoModal(), IDOK);  // Next has the focus, also with nothing checked
        EXPECT_EQ(seen.checked, c.checked);
        EXPECT_EQ(seen.checkedAndVisible, c.visible);
        EXPECT_EQ(g_osCode, c.code);
    }
}

TEST_F(SelectOsDlgTest, AClickOnAnotherVersionChangesNothingThatCounts)
{
    SetOsCode(install::kOsWindowsXp);
    RadioState afterClick;
    input.Then(ClickControl{IDC_OS_WIN2000})
        .Check([&](const Desktop&) { afterClick = ReadRadios(Top()); })
        .Then(PressControl{IDC_NEXT});
    CSelectOsDlg page;
    EXPECT_EQ(page.DoModal(), IDOK);
    EXPECT_EQ(afterClick.checked, std::vector<int>{IDC_OS_WIN2000});
    EXPECT_EQ(g_osCode, install::kOsWindowsXp);
}

TEST_F(SelectOsDlgTest, EndsWithOkOrCancel)
{
    const struct {
        InputEvent event;
        INT_PTR result;
    } cases[] = {
        {PressControl{IDC_NEXT}, IDOK},      {KeyPress{Key::Enter}, IDOK},    {AltLetter{'n'}, IDOK},
        {PressControl{IDC_EXIT}, IDCANCEL},  {KeyPress{Key::Escape}, IDCANCEL},
        {ClickCloseBox{}, IDCANCEL},         {KeyPress{Key::AltF4}, IDCANCEL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Describe(c.event));
        input.Then(c.event);
        CSelectOsDlg page;
        EXPECT_EQ(page.DoModal(), c.result);
        EXPECT_EQ(input.Remaining(), 0u);
    }
    // The Back button is hidden and disabled: it cannot be pressed.
    input.Then(PressControl{IDC_BACK}).Then(PressControl{IDC_EXIT});
    CSelectOsDlg page;
    EXPECT_EQ(page.DoModal(), IDCANCEL);
    EXPECT_EQ(input.Refusals().size(), 1u);
}

}  // namespace
}  // namespace pagestest
