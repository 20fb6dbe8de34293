#pragma once

#include "afx/Afx.h"
#include "afx/host/Desktop.h"
#include "afx/host/DesktopObserver.h"
#include "afx/host/HostApp.h"
#include "afx/host/InputSource.h"
#include "app/WizardGlobals.h"
#include "app/WizardServices.h"
#include "install/InstallProcedure.h"
#include "install/OsDetection.h"
#include "res/ResourceIds.h"
#include "tests/support/FakeFiles.h"
#include "tests/support/FakeRegistry.h"
#include "tests/support/FakeSpooler.h"
#include "tests/support/FakeSystem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pagestest {

using namespace afx::host;
using platform::RootKey;

// What the desktop showed during a run: every window opened (dialogs by template id,
// message boxes with their text) and the port page's progress bar whenever it moved.
class ScreenRecorder : public DesktopObserver {
public:
    struct Opened {
        unsigned templateId = 0;  // 0 for a message box
        std::string text;         // a message box's text
        MessageBoxIcon icon = MessageBoxIcon::None;
        HWND owner = nullptr;
    };

    std::vector<Opened> opened;
    std::vector<int> progress;  // positions of the port page's bar, as it changed

    std::vector<unsigned> Templates() const;
    std::vector<std::string> Messages() const;

    void OnDesktopChanged(const Desktop& desktop, const Change& change) override;

private:
    HWND m_progressBar = nullptr;
    int m_lastPosition = -1;
};

// A screen of 100 x 32 cells with scripted input; the fakes stand in for the spooler,
// the registry, the files and the system, set up as a fresh Windows XP with the
// driver files in win2k.
class PagesTest : public ::testing::Test {
protected:
    PagesTest();
    ~PagesTest() override;

    // Makes the fake system report a version that detects as `code`.
    void SetOsCode(install::OsCode code);
    // Runs the application object of this test program (the whole wizard).
    int RunWizard();

    const Window& Top() const;  // the active window, or a failure
    const Control& ControlOf(unsigned templateId, int id) const;
    // The dialog object of the page showing template `templateId`.
    template <class T>
    T& Page(unsigned templateId) const
    {
        const Window* window = desktop.FindByTemplate(templateId);
        EXPECT_NE(window, nullptr) << "no window of template " << templateId;
        return *dynamic_cast<T*>(window->object);
    }

    int InstallRuns() const { return static_cast<int>(spooler.addDriverCalls.size()); }
    std::vector<std::string> Traces() const { return system.traces; }

    fakes::FakeSpooler spooler;
    fakes::FakeRegistry registry;
    fakes::FakeFiles files;
    fakes::FakeSystem system;
    Desktop desktop;
    ScriptedInput input;
    ScreenRecorder screen;

    static const std::vector<std::string> kSourceFiles;
    static const std::string kDeviceKey;
    static const std::string kPortsKey;

private:
    app::ScopedWizardServices m_services;
    DesktopScope m_scope;
};

// Ports named as given, in that order, each a local port with a description.
std::vector<spooler::PortEntry> PortsNamed(const std::vector<std::string>& names);

}  // namespace pagestest
