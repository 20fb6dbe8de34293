#include "PagesFixture.h"

#include "pages/SelectPortDlg.h"

#include <array>
#include <map>
#include <utility>

namespace pagestest {

const std::vector<std::string> PagesTest::kSourceFiles = {
    "TRX.DLL",    "TRX2.DLL",   "TRA1.GPD",     "TRA2.GPD",     "TRA3.GPD",
    "TRA4.GPD",   "TRA5.GPD",   "uniDRVui.DLL", "uniDRV.DLL",   "UNIDRV.HLP",
    "UNIRES.DLL", "TTFSUB.GPD", "STDNAMES.GPD", "KOEMUNI.ini",  "KOEMUNI.dll",
};
const std::string PagesTest::kDeviceKey(install::kDefaultPrinterKey);
const std::string PagesTest::kPortsKey(install::kPortsKey);

std::vector<unsigned> ScreenRecorder::Templates() const
{
    std::vector<unsigned> ids;
    for (const Opened& window : opened)
        if (window.templateId != 0)
            ids.push_back(window.templateId);
    return ids;
}

std::vector<std::string> ScreenRecorder::Messages() const
{
    std::vector<std::string> texts;
    for (const Opened& window : opened)
        if (window.templateId == 0)
            texts.push_back(window.text);
    return texts;
}

void ScreenRecorder::OnDesktopChanged(const Desktop& desktop, const Change& change)
{
    const Window* window = desktop.Find(change.window);
    if (change.kind == ChangeKind::WindowOpened && window != nullptr) {
        Opened entry{window->templateId, {}, MessageBoxIcon::None, window->owner};
        if (window->messageBox) {
            entry.text = window->messageBox->text;
            entry.icon = window->messageBox->icon;
        }
        opened.push_back(std::move(entry));
        if (window->templateId == IDD_SELECT_PORT) {
            const Control* bar = window->FindControl(IDC_PROGRESS);
            m_progressBar = bar != nullptr ? bar->handle : nullptr;
            m_lastPosition = bar != nullptr ? bar->position : -1;
            progress.push_back(m_lastPosition);
        }
    }
    if (change.kind == ChangeKind::ControlChanged && change.control == m_progressBar && m_progressBar != nullptr) {
        const Control* bar = desktop.FindControl(m_progressBar);
        if (bar != nullptr && bar->position != m_lastPosition) {
            m_lastPosition = bar->position;
            progress.push_back(bar->position);
        }
    }
}

PagesTest::PagesTest()
    : m_services({spooler, registry, files, system}), m_scope(desktop)
{
    app::ResetWizardGlobals();
    SetProgramPath("/opt/vornex/VORNEX");
    desktop.SetInput(&input);
    desktop.AddObserver(&screen);
    files.AddDirectory(spooler.driverDirectory);
    for (const std::string& name : kSourceFiles)
        files.AddFile("win2k\\" + name, "contents of " + name);
    registry.AddKey(RootKey::CurrentUser, kDeviceKey);
    registry.AddKey(RootKey::LocalMachine, kPortsKey);
}

PagesTest::~PagesTest()
{
    desktop.RemoveObserver(&screen);
    SetProgramPath("");
    app::ResetWizardGlobals();
}

void PagesTest::SetOsCode(install::OsCode code)
{
    // platform id, major, minor of a version that detects as each code; 6.2 matches no rule.
    static const std::map<install::OsCode, std::array<std::uint32_t, 3>> kVersions{
        {0, {platform::kVerPlatformWin32Nt, 6, 2}},   {1, {platform::kVerPlatformWin32Windows, 4, 0}},
        {2, {platform::kVerPlatformWin32Windows, 4, 10}}, {3, {platform::kVerPlatformWin32Nt, 4, 0}},
        {4, {platform::kVerPlatformWin32Nt, 5, 0}},   {5, {platform::kVerPlatformWin32Nt, 5, 1}},
        {6, {platform::kVerPlatformWin32Nt, 5, 2}},   {7, {platform::kVerPlatformWin32Nt, 6, 0}},
        {8, {platform::kVerPlatformWin32Nt, 6, 1}},
    };
    const auto& [platformId, major, minor] = kVersions.at(code);
    system.SetVersion(platformId, major, minor);
    ASSERT_EQ(install::OsCodeForVersion(platformId, major, minor).value_or(0), code);
}

int PagesTest::RunWizard() { return RunApp(desktop, "/opt/vornex/VORNEX"); }

const Window& PagesTest::Top() const
{
    const Window* window = desktop.ActiveWindow();
    EXPECT_NE(window, nullptr) << "no active window";
    static const Window none;
    return window != nullptr ? *window : none;
}

const Control& PagesTest::ControlOf(unsigned templateId, int id) const
{
    const Window* window = desktop.FindByTemplate(templateId);
    const Control* control = window != nullptr ? window->FindControl(id) : nullptr;
    EXPECT_NE(control, nullptr) << "no control " << id << " in template " << templateId << "\n" << desktop.Dump();
    static const Control none;
    return control != nullptr ? *control : none;
}

std::vector<spooler::PortEntry> PortsNamed(const std::vector<std::string>& names)
{
    std::vector<spooler::PortEntry> ports;
    for (const std::string& name : names)
        ports.push_back({name, "Local Port", "Local Port"});
    return ports;
}

}  // namespace pagestest
