// The "Local Port" monitor's dialogs, driven as a user drives them: the machine's
// monitor logic asks, the dialogs answer, the Ports key and the timeout show the result.
#include "afx/Afx.h"
#include "afx/host/Desktop.h"
#include "afx/host/HostApp.h"
#include "afx/host/InputSource.h"
#include "machine/RegistryPaths.h"
#include "monitorui/DialogPortMonitorUi.h"
#include "monitorui/LptTimeoutDlg.h"
#include "monitorui/MonitorDialogIds.h"
#include "monitorui/OwnerWindow.h"
#include "tests/machine/MachineFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace afx::host;
using namespace monitorui;
using platform::RootKey;

constexpr int kActionButton = 3001;

constexpr res::ControlTemplate kOwnerControls[] = {
    res::PushButton(kActionButton, "&Act", {7, 7, 50, 14}),
    res::PushButton(IDCANCEL, "Close", {61, 7, 50, 14}),
};
constexpr res::DialogTemplate kOwnerTemplate{3000, "Owner", {0, 0, 200, 120}, res::kModalDialogFrame, 0,
                                             res::kDialogFont, kOwnerControls};

// The window a spooler call names as the owner: its button runs `onAct`.
class COwnerDlg : public CDialog {
public:
    COwnerDlg() : CDialog(kOwnerTemplate) {}
    std::function<void(COwnerDlg&)> onAct;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (afx::LoWord(wParam) == kActionButton && afx::HiWord(wParam) == BN_CLICKED && onAct) {
            onAct(*this);
            return TRUE;
        }
        return CDialog::OnCommand(wParam, lParam);
    }
};

class MonitorDialogsTest : public machinetest::MachineTest {
protected:
    MonitorDialogsTest() : m_scope(desktop) { desktop.SetInput(&input); }

    void SetUp() override
    {
        MachineTest::SetUp();
        m_machine->SetPortMonitorUi(&ui);
    }

    // Runs the owner dialog; its button makes the spooler call, recording the result.
    void RunOwner(std::function<platform::Win32Error(spooler::WindowHandle)> call)
    {
        owner.onAct = [&, call](COwnerDlg& self) { result = call(ToWindowHandle(self.GetSafeHwnd())); };
        owner.DoModal();
        EXPECT_EQ(input.Remaining(), 0u) << "the script did not run to its end";
        EXPECT_FALSE(desktop.InputError().has_value()) << *desktop.InputError();
    }

    std::string Port(const std::string& name) { return ValueText(RootKey::LocalMachine, machine::kPortsKey, name); }

    void SetPort(const std::string& name, const std::string& text)
    {
        machine::RegistryStore& store = m_machine->GetStore();
        machine::RegistryStore::KeyId ports = 0;
        ASSERT_EQ(store.FindKey(store.Root(RootKey::LocalMachine), machine::kPortsKey, ports), 0u);
        ASSERT_EQ(store.SetValue(ports, name, platform::kRegSz, machine::EncodeSz(text)), 0u);
    }

    spooler::Spooler& Spooler() { return m_machine->GetSpooler(); }

    // The active window, which must be the one with this caption.
    static const Window& Active(const Desktop& d, const std::string& caption)
    {
        const Window* window = d.ActiveWindow();
        static const Window none;
        EXPECT_NE(window, nullptr);
        if (window == nullptr)
            return none;
        EXPECT_EQ(window->caption, caption) << d.Dump();
        return *window;
    }

    static std::string Message(const Desktop& d)
    {
        const Window* window = d.ActiveWindow();
        return window != nullptr && window->messageBox ? window->messageBox->text : "<no message box>";
    }

    static int Selection(const Desktop& d, int id)
    {
        const Control* control = d.ActiveWindow()->FindControl(id);
        return control != nullptr ? control->selection : -2;
    }

    Desktop desktop;
    ScriptedInput input;
    DialogPortMonitorUi ui;
    COwnerDlg owner;
    platform::Win32Error result = 0xFFFF;

private:
    DesktopScope m_scope;
};

