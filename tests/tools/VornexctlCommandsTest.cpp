#include "tests/tools/ToolTestSupport.h"

#include "machine/Machine.h"
#include "machine/MachineInspector.h"
#include "machine/RegData.h"
#include "machine/RegistryPaths.h"
#include "spooler/Records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace {

using toolstest::RunTool;
using toolstest::SplitFields;
using toolstest::SplitLines;

constexpr const char* kPortsKey = "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";
const std::vector<std::string> kStockPorts{"COM1:", "COM2:", "COM3:", "COM4:", "LPT1:", "LPT2:", "LPT3:", "FILE:"};

class VornexctlCommands : public ::testing::Test {
protected:
    std::filesystem::path Folder() const { return m_temp.Path() / "machine"; }

    toolstest::ToolResult Run(std::vector<std::string> args) { return RunTool(Folder(), std::move(args)); }

    // Runs a command that must succeed and gives its output.
    std::string Output(std::vector<std::string> args)
    {
        const toolstest::ToolResult result = Run(args);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err, "");
        return result.out;
    }

    std::unique_ptr<machine::Machine> OpenMachine()
    {
        std::unique_ptr<machine::Machine> opened;
        const machine::MachineStatus status = machine::Machine::Open(Folder(), {}, opened);
        EXPECT_TRUE(status.Ok()) << status.message;
        return opened;
    }

    void SetValue(machine::Machine& machine, machine::RootKey root, const std::string& keyPath, const std::string& name,
                  std::uint32_t type, const std::vector<std::uint8_t>& data)
    {
        machine::RegistryStore& store = machine.GetStore();
        machine::RegistryStore::KeyId key = 0;
        ASSERT_EQ(store.CreateKey(store.Root(root), keyPath, key), 0u) << store.LastErrorText();
        ASSERT_EQ(store.SetValue(key, name, type, data), 0u) << store.LastErrorText();
    }

    void AddPortValue(const std::string& name)
    {
        auto machine = OpenMachine();
        SetValue(*machine, machine::RootKey::LocalMachine, machine::kPortsKey, name, platform::kRegSz,
                 machine::EncodeSz(""));
    }

private:
    toolstest::TempFolder m_temp;
};

TEST_F(VornexctlCommands, InitMakesTheStockMachine)
{
    EXPECT_EQ(Output({"init"}), Folder().string() + "\txp\tMicrosoft Windows XP\n");

    const std::vector<std::string> lines = SplitLines(Output({"ports"}));
    std::vector<machine::PortRecord> ports;
    {
        auto machine = OpenMachine();
        ASSERT_EQ(machine::MachineInspector(*machine).ListPorts(ports), 0u);
    }
    ASSERT_EQ(lines.size(), kStockPorts.size());
    ASSERT_EQ(ports.size(), kStockPorts.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // Name, description, monitor, in the spooler's order.
        EXPECT_EQ(SplitFields(lines[i]), (std::vector<std::string>{kStockPorts[i], ports[i].description, ports[i].monitor}));
        EXPECT_FALSE(ports[i].description.empty());
    }

    EXPECT_EQ(Output({"printers"}), "");
    EXPECT_EQ(Output({"drivers"}), "");
    EXPECT_EQ(Output({"monitors"}), "Local Port\n");
    EXPECT_EQ(Output({"trace"}), "");
}

TEST_F(VornexctlCommands, InitResetsAChangedMachine)
{
    Output({"init", "--windows", "2000"});
    AddPortValue("NEW:");
    {
        auto machine = OpenMachine();
        machine->GetSystem().Trace("traced\n");
    }
    EXPECT_EQ(SplitLines(Output({"ports"})).size(), kStockPorts.size() + 1);
    EXPECT_EQ(Output({"trace"}), "traced\n");

    Output({"init"});
    EXPECT_EQ(SplitLines(Output({"ports"})).size(), kStockPorts.size());
    EXPECT_EQ(Output({"trace"}), "");
    EXPECT_EQ(Output({"version"}), "2\t5\t1\t2600\n");
}

