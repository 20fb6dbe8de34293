#include "spooler/Enumeration.h"
#include "tests/support/FakeSpooler.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

std::vector<std::string> PortNames(const spooler::Listing<spooler::PortInfo2>& listing)
{
    std::vector<std::string> names;
    for (const spooler::PortInfo2& port : listing.Records())
        names.push_back(port.pPortName ? port.pPortName : "(null)");
    return names;
}

spooler::PortEntry LocalPort(const std::string& name)
{
    return {name, "Local Port", "Local Port"};
}

TEST(EnumeratePorts, AsksForTheSizeThenReadsWithABufferOfExactlyThatSize)
{
    fakes::FakeSpooler spooler;
    const auto listing = spooler::EnumeratePorts(spooler);

    ASSERT_EQ(spooler.listPortsCalls.size(), 2u);
    const auto& first = spooler.listPortsCalls[0];
    const auto& second = spooler.listPortsCalls[1];
    EXPECT_EQ(first.level, 2u);
    EXPECT_FALSE(first.bufferGiven);
    EXPECT_EQ(first.bufferSize, 0u);
    EXPECT_EQ(first.result, platform::kErrorInsufficientBuffer);
    EXPECT_EQ(second.level, 2u);
    EXPECT_EQ(second.bufferSize, first.needed);
    EXPECT_EQ(second.result, platform::kErrorSuccess);

    EXPECT_THAT(PortNames(listing), ElementsAre("COM1:", "COM2:", "COM3:", "COM4:", "FILE:",
                                                "LPT1:", "LPT2:", "LPT3:"));
    EXPECT_STREQ(listing.Records()[0].pDescription, "Local Port");
    EXPECT_EQ(listing.Error(), platform::kErrorSuccess);
}

TEST(EnumeratePorts, CountsTheRecordsOfTheSecondCall)
{
    fakes::FakeSpooler spooler;
    // The list shrinks between the calls: the buffer is big enough, and only the
    // records the second call returned are read.
    spooler.beforeListPorts = [](int call, std::vector<spooler::PortEntry>& ports) {
        if (call == 1)
            ports.pop_back();
    };
    const auto listing = spooler::EnumeratePorts(spooler);
    EXPECT_EQ(spooler.listPortsCalls.size(), 2u);
    EXPECT_EQ(listing.Records().size(), 7u);
    EXPECT_EQ(PortNames(listing).back(), "LPT2:");
}

TEST(EnumeratePorts, AsksAgainWhenTheListGrewBetweenTheCalls)
{
    fakes::FakeSpooler spooler;
    spooler.beforeListPorts = [](int call, std::vector<spooler::PortEntry>& ports) {
        if (call == 1)
            ports.push_back(LocalPort("USB001"));
    };
    const auto listing = spooler::EnumeratePorts(spooler);

    ASSERT_EQ(spooler.listPortsCalls.size(), 3u);
    EXPECT_EQ(spooler.listPortsCalls[1].result, platform::kErrorInsufficientBuffer);
    EXPECT_EQ(spooler.listPortsCalls[2].bufferSize, spooler.listPortsCalls[1].needed);
    EXPECT_EQ(listing.Error(), platform::kErrorSuccess);
    EXPECT_EQ(listing.Records().size(), 9u);
    EXPECT_EQ(PortNames(listing).back(), "USB001");
}

TEST(EnumeratePorts, GivesUpOnAListThatAlwaysGrows)
{
    fakes::FakeSpooler spooler;
    int added = 0;
    spooler.beforeListPorts = [&](int, std::vector<spooler::PortEntry>& ports) {
        ports.push_back(LocalPort("NUL" + std::to_string(++added)));
    };
    const auto listing = spooler::EnumeratePorts(spooler);

    EXPECT_EQ(spooler.listPortsCalls.size(), 1u + spooler::kEnumerationAttempts);
    EXPECT_EQ(listing.Error(), platform::kErrorInsufficientBuffer);
    EXPECT_TRUE(listing.Records().empty());
}

TEST(EnumeratePorts, NoPortsGiveAnEmptyList)
{
    fakes::FakeSpooler spooler;
    spooler.ports.clear();
    const auto listing = spooler::EnumeratePorts(spooler);
    EXPECT_TRUE(listing.Records().empty());
    EXPECT_LE(spooler.listPortsCalls.size(), 2u);
}

TEST(EnumerateMonitors, ReadsLevelOneRecordsKeepingANullName)
{
    fakes::FakeSpooler spooler;
    spooler.monitors = {{"Local Port"}, {std::nullopt}, {"Standard TCP/IP Port"}};
    const auto listing = spooler::EnumerateMonitors(spooler);

    ASSERT_EQ(spooler.listMonitorsCalls.size(), 2u);
    EXPECT_EQ(spooler.listMonitorsCalls[0].level, 1u);
    EXPECT_EQ(spooler.listMonitorsCalls[1].bufferSize, spooler.listMonitorsCalls[0].needed);
    ASSERT_EQ(listing.Records().size(), 3u);
    EXPECT_STREQ(listing.Records()[0].pName, "Local Port");
    EXPECT_EQ(listing.Records()[1].pName, nullptr);
    EXPECT_STREQ(listing.Records()[2].pName, "Standard TCP/IP Port");
}

}  // namespace