TEST_F(MonitorDialogsTest, APortNameIsAskedAgainUntilItIsNewAndNotEmpty)
{
    input.Then(PressControl{kActionButton})
        .Check([&](const Desktop& d) {
            const Window& prompt = Active(d, "Port Name");
            EXPECT_EQ(prompt.owner, owner.GetSafeHwnd());
            EXPECT_FALSE(d.FindByTemplate(3000)->enabled);
            EXPECT_EQ(d.FocusedControl()->id, IDC_PORT_NAME_EDIT);
            EXPECT_EQ(d.FocusedControl()->text, "");
        })
        .Then(KeyPress{Key::Enter})  // nothing typed
        .Check([&](const Desktop& d) {
            const Window& box = Active(d, kMonitorCaption);
            EXPECT_EQ(box.owner, owner.GetSafeHwnd());
            EXPECT_EQ(Message(d), "Enter a port name.");
        })
        .Then(KeyPress{Key::Enter})
        .Then(TypeText{"com1:"})  // names compare without case: COM1: exists
        .Then(KeyPress{Key::Enter})
        .Check([&](const Desktop& d) { EXPECT_EQ(Message(d), "The port com1: already exists."); })
        .Then(KeyPress{Key::Enter})
        .Check([&](const Desktop& d) {
            Active(d, "Port Name");
            EXPECT_EQ(d.FocusedControl()->text, "com1:");  // the refused answer, to correct
        })
        .Then(KeyPress{Key::Backspace})
        .Then(TypeText{"5:"})
        .Then(KeyPress{Key::Enter})
        .Check([&](const Desktop& d) { Active(d, "Owner"); })
        .Then(KeyPress{Key::Escape});
    RunOwner([&](spooler::WindowHandle w) { return Spooler().RequestAddPort(w, "Local Port"); });
    EXPECT_EQ(result, platform::kErrorSuccess);
    EXPECT_EQ(Port("com15:"), "9600,n,8,1");
}

TEST_F(MonitorDialogsTest, ANameWithAControlCharacterIsRefusedAndCancelAddsNothing)
{
    input.Then(PressControl{kActionButton})
        .Then(TypeText{"LPT\t9:"})
        .Then(PressControl{IDOK})
        .Check([&](const Desktop& d) {
            EXPECT_EQ(Message(d), "The port name contains a character that is not allowed.");
        })
        .Then(PressControl{IDOK})
        .Then(PressControl{IDCANCEL})
        .Check([&](const Desktop& d) { Active(d, "Owner"); })
        .Then(KeyPress{Key::Escape});
    RunOwner([&](spooler::WindowHandle w) { return Spooler().RequestAddPort(w, "Local Port"); });
    EXPECT_EQ(result, platform::kErrorCancelled);
    EXPECT_EQ(Port("LPT\t9:"), "<error 2: the file was not found>");
}

TEST_F(MonitorDialogsTest, SerialSettingsOpenOnTheStoredValueAndStoreTheChosenOnes)
{
    input.Then(PressControl{kActionButton})
        .Check([&](const Desktop& d) {
            const Window& dialog = Active(d, "Port Settings");
            EXPECT_EQ(dialog.owner, owner.GetSafeHwnd());
            EXPECT_EQ(dialog.FindControl(IDC_COM_PORT_LABEL)->text, "COM2:");
            EXPECT_EQ(dialog.FindControl(IDC_COM_BITS_PER_SECOND)->items.size(),
                      machine::ComBitsPerSecondChoices().size());
            // "9600,n,8,1": 9600, 8, None, 1, and None for the missing flow control.
            EXPECT_EQ(Selection(d, IDC_COM_BITS_PER_SECOND), 6);
            EXPECT_EQ(Selection(d, IDC_COM_DATA_BITS), 3);
            EXPECT_EQ(Selection(d, IDC_COM_PARITY), 2);
            EXPECT_EQ(Selection(d, IDC_COM_STOP_BITS), 0);
            EXPECT_EQ(Selection(d, IDC_COM_FLOW_CONTROL), 2);
            EXPECT_EQ(d.FocusedControl()->id, IDC_COM_BITS_PER_SECOND);
        })
        .Then(ClickRow{IDC_COM_BITS_PER_SECOND, 11})  // 115200
        .Then(ClickRow{IDC_COM_PARITY, 0})            // Even
        .Then(ClickRow{IDC_COM_STOP_BITS, 2})         // 2
        .Then(ClickRow{IDC_COM_FLOW_CONTROL, 1})      // Hardware
        .Then(PressControl{IDOK})
        .Then(KeyPress{Key::Escape});
    RunOwner([&](spooler::WindowHandle w) { return Spooler().RequestConfigurePort(w, "COM2:"); });
    EXPECT_EQ(result, platform::kErrorSuccess);
    EXPECT_EQ(Port("COM2:"), "115200,e,8,2,p");
}