TEST_F(VornexctlCommands, VersionIsWhatAProgramIsTold)
{
    struct VersionCase {
        const char* windows;
        bool trueVersion;
        const char* platformMajorMinor;
    };
    const VersionCase cases[] = {
        {"95", false, "1\t4\t0"},   {"98", false, "1\t4\t10"}, {"nt4", false, "2\t4\t0"},
        {"xp", false, "2\t5\t1"},   {"vista", false, "2\t6\t0"}, {"8.1", false, "2\t6\t2"},
        {"10", false, "2\t6\t2"},   {"10", true, "2\t10\t0"},  {"XP", true, "2\t5\t1"},
    };
    for (const VersionCase& c : cases) {
        Output({"init", "--windows", c.windows});
        std::vector<std::string> args{"version"};
        if (c.trueVersion)
            args.push_back("--true");
        const std::vector<std::string> fields = SplitFields(SplitLines(Output(args)).at(0));
        ASSERT_EQ(fields.size(), 4u) << c.windows;
        EXPECT_EQ(fields[0] + "\t" + fields[1] + "\t" + fields[2], c.platformMajorMinor) << c.windows;
    }
}

TEST_F(VornexctlCommands, RegQueryListsValuesAndSubkeysAndReadsOneValue)
{
    Output({"init"});
    std::string expected;
    for (const std::string& port : kStockPorts)
        expected += port + "\tREG_SZ\t" + (port.starts_with("COM") ? "9600,n,8,1" : "") + "\n";
    EXPECT_EQ(Output({"reg", "query", kPortsKey}), expected);
    EXPECT_EQ(Output({"reg", "query", "hkey_local_machine\\software\\microsoft\\windows nt\\currentversion\\ports\\"}),
              expected);
    EXPECT_EQ(Output({"reg", "query", kPortsKey, "com2:"}), "9600,n,8,1\n");

    const std::vector<std::string> parent =
        SplitLines(Output({"reg", "query", "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"}));
    EXPECT_NE(std::ranges::find(parent, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports"),
              parent.end());

    {
        auto machine = OpenMachine();
        const std::vector<std::string> files{"A.GPD", "B.DLL"};
        const auto key = "Software\\Vornex";
        SetValue(*machine, machine::RootKey::CurrentUser, key, "", platform::kRegSz, machine::EncodeSz("default"));
        SetValue(*machine, machine::RootKey::CurrentUser, key, "Count", platform::kRegDword, machine::EncodeDword(90));
        SetValue(*machine, machine::RootKey::CurrentUser, key, "Files", platform::kRegMultiSz, machine::EncodeMultiSz(files));
        SetValue(*machine, machine::RootKey::CurrentUser, key, "Blob", platform::kRegBinary, {0x01, 0xAB});
        SetValue(*machine, machine::RootKey::CurrentUser, key, "Path", platform::kRegExpandSz,
                 machine::EncodeSz("%SystemRoot%\\x"));
        SetValue(*machine, machine::RootKey::CurrentUser, key + std::string("\\Sub"), "", platform::kRegSz,
                 machine::EncodeSz(""));
    }
    EXPECT_EQ(Output({"reg", "query", "HKCU\\Software\\Vornex"}),
              "\tREG_SZ\tdefault\n"
              "Count\tREG_DWORD\t0x5a\n"
              "Files\tREG_MULTI_SZ\tA.GPD\\0B.DLL\n"
              "Blob\tREG_BINARY\t01AB\n"
              "Path\tREG_EXPAND_SZ\t%SystemRoot%\\x\n"
              "HKEY_CURRENT_USER\\Software\\Vornex\\Sub\n");
    EXPECT_EQ(Output({"reg", "query", "HKEY_CURRENT_USER\\Software\\Vornex", ""}), "default\n");
    EXPECT_EQ(Output({"reg", "query", "HKCU\\Software\\Vornex", "Files"}), "A.GPD\\0B.DLL\n");
}

TEST_F(VornexctlCommands, RegQueryOfWhatIsNotThereFails)
{
    Output({"init"});
    struct MissingCase {
        std::vector<std::string> args;
        const char* message;
    };
    const MissingCase cases[] = {
        {{"reg", "query", kPortsKey, "COM9:"}, "has no value 'COM9:'"},
        {{"reg", "query", "HKCU\\Software", ""}, "has no default value"},
        {{"reg", "query", "HKLM\\SOFTWARE\\Nowhere", "x"}, "the key 'HKEY_LOCAL_MACHINE\\SOFTWARE\\Nowhere' does not exist"},
        {{"reg", "query", "HKLM\\SOFTWARE\\Nowhere"}, "does not exist"},
        {{"reg", "export", "HKCU\\Nowhere"}, "the key 'HKEY_CURRENT_USER\\Nowhere' does not exist"},
        {{"reg", "query", "HKLM\\SOFTWARE\\\\"}, "cannot read 'HKEY_LOCAL_MACHINE\\SOFTWARE\\'"},
    };
    for (const MissingCase& c : cases) {
        const toolstest::ToolResult result = Run(c.args);
        EXPECT_EQ(result.status, 1) << c.message;
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
}

TEST_F(VornexctlCommands, DriversAndPrintersListInTheSpoolersOrder)
{
    Output({"init"});
    {
        auto machine = OpenMachine();
        std::string directory;
        ASSERT_EQ(machine->GetHostSpooler().DriverDirectory(directory), 0u);
        const std::filesystem::path hostDirectory = machine->GetPaths().Map(directory).hostPath;
        for (const char* file : {"TRX.DLL", "TRA1.GPD", "UNIDRVUI.DLL", "UNIDRV.HLP", "TTFSUB.GPD", "UNIRES.DLL"})
            std::ofstream(hostDirectory / file) << file;

        spooler::DriverInfo3 driver;
        driver.cVersion = 3;
        driver.pName = "TR-A1";
        driver.pEnvironment = "Windows NT x86";
        driver.pDriverPath = "TRX.DLL";
        driver.pDataFile = "TRA1.GPD";
        driver.pConfigFile = "UNIDRVUI.DLL";
        driver.pHelpFile = "UNIDRV.HLP";
        driver.pDependentFiles = "\\TTFSUB.GPD\0\\UNIRES.DLL\0";
        driver.pMonitorName = "";
        driver.pDefaultDataType = "RAW";
        ASSERT_EQ(machine->GetSpooler().AddDriver(3, driver), 0u) << machine->GetStore().LastErrorText();

        spooler::PrinterInfo2 printer;
        printer.pPrinterName = "TR-A1 Receipt";
        printer.pPortName = "LPT1:";
        printer.pDriverName = "TR-A1";
        printer.pPrintProcessor = "WinPrint";
        printer.pDatatype = "RAW";
        spooler::PrinterHandle handle = 0;
        ASSERT_EQ(machine->GetSpooler().CreatePrinter(2, printer, handle), 0u) << machine->GetStore().LastErrorText();
        machine->GetSpooler().ClosePrinter(handle);
    }
    EXPECT_EQ(Output({"drivers"}),
              "TR-A1\tWindows NT x86\t3\tTRX.DLL\tTRA1.GPD\tUNIDRVUI.DLL\tUNIDRV.HLP\tTTFSUB.GPD;UNIRES.DLL\tRAW\n");
    EXPECT_EQ(Output({"printers"}), "TR-A1 Receipt\tLPT1:\tTR-A1\tWinPrint\tRAW\n");
}

// Names come from whoever wrote the registry: each record stays on one line and no
// control character reaches the terminal.
TEST_F(VornexctlCommands, HostileNamesArePrintedEscaped)
{
    Output({"init"});
    const std::string evil = "EVIL\x1b]0;owned\x07\tX\n:";
    const std::string longName = "LONG" + std::string(400, 'p') + ":";
    AddPortValue(evil);
    AddPortValue(longName);
    {
        auto machine = OpenMachine();
        machine->GetSystem().Trace("COM1:\n");
        machine->GetSystem().Trace(evil + "\n");
    }

    for (const std::vector<std::string>& args : {std::vector<std::string>{"ports"},
                                                 std::vector<std::string>{"reg", "query", kPortsKey}}) {
        const std::string out = Output(args);
        EXPECT_EQ(out.find('\x1b'), std::string::npos);
        EXPECT_EQ(out.find('\x07'), std::string::npos);
        const std::vector<std::string> lines = SplitLines(out);
        ASSERT_EQ(lines.size(), kStockPorts.size() + 2);
        EXPECT_EQ(SplitFields(lines[8]).at(0), "EVIL\\x1b]0;owned\\x07\\tX\\n:");
        EXPECT_EQ(SplitFields(lines[8]).size(), 3u);
        EXPECT_EQ(SplitFields(lines[9]).at(0), longName);
    }
    EXPECT_EQ(Output({"trace"}), "COM1:\nEVIL\\x1b]0;owned\\x07\\tX\n:\n");

    const toolstest::ToolResult exported = Run({"reg", "export", kPortsKey});
    EXPECT_EQ(exported.status, 1);
    EXPECT_EQ(exported.out, "") << "nothing is written when a name cannot be exported";
    EXPECT_NE(exported.err.find("EVIL\\x1b]0;owned\\x07\\tX\\n:"), std::string::npos) << exported.err;
    EXPECT_EQ(exported.err.find('\x1b'), std::string::npos);
}

TEST_F(VornexctlCommands, RegExportWritesTheMachinesKeys)
{
    Output({"init"});
    std::string expected =
        "Windows Registry Editor Version 5.00\n"
        "\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports]\n";
    for (const std::string& port : kStockPorts)
        expected += "\"" + port + "\"=\"" + (port.starts_with("COM") ? "9600,n,8,1" : "") + "\"\n";
    expected += "\n";
    EXPECT_EQ(Output({"reg", "export", kPortsKey}), expected);

    // --utf16: what regedit writes, the same text in UTF-16LE with a BOM and CR LF.
    const std::string wide = Output({"reg", "export", "--utf16", kPortsKey});
    ASSERT_GE(wide.size(), 2u);
    EXPECT_EQ(wide.substr(0, 2), "\xff\xfe");
    std::string narrowed;
    for (std::size_t i = 2; i + 1 < wide.size(); i += 2) {
        ASSERT_EQ(wide[i + 1], '\0');
        if (wide[i] != '\r')
            narrowed += wide[i];
        else
            EXPECT_EQ(wide[i + 2], '\n');
    }
    EXPECT_EQ(narrowed, expected);

    // Without a key: both roots, each key once, parents before children.
    const std::vector<std::string> lines = SplitLines(Output({"reg", "export"}));
    const auto position = [&](const std::string& line) { return std::ranges::find(lines, line) - lines.begin(); };
    ASSERT_EQ(lines.at(0), "Windows Registry Editor Version 5.00");
    EXPECT_LT(position("[HKEY_CURRENT_USER]"), position("[HKEY_LOCAL_MACHINE]"));
    EXPECT_LT(position("[HKEY_LOCAL_MACHINE]"),
              position("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports]"));
    EXPECT_LT(position("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports]"),
              static_cast<std::ptrdiff_t>(lines.size()));
    EXPECT_LT(position("\"COM1:\"=\"9600,n,8,1\""), static_cast<std::ptrdiff_t>(lines.size()));
}

}  // namespace
