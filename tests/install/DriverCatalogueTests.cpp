#include "install/DriverCatalogue.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace install {
namespace {

using ::testing::ElementsAre;

std::vector<std::string> Texts(std::span<const std::string_view> list)
{
    return {list.begin(), list.end()};
}

const std::vector<std::string> kCommon{"\\ttfsub.GPD", "\\unires.DLL", "\\stdnames.GPD"};
const std::vector<std::string> kPlugin{"\\ttfsub.GPD", "\\unires.DLL", "\\stdnames.GPD",
                                       "\\KOEMUNI.ini", "\\KOEMUNI.dll"};

TEST(DriverCatalogue, ModuleRowsNameTheirFilesAndDriver)
{
    struct Case {
        int row;
        const char* dll;
        const char* gpd;
        const char* driver;
        const std::vector<std::string>& dependents;
    };
    const Case cases[] = {
        {0, "TRX", "TRA1", "TR-A1", kCommon},  {1, "TRX", "TRA2", "TR-A2", kCommon},
        {2, "TRX2", "TRA3", "TR-A3", kCommon}, {3, "TRX2", "TRA4", "TR-A4", kPlugin},
        {4, "TRX2", "TRA5", "TR-A5", kPlugin},
    };
    ASSERT_EQ(DriverCatalogue::Modules().size(), std::size(cases));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        const auto module = DriverCatalogue::Module(c.row);
        ASSERT_TRUE(module);
        EXPECT_EQ(module->dllBase, c.dll);
        EXPECT_EQ(module->gpdBase, c.gpd);
        EXPECT_EQ(module->driverName, c.driver);
        const auto dependents = DriverCatalogue::DependentFiles(c.row);
        ASSERT_TRUE(dependents);
        EXPECT_EQ(Texts(*dependents), c.dependents);
    }
}

TEST(DriverCatalogue, SupportFilesComeFromWin2kInStagingOrder)
{
    std::vector<std::string> names;
    for (const SupportFile& file : DriverCatalogue::SupportFiles()) {
        names.emplace_back(file.fileName);
        EXPECT_EQ(file.sourcePath, "win2k\\" + std::string(file.fileName));
    }
    EXPECT_THAT(names, ElementsAre("uniDRVui.DLL", "uniDRV.DLL", "UNIDRV.HLP", "UNIRES.DLL",
                                   "TTFSUB.GPD", "STDNAMES.GPD", "KOEMUNI.ini", "KOEMUNI.dll"));
}

TEST(DriverCatalogue, PortRowsAreParallelThenSerial)
{
    struct Case {
        int row;
        const char* item;
        const char* valueName;
        bool serial;
    };
    const Case cases[] = {
        {0, "LPT1", "LPT1:", false}, {1, "LPT2", "LPT2:", false}, {2, "LPT3", "LPT3:", false},
        {3, "COM1", "COM1:", true},  {4, "COM2", "COM2:", true},  {5, "COM3", "COM3:", true},
        {6, "COM4", "COM4:", true},
    };
    ASSERT_EQ(DriverCatalogue::Ports().size(), std::size(cases));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        const auto port = DriverCatalogue::Port(c.row);
        ASSERT_TRUE(port);
        EXPECT_EQ(port->item, c.item);
        EXPECT_EQ(port->valueName, c.valueName);
        EXPECT_EQ(DriverCatalogue::IsSerialPortRow(c.row), c.serial);
    }
    EXPECT_FALSE(DriverCatalogue::IsSerialPortRow(-1));
    EXPECT_FALSE(DriverCatalogue::IsSerialPortRow(7));
}

// The combos of the Detail Setting page are filled from the items in this order; the
// install procedure writes the texts beside them.
TEST(DriverCatalogue, SerialTablesPairComboItemsWithTheirTexts)
{
    auto pairs = [](std::span<const SerialRow> table) {
        std::vector<std::pair<std::string, std::string>> rows;
        for (const SerialRow& row : table)
            rows.emplace_back(row.item, row.text);
        return rows;
    };
    using P = std::pair<std::string, std::string>;
    EXPECT_THAT(pairs(DriverCatalogue::BaudRates()),
                ElementsAre(P{"300", "300"}, P{"1200", "1200"}, P{"2400", "2400"},
                            P{"4800", "4800"}, P{"9600", "9600"}, P{"19200", "19200"},
                            P{"38400", "38400"}, P{"57600", "57600"}, P{"115200", "115200"}));
    EXPECT_THAT(pairs(DriverCatalogue::DataBits()),
                ElementsAre(P{"5", "5"}, P{"6", "6"}, P{"7", "7"}, P{"8", "8"}));
    EXPECT_THAT(pairs(DriverCatalogue::StopBits()),
                ElementsAre(P{"1", "1"}, P{"1.5", "1.5"}, P{"2", "2"}));
    EXPECT_THAT(pairs(DriverCatalogue::ParityLetters()),
                ElementsAre(P{"Even", "E"}, P{"Mark", "M"}, P{"None", "N"}, P{"Odd", "O"},
                            P{"Space", "S"}));
    EXPECT_THAT(pairs(DriverCatalogue::FlowControls()),
                ElementsAre(P{"None", " "}, P{"XonXoff", "x"}, P{"Hardware", "p"}));
}

TEST(DriverCatalogue, RowLookupsGiveTheTexts)
{
    EXPECT_EQ(DriverCatalogue::FlowControl(0), " ");  // one space, not an empty text
    EXPECT_EQ(DriverCatalogue::ParityLetter(1), "M");
    EXPECT_EQ(DriverCatalogue::ParityLetter(4), "S");
    EXPECT_EQ(DriverCatalogue::BaudRate(4), "9600");
    EXPECT_EQ(DriverCatalogue::DataBitsText(3), "8");
    EXPECT_EQ(DriverCatalogue::StopBitsText(1), "1.5");
}

// A row outside its table (a combo with no selection gives -1) is refused, not read.
TEST(DriverCatalogue, LookupsOutsideTheirTableGiveNothing)
{
    using Lookup = std::function<bool(int)>;
    struct Case {
        const char* table;
        Lookup found;
        int rows;
    };
    const Case cases[] = {
        {"module", [](int r) { return DriverCatalogue::Module(r).has_value(); }, 5},
        {"dependents", [](int r) { return DriverCatalogue::DependentFiles(r).has_value(); }, 5},
        {"port", [](int r) { return DriverCatalogue::Port(r).has_value(); }, 7},
        {"baud", [](int r) { return DriverCatalogue::BaudRate(r).has_value(); }, 9},
        {"data bits", [](int r) { return DriverCatalogue::DataBitsText(r).has_value(); }, 4},
        {"stop bits", [](int r) { return DriverCatalogue::StopBitsText(r).has_value(); }, 3},
        {"parity", [](int r) { return DriverCatalogue::ParityLetter(r).has_value(); }, 5},
        {"flow", [](int r) { return DriverCatalogue::FlowControl(r).has_value(); }, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table);
        EXPECT_TRUE(c.found(0));
        EXPECT_TRUE(c.found(c.rows - 1));
        EXPECT_FALSE(c.found(c.rows));
        EXPECT_FALSE(c.found(-1));
        EXPECT_FALSE(c.found(1 << 30));
    }
}

}  // namespace
}  // namespace install