// What the dialog writes back for a stored text, by what the user changes.
TEST_F(MonitorDialogsTest, FieldsTheUserLeavesAloneKeepTheirStoredText)
{
    struct Case {
        const char* stored;
        int pickId;  // 0: change nothing
        int pickRow;
        const char* written;
    };
    const Case cases[] = {
        // Upper-case letters and a blank flow control are kept when untouched...
        {"19200,N,7,1, ", 0, 0, "19200,N,7,1, "},
        // ...and only the field the user changed takes the list's text.
        {"19200,N,7,1, ", IDC_COM_DATA_BITS, 3, "19200,N,8,1, "},
        // A rate the list does not offer is a row of its own, selected, and kept.
        {"7200,n,8,1", IDC_COM_PARITY, 1, "7200,o,8,1"},
        // Fields after the fifth survive.
        {"9600,n,8,1,x,extra", IDC_COM_FLOW_CONTROL, 2, "9600,n,8,1,,extra"},
    };
    for (const Case& c : cases) {
        SetPort("COM3:", c.stored);
        input.Then(PressControl{kActionButton});
        if (std::string(c.stored).starts_with("7200")) {
            input.Check([&](const Desktop& d) {
                const Control* rates = d.ActiveWindow()->FindControl(IDC_COM_BITS_PER_SECOND);
                ASSERT_EQ(rates->items.size(), machine::ComBitsPerSecondChoices().size() + 1);
                EXPECT_EQ(rates->items.back(), "7200");
                EXPECT_EQ(rates->selection, static_cast<int>(rates->items.size()) - 1);
            });
        }
        if (c.pickId != 0)
            input.Then(ClickRow{c.pickId, c.pickRow});
        input.Then(KeyPress{Key::Enter}).Then(KeyPress{Key::Escape});
        RunOwner([&](spooler::WindowHandle w) { return Spooler().RequestConfigurePort(w, "COM3:"); });
        EXPECT_EQ(result, platform::kErrorSuccess) << c.stored;
        EXPECT_EQ(Port("COM3:"), c.written) << c.stored;
    }
}

TEST_F(MonitorDialogsTest, CancellingSerialSettingsWritesNothing)
{
    SetPort("COM1:", "9600,N,8,1");
    input.Then(PressControl{kActionButton})
        .Then(ClickRow{IDC_COM_BITS_PER_SECOND, 0})
        .Then(KeyPress{Key::Escape})
        .Then(KeyPress{Key::Escape});
    RunOwner([&](spooler::WindowHandle w) { return Spooler().RequestConfigurePort(w, "COM1:"); });
    EXPECT_EQ(result, platform::kErrorCancelled);
    EXPECT_EQ(Port("COM1:"), "9600,N,8,1");
}

