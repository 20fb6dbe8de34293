#include "machine/ComPortSettings.h"
#include "machine/RegistryPaths.h"
#include "machine/ScriptedPortMonitorUi.h"
#include "spooler/Enumeration.h"
#include "tests/machine/MachineFixture.h"

#include <gtest/gtest.h>

namespace {

using machine::ComPortSettings;
using machine::ScriptedPortMonitorUi;
using machinetest::MachineTest;
using platform::RootKey;

constexpr spooler::WindowHandle kOwner = 0x4242;

class PortMonitorTest : public MachineTest {
protected:
    void SetUp() override
    {
        MachineTest::SetUp();
        m_machine->SetPortMonitorUi(&m_ui);
    }

    spooler::Spooler& Spooler() { return m_machine->GetSpooler(); }

    std::string Port(const std::string& name) { return ValueText(RootKey::LocalMachine, machine::kPortsKey, name); }

    void SetPort(const std::string& name, const std::string& text)
    {
        machine::RegistryStore& store = m_machine->GetStore();
        machine::RegistryStore::KeyId ports = 0;
        ASSERT_EQ(store.FindKey(store.Root(RootKey::LocalMachine), machine::kPortsKey, ports), platform::kErrorSuccess);
        ASSERT_EQ(store.SetValue(ports, name, platform::kRegSz, machine::EncodeSz(text)), platform::kErrorSuccess);
    }

    std::size_t PortCount() { return spooler::EnumeratePorts(Spooler()).Records().size(); }

    std::vector<std::string> Dialogs() const
    {
        std::vector<std::string> shown;
        for (const ScriptedPortMonitorUi::Event& event : m_ui.Transcript()) {
            EXPECT_EQ(event.owner, kOwner) << event.dialog;
            shown.push_back(event.dialog);
        }
        return shown;
    }

