#include "store/gbk_text.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

// "中" is D6 D0; "乡" is CF E7. These two characters have "[" / "]" / "\" as second byte:
// "踇" = 81 5B? Use raw bytes to be exact.
const std::string kTrailOpen = "\x81\x5B";    // a GBK character whose second byte is "["
const std::string kTrailClose = "\x81\x5D";   // ... "]"
const std::string kTrailBack = "\x81\x5C";    // ... "\"
const std::string kTrailMinus = "\x81\x2D";   // not valid GBK, but a lead byte still takes "-"

TEST(GbkText, SearchesStepOverDoubleByteCharacters) {
    struct Case {
        std::string hay, needle;
        int start, expected;
    } cases[] = {
        {"abc", "b", 1, 2},
        {"abc", "x", 1, -1},
        {"abcabc", "c", 4, 6},
        {"abc", "a", 4, -1},
        {kTrailOpen + "[x]", "[", 1, 3},
        {kTrailClose + "]", "]", 1, 3},
        {"a" + kTrailBack + "\\", "\\", 1, 4},
        {kTrailOpen, "[", 1, -1},
        {Gbk("中文-名"), "-", 1, 5},
        {Gbk("中文"), Gbk("文"), 1, 3},
        // Starting inside a double-byte character moves to the next character boundary.
        {Gbk("中[") , "[", 2, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindText(c.hay, c.needle, c.start), c.expected) << c.hay << " / " << c.needle;
    }
    EXPECT_EQ(FindLastText("a=b=c", "="), 4);
    EXPECT_EQ(FindLastText(kTrailClose, "]"), -1);
    EXPECT_EQ(TextLength(Gbk("中文ab")), 6);
}

TEST(GbkText, SplitKeepsInnerEmptyPiecesAndDropsEmptyLast) {
    struct Case {
        std::string text, sep;
        TextList expected;
    } cases[] = {
        {"", ",", {}},
        {"a", ",", {"a"}},
        {"a,b", ",", {"a", "b"}},
        {"a,,b", ",", {"a", "", "b"}},
        {"a,b,", ",", {"a", "b"}},
        {",a", ",", {"", "a"}},
        {",", ",", {""}},
        {Gbk("甲，乙，"), Gbk("，"), {Gbk("甲"), Gbk("乙")}},
        // A double-byte character whose second byte is "," is never split.
        {"\x81,x,y", ",", {"\x81,x", "y"}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitText(c.text, c.sep), c.expected) << c.text;
    EXPECT_EQ(JoinText({"1", "2", "3"}, "|"), "1|2|3");
}

TEST(GbkText, TrimsAsciiAndFullWidthBlanksButNotTabs) {
    const std::string fw = "\xA1\xA1";
    EXPECT_EQ(TrimBlanks("  a b  "), "a b");
    EXPECT_EQ(TrimBlanks(fw + " a" + fw), "a");
    EXPECT_EQ(TrimBlanks("\ta\t"), "\ta\t");
    EXPECT_EQ(TrimLeftBlanks("  a "), "a ");
    EXPECT_EQ(TrimRightBlanks("  a "), "  a");
    EXPECT_EQ(RemoveBlanks("a b" + fw + "c"), "abc");
    // "\xB0\xA1" is a character whose second byte is A1: it is not half of a full-width blank.
    EXPECT_EQ(TrimRightBlanks("\xB0\xA1\xA1\xA1"), "\xB0\xA1");
    EXPECT_EQ(TrimBlanks(""), "");
}

TEST(GbkText, UpperCaseAndNumbers) {
    EXPECT_EQ(UpperAscii("abcXyz1"), "ABCXYZ1");
    EXPECT_EQ(UpperAscii("\x81\x61"), "\x81\x61");  // second byte of a character stays
    EXPECT_TRUE(EqualsNoCase("General", "gENERAL"));
    EXPECT_FALSE(EqualsNoCase("General", "Generals"));

    struct Case {
        const char* text;
        long long n;
    } cases[] = {{"42", 42}, {"-1", -1}, {"7abc", 7}, {"abc", 0}, {"", 0}, {" 5", 0}, {"+3", 3}, {"-", 0}};
    for (const auto& c : cases) EXPECT_EQ(LeadingNumber(c.text), c.n) << c.text;
    // A digit run too long for a number stays a large number of its sign.
    for (const char* digits : {"9999999999999999999", "99999999999999999999999"}) {
        EXPECT_GT(LeadingNumber(digits), 900000000000000000LL) << digits;
        EXPECT_LT(LeadingNumber(std::string("-") + digits), -900000000000000000LL) << digits;
    }
}

TEST(GbkText, ItemIdAndConversion) {
    EXPECT_EQ(ItemId(Gbk("E1-美国大兵")), "E1");
    EXPECT_EQ(ItemId("105mm"), "105mm");
    EXPECT_EQ(ItemId(kTrailMinus + "-x"), kTrailMinus);
    EXPECT_EQ(Gbk("中"), "\xD6\xD0");
    EXPECT_EQ(GbkToUtf8("\xD6\xD0"), "中");
    EXPECT_EQ(GbkToUtf8(Gbk("未知")), "未知");
    EXPECT_EQ(GbkToUtf8("a\xFF" "b"), "a?b");
}

}  // namespace
}  // namespace qm
