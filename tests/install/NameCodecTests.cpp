#include "install/NameCodec.h"
#include "install/StoredNames.h"
#include "tools/namecodec/NameEncoder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace install {
namespace {

using namespace std::string_literals;

// Under key 0 the first byte is the scrambled byte itself (the key's high byte is 0),
// so a single pair shows the letter arithmetic alone.
TEST(DecodeName, LetterPairsAreBase26BytesWrappedTo8Bits)
{
    struct Case {
        const char* pair;
        unsigned byte;
    };
    const Case cases[] = {
        {"AA", 0}, {"AB", 1}, {"BA", 26}, {"JV", 255}, {"JW", 0},  // 256 wraps
        {"ZZ", (25 * 26 + 25) % 256},
        {"aa", (26 * 32 + 32) % 256},  // any character decodes by the same formula
        {"\xFF\xFF", (26 * 190 + 190) % 256},
        {"!A", (26u * (33u - 65u)) % 256u},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pair);
        const std::string decoded = DecodeName(c.pair, 0);
        ASSERT_EQ(decoded.size(), 1u);
        EXPECT_EQ(static_cast<unsigned char>(decoded[0]), c.byte);
    }
}

// Worked by hand with M = 0x6D2B, C = 0x9E37.
TEST(DecodeName, RollingKeyFollowsTheScrambledBytes)
{
    // b0 = 0 under key 0: p0 = 0 (kept); K = C = 0x9E37, so p1 = 0 ^ 0x9E.
    EXPECT_EQ(DecodeName("AAAA", 0), "\x00\x9E"s);
    // b0 = 1: K = C - M * 1 = 0x310C, so p1 = 0x31.
    EXPECT_EQ(DecodeName("ABAA", 0), "\x01\x31"s);
    // Key 0x4100: p0 = 0x41; K = C - M * (0 + 0x4100) = 0xB337 (from b0, not from p0).
    EXPECT_EQ(DecodeName("AAAA", 0x4100), "\x41\xB3"s);
    // Only the key's high byte meets the first byte.
    EXPECT_EQ(DecodeName("AA", 0x00FF), "\x00"s);
}

TEST(DecodeName, ShortAndOddInputs)
{
    for (const std::uint16_t key : std::initializer_list<std::uint16_t>{0, 0x1234, 0xFFFF}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(DecodeName("", key), "");
        EXPECT_EQ(DecodeName("Q", key), "");
        const std::string stored(StoredNames()[0].stored);
        EXPECT_EQ(DecodeName(stored + "Q", key), DecodeName(stored, key));
    }
}

TEST(DecodeName, ZeroByteStaysInTheResult)
{
    const std::string plain = "TR\0A1"s;
    const std::string decoded = DecodeName(namecodec::EncodeName(plain, 0x2468), 0x2468);
    EXPECT_EQ(decoded.size(), 5u);
    EXPECT_EQ(decoded, plain);
    EXPECT_STREQ(decoded.c_str(), "TR");  // what a zero-terminated consumer shows
}

TEST(DecodeName, SharedBeginningsDecodeAlike)
{
    const std::string a = DecodeName("JVABCDEFGH", 0x7C12);
    const std::string b = DecodeName("JVABCDQQZZ", 0x7C12);
    EXPECT_EQ(a.substr(0, 3), b.substr(0, 3));
    EXPECT_NE(a.substr(3), b.substr(3));
}

TEST(DecodeName, LeavesTheCallersTextAlone)
{
    const std::string stored(StoredNames()[1].stored);
    const std::string copy = stored;
    DecodeName(stored, StoredNames()[1].key);
    EXPECT_EQ(stored, copy);
}

TEST(NameEncoder, RoundTripsEveryByteUnderManyKeys)
{
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte += static_cast<char>(b);
    for (const std::uint16_t key :
         std::initializer_list<std::uint16_t>{0x0000, 0x0001, 0x00FF, 0x8000, 0xA5C3, 0xFFFF}) {
        SCOPED_TRACE(key);
        const std::string stored = namecodec::EncodeName(everyByte, key);
        ASSERT_EQ(stored.size(), 512u);
        for (std::size_t i = 0; i < stored.size(); i += 2) {
            EXPECT_TRUE(stored[i] >= 'A' && stored[i] <= 'J') << i;
            EXPECT_TRUE(stored[i + 1] >= 'A' && stored[i + 1] <= 'Z') << i;
        }
        EXPECT_EQ(DecodeName(stored, key), everyByte);
    }
}

TEST(NameEncoder, ParsesKeysAsTypedOnTheCommandLine)
{
    EXPECT_EQ(namecodec::ParseNameKey("0"), 0);
    EXPECT_EQ(namecodec::ParseNameKey("27000"), 27000);
    EXPECT_EQ(namecodec::ParseNameKey("65535"), 65535);
    EXPECT_EQ(namecodec::ParseNameKey("0x5A8C"), 0x5A8C);
    EXPECT_EQ(namecodec::ParseNameKey("0XFFFF"), 0xFFFF);
    for (const char* bad : {"", "65536", "-1", "0x", "0x10000", "12a", " 12", "0x-1", "1e3"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(namecodec::ParseNameKey(bad));
    }
}

TEST(StoredNames, DecodeToTheIntendedNames)
{
    const char* const intended[kStoredNameCount] = {
        "TR-A1 58mm Receipt", "TR-A2 80mm Receipt", "TR-A3 80mm Auto-Cutter",
        "TR-A4 80mm Graphic", "TR-A5 112mm Graphic", "VORNEX Receipt Printer",
    };
    ASSERT_EQ(StoredNames().size(), std::size(intended));
    for (int i = 0; i < kStoredNameCount; ++i) {
        SCOPED_TRACE(i);
        const StoredName name = StoredNames()[static_cast<std::size_t>(i)];
        EXPECT_EQ(DecodeName(std::string(name.stored), name.key), intended[i]);
        EXPECT_EQ(namecodec::EncodeName(intended[i], name.key), name.stored);
        EXPECT_EQ(name.stored.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos);
    }
    for (int row = 0; row < DriverCatalogue::kModuleCount; ++row)
        EXPECT_EQ(DecodeModuleName(row), intended[row]);
    EXPECT_EQ(DecodeDefaultPrinterName(), intended[5]);
    EXPECT_FALSE(DecodeModuleName(-1));
    EXPECT_FALSE(DecodeModuleName(5));
}

TEST(StoredNames, EachHasItsOwnKey)
{
    std::set<std::uint16_t> keys;
    for (const StoredName& name : StoredNames())
        keys.insert(name.key);
    EXPECT_EQ(keys.size(), StoredNames().size());
}

}  // namespace
}  // namespace install