TEST_F(MonitorDialogsTest, TheLptTimeoutTakesOnlyWholeSeconds)
{
    input.Then(PressControl{kActionButton})
        .Check([&](const Desktop& d) {
            const Window& dialog = Active(d, "Configure LPT Port");
            EXPECT_EQ(dialog.FindControl(IDC_LPT_PORT_LABEL)->text, "LPT2:");
            EXPECT_EQ(d.FocusedControl()->id, IDC_LPT_TIMEOUT_EDIT);
            EXPECT_EQ(d.FocusedControl()->text, "90");
        })
        .Then(TypeText{"x"})  // "90x"
        .Then(KeyPress{Key::Enter})
        .Check([&](const Desktop& d) {
            const Window& box = Active(d, kMonitorCaption);
            EXPECT_EQ(Message(d), kBadTimeoutMessage);
            EXPECT_EQ(box.owner, d.FindByTemplate(IDD_LPT_TIMEOUT)->handle);
        })
        .Then(KeyPress{Key::Enter})
        .Check([&](const Desktop& d) {
            Active(d, "Configure LPT Port");  // still open, the field focused again
            EXPECT_EQ(d.FocusedControl()->id, IDC_LPT_TIMEOUT_EDIT);
        })
        .Then(KeyPress{Key::Backspace})
        .Then(KeyPress{Key::Backspace})
        .Then(KeyPress{Key::Backspace})
        .Then(TypeText{"45"})
        .Then(KeyPress{Key::Enter})
        .Then(KeyPress{Key::Escape});
    RunOwner([&](spooler::WindowHandle w) { return Spooler().RequestConfigurePort(w, "LPT2:"); });
    EXPECT_EQ(result, platform::kErrorSuccess);
    EXPECT_EQ(ValueText(RootKey::LocalMachine, machine::kMachineWindowsKey, machine::kTransmissionRetryTimeoutValue),
              "45");
}

TEST(LptTimeoutText, OnlyDigitsThatFitAreSeconds)
{
    EXPECT_EQ(ParseTimeoutSeconds("0"), 0u);
    EXPECT_EQ(ParseTimeoutSeconds("007"), 7u);
    EXPECT_EQ(ParseTimeoutSeconds("4294967295"), 4294967295u);
    for (const char* bad : {"", " 5", "5 ", "-1", "+1", "1.5", "4294967296", "99999999999999999999", "٣"})
        EXPECT_EQ(ParseTimeoutSeconds(bad), std::nullopt) << bad;
}

TEST_F(MonitorDialogsTest, FileSaysThereIsNothingToConfigure)
{
    input.Then(PressControl{kActionButton})
        .Check([&](const Desktop& d) {
            const Window& box = Active(d, kMonitorCaption);
            EXPECT_EQ(Message(d), "There is nothing to configure for the port FILE:.");
            EXPECT_EQ(box.messageBox->icon, MessageBoxIcon::Information);
            EXPECT_EQ(box.owner, owner.GetSafeHwnd());
        })
        .Then(KeyPress{Key::Enter})
        .Then(KeyPress{Key::Escape});
    RunOwner([&](spooler::WindowHandle w) { return Spooler().RequestConfigurePort(w, "FILE:"); });
    EXPECT_EQ(result, platform::kErrorSuccess);
}

// An owner that names no open window (gone, never was, or a control) leaves the
// dialog to the active window rather than to nothing.
TEST_F(MonitorDialogsTest, AnOwnerThatIsNoOpenWindowGivesTheActiveWindow)
{
    owner.onAct = [&](COwnerDlg& self) {
        const HWND button = self.GetDlgItem(kActionButton)->GetSafeHwnd();
        for (spooler::WindowHandle named : {spooler::WindowHandle{0}, spooler::WindowHandle{0x7fff1234},
                                            ToWindowHandle(button)}) {
            std::string name;
            EXPECT_FALSE(ui.AskPortName(named, name));
        }
    };
    input.Then(PressControl{kActionButton});
    for (int i = 0; i < 3; ++i) {
        input.Check([&](const Desktop& d) {
            const Window& prompt = Active(d, "Port Name");
            EXPECT_EQ(prompt.owner, owner.GetSafeHwnd());
            EXPECT_FALSE(d.FindByTemplate(3000)->enabled);
        });
        input.Then(KeyPress{Key::Escape});
    }
    input.Then(KeyPress{Key::Escape});
    owner.DoModal();
    EXPECT_EQ(input.Remaining(), 0u);  // every prompt was shown and checked
}

}  // namespace
