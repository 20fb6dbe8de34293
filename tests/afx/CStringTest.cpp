#include "afx/CString.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

namespace {

TEST(CString, FormatsAndKeepsUtf8) {
    CString text;
    text.Format("%s %d%%", "进度", 90);
    EXPECT_EQ(text, "进度 90%");
    EXPECT_EQ(text.GetLength(), 10);  // bytes: two Chinese characters take three each
    text.Format("%s", std::string(5000, 'x').c_str());
    EXPECT_EQ(text.GetLength(), 5000);
}

TEST(CString, LoadsFromTheStringTableOrKeepsItsText) {
    CString text("before");
    EXPECT_FALSE(text.LoadResourceString(999));
    EXPECT_EQ(text, "before");
    EXPECT_TRUE(text.LoadResourceString(IDS_ABOUTBOX));
    EXPECT_EQ(text, "关于 VORNEX(&A)...");
}

TEST(CString, ComparesEitherWayAndByCase) {
    const CString port("COM1:");
    EXPECT_TRUE(port == "COM1:");
    EXPECT_TRUE("COM1:" == port);
    EXPECT_TRUE(port == CString("COM1:"));
    EXPECT_FALSE(port == "com1:");
    EXPECT_EQ(port.CompareNoCase("com1:"), 0);
    EXPECT_LT(port.Compare("COM2:"), 0);
    EXPECT_GT(port.CompareNoCase("com"), 0);
    EXPECT_TRUE(port < "LPT1:");
    const CString empty(static_cast<const char*>(nullptr));
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(CString, TakesPartsWithinBounds) {
    const CString name("LPT1:");
    EXPECT_EQ(name.Left(4), "LPT1");
    EXPECT_EQ(name.Left(99), "LPT1:");
    EXPECT_EQ(name.Mid(3), "1:");
    EXPECT_EQ(name.Mid(3, 1), "1");
    EXPECT_EQ(name.Mid(9), "");
    EXPECT_EQ(name.Right(1), ":");
    EXPECT_EQ(name.Right(-1), "");
    EXPECT_EQ(name.Find("1"), 3);
    EXPECT_EQ(name.Find("1", 4), -1);
    EXPECT_EQ(name + "x", "LPT1:x");
    EXPECT_EQ("x" + name, "xLPT1:");
}

}  // namespace