    ScriptedPortMonitorUi m_ui;
};

TEST_F(PortMonitorTest, AddingAPortStoresItWithTheSettingsOfItsKind)
{
    m_ui.QueuePortName("COM5:");
    ASSERT_EQ(Spooler().RequestAddPort(kOwner, "local port"), platform::kErrorSuccess);
    m_ui.QueuePortName("C:\\receipts\\out.prn");
    ASSERT_EQ(Spooler().RequestAddPort(kOwner, "Local Port"), platform::kErrorSuccess);
    EXPECT_EQ(Port("COM5:"), "9600,n,8,1");
    EXPECT_EQ(Port("C:\\receipts\\out.prn"), "");
    EXPECT_EQ(PortCount(), 10u);
    EXPECT_EQ(Dialogs(), (std::vector<std::string>{"PortName", "PortName"}));
}

TEST_F(PortMonitorTest, AddingRefusesBadNamesWithAMessageAndAsksAgain)
{
    const std::string tooLong(64 * 1024, 'P');
    m_ui.QueuePortName("");
    m_ui.QueuePortName("lpt1:");
    m_ui.QueuePortName(tooLong);
    m_ui.QueuePortName("BAD\nNAME");
    m_ui.QueuePortName("NET:");
    ASSERT_EQ(Spooler().RequestAddPort(kOwner, "Local Port"), platform::kErrorSuccess);
    EXPECT_EQ(Dialogs(), (std::vector<std::string>{"PortName", "Message", "PortName", "Message", "PortName", "Message",
                                                   "PortName", "Message", "PortName"}));
    EXPECT_NE(m_ui.Transcript()[3].detail.find("already exists"), std::string::npos);
    EXPECT_NE(m_ui.Transcript()[5].detail.find("too long"), std::string::npos);
    EXPECT_EQ(PortCount(), 9u) << "only NET: was added";
    EXPECT_EQ(Port("NET:"), "");
}

TEST_F(PortMonitorTest, CancellingOrAskingAnUnknownMonitorAddsNothing)
{
    EXPECT_EQ(Spooler().RequestAddPort(kOwner, "Local Port"), platform::kErrorCancelled) << "an empty queue cancels";
    m_ui.QueuePortName("LPT1:");
    m_ui.QueueCancel();
    EXPECT_EQ(Spooler().RequestAddPort(kOwner, "Local Port"), platform::kErrorCancelled);
    EXPECT_EQ(Spooler().RequestAddPort(kOwner, "Standard TCP/IP Port"), platform::kErrorUnknownPrintMonitor);
    EXPECT_EQ(Spooler().RequestAddPort(kOwner, ""), platform::kErrorUnknownPrintMonitor);
    EXPECT_EQ(Spooler().RequestAddPort(kOwner, std::string(64 * 1024, 'M')), platform::kErrorUnknownPrintMonitor);
    EXPECT_EQ(PortCount(), 8u);

    m_machine->SetPortMonitorUi(nullptr);
    EXPECT_EQ(Spooler().RequestAddPort(kOwner, "Local Port"), platform::kErrorCancelled) << "no dialogs: cancelled";
}

TEST_F(PortMonitorTest, ConfiguringASerialPortEditsItsLineSettings)
{
    // The text the installer writes, with its flow-control space.
    SetPort("COM1:", "9600,N,8,1, ");
    m_ui.QueueComSettings(machine::ParseComPortSettings("9600,N,8,1, "));
    ASSERT_EQ(Spooler().RequestConfigurePort(kOwner, "com1:"), platform::kErrorSuccess);
    EXPECT_EQ(Port("COM1:"), "9600,N,8,1, ") << "an unchanged answer writes nothing";
    EXPECT_EQ(m_ui.LastComSettingsShown().parity, "N");

    ComPortSettings faster = machine::ParseComPortSettings("9600,N,8,1, ");
    faster.bitsPerSecond = "19200";
    faster.flowControl = "x";
    m_ui.QueueComSettings(faster);
    ASSERT_EQ(Spooler().RequestConfigurePort(kOwner, "COM1:"), platform::kErrorSuccess);
    EXPECT_EQ(Port("COM1:"), "19200,N,8,1,x");

    m_ui.QueueCancel();
    EXPECT_EQ(Spooler().RequestConfigurePort(kOwner, "COM1:"), platform::kErrorCancelled);
    EXPECT_EQ(Port("COM1:"), "19200,N,8,1,x");
}

TEST_F(PortMonitorTest, ConfiguringKeepsWhatItCannotParse)
{
    SetPort("COM2:", "fast,q,8,1,p,odd");
    ComPortSettings edit = machine::ParseComPortSettings("fast,q,8,1,p,odd");
    edit.dataBits = "7";
    m_ui.QueueComSettings(edit);
    ASSERT_EQ(Spooler().RequestConfigurePort(kOwner, "COM2:"), platform::kErrorSuccess);
    EXPECT_EQ(m_ui.LastComSettingsShown().bitsPerSecond, "fast");
    EXPECT_EQ(Port("COM2:"), "fast,q,7,1,p,odd");
}

TEST_F(PortMonitorTest, ConfiguringAParallelPortEditsTheRetryTimeout)
{
    m_ui.QueueLptTimeout(45);
    ASSERT_EQ(Spooler().RequestConfigurePort(kOwner, "LPT2:"), platform::kErrorSuccess);
    EXPECT_EQ(m_ui.LastLptTimeoutShown(), 90u);
    EXPECT_EQ(ValueText(RootKey::LocalMachine, machine::kMachineWindowsKey, "TransmissionRetryTimeout"), "45");

    // A text it cannot read shows the default and survives an unchanged answer.
    machine::RegistryStore& store = m_machine->GetStore();
    machine::RegistryStore::KeyId key = 0;
    ASSERT_EQ(store.FindKey(store.Root(RootKey::LocalMachine), machine::kMachineWindowsKey, key), platform::kErrorSuccess);
    ASSERT_EQ(store.SetValue(key, "TransmissionRetryTimeout", platform::kRegSz, machine::EncodeSz("ninety")),
              platform::kErrorSuccess);
    m_ui.QueueLptTimeout(90);
    ASSERT_EQ(Spooler().RequestConfigurePort(kOwner, "LPT1:"), platform::kErrorSuccess);
    EXPECT_EQ(ValueText(RootKey::LocalMachine, machine::kMachineWindowsKey, "TransmissionRetryTimeout"), "ninety");
}

TEST_F(PortMonitorTest, OtherPortsHaveNothingToConfigureAndUnknownPortsAreRefused)
{
    ASSERT_EQ(Spooler().RequestConfigurePort(kOwner, "FILE:"), platform::kErrorSuccess);
    EXPECT_EQ(Dialogs(), (std::vector<std::string>{"NothingToConfigure"}));
    EXPECT_EQ(Spooler().RequestConfigurePort(kOwner, "LPT9:"), platform::kErrorUnknownPort);
    EXPECT_EQ(Spooler().RequestConfigurePort(kOwner, ""), platform::kErrorUnknownPort);
    EXPECT_EQ(Spooler().RequestConfigurePort(kOwner, std::string(64 * 1024, 'C')), platform::kErrorUnknownPort);
    EXPECT_EQ(Spooler().RequestConfigurePort(kOwner, std::string("COM1:\0x", 7)), platform::kErrorUnknownPort);
    EXPECT_EQ(Dialogs().size(), 1u) << "no dialog for an unknown port";
}

TEST(ComPortSettingsText, ParsesLenientlyAndWritesBackWhatItRead)
{
    struct Case {
        const char* text;
        ComPortSettings parsed;
        const char* formatted;
    };
    const Case cases[] = {
        {"9600,n,8,1", {"9600", "n", "8", "1", "", {}}, "9600,n,8,1"},
        {"9600,N,8,1, ", {"9600", "N", "8", "1", " ", {}}, "9600,N,8,1, "},
        {"115200,e,7,2,p", {"115200", "e", "7", "2", "p", {}}, "115200,e,7,2,p"},
        {"", {"9600", "n", "8", "1", "", {}}, "9600,n,8,1"},
        {"19200", {"19200", "n", "8", "1", "", {}}, "19200,n,8,1"},
        {"1200,,7", {"1200", "n", "7", "1", "", {}}, "1200,n,7,1"},
        {"300,o,5,1.5,x,extra,more", {"300", "o", "5", "1.5", "x", {"extra", "more"}}, "300,o,5,1.5,x,extra,more"},
    };
    for (const Case& c : cases) {
        const ComPortSettings parsed = machine::ParseComPortSettings(c.text);
        EXPECT_EQ(parsed, c.parsed) << c.text;
        EXPECT_EQ(machine::FormatComPortSettings(parsed), c.formatted) << c.text;
    }
    EXPECT_EQ(machine::FindComChoice(machine::ComParityChoices(), "N"), 2u);
    EXPECT_EQ(machine::FindComChoice(machine::ComFlowControlChoices(), " "), 2u) << "a space is no flow control";
    EXPECT_EQ(machine::FindComChoice(machine::ComStopBitsChoices(), "1.5"), 1u);
    EXPECT_EQ(machine::FindComChoice(machine::ComBitsPerSecondChoices(), "fast"), std::nullopt);
}

}  // namespace
