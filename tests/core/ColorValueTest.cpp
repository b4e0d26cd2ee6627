#include "core/ColorValue.h"
#include "core/Notations.h"

#include <gtest/gtest.h>

#include <limits>

namespace tw::core {
namespace {

    struct NotationCase {
        Rgb rgb;
        const char* html;
        const char* vb;
        const char* delphi;
        const char* cpp;
    };

    class NotationTable : public testing::TestWithParam<NotationCase> { };

    TEST_P(NotationTable, FormatsAndParsesBack)
    {
        const auto& c = GetParam();
        const ColorValue value = MakeColor(c.rgb);
        EXPECT_EQ(FormatHtmlHex(c.rgb), c.html);
        EXPECT_EQ(FormatVbHex(value), c.vb);
        EXPECT_EQ(FormatDelphiHex(c.vb), c.delphi);
        EXPECT_EQ(FormatCppHex(c.vb), c.cpp);
        EXPECT_EQ(ParseHtmlHex(c.html), value);
        EXPECT_EQ(ParseVbHex(c.vb), value);
        EXPECT_EQ(ParseDelphiHex(c.delphi), value);
        EXPECT_EQ(ParseCppHex(c.cpp), value);
        EXPECT_EQ(SplitColor(value), c.rgb);
    }

    INSTANTIATE_TEST_SUITE_P(Notations, NotationTable,
        testing::Values(NotationCase { { 0, 0, 0 }, "#000000", "&H0&", "$000", "0x0" },
            NotationCase { { 255, 255, 255 }, "#FFFFFF", "&HFFFFFF&", "$00FFFFFF", "0xFFFFFF" },
            NotationCase { { 10, 0, 0 }, "#0A0000", "&HA&", "$00A", "0xA" },
            NotationCase { { 0, 0, 1 }, "#000001", "&H10000&", "$0010000", "0x10000" },
            NotationCase { { 255, 0, 0 }, "#FF0000", "&HFF&", "$00FF", "0xFF" },
            NotationCase { { 18, 52, 86 }, "#123456", "&H563412&", "$00563412", "0x563412" },
            NotationCase { { 255, 128, 0 }, "#FF8000", "&H80FF&", "$0080FF", "0x80FF" }));

    TEST(Notations, HtmlTextIsReadRedFirst)
    {
        EXPECT_EQ(ParseHtmlHex("#0A0B0C"), 0x0C0B0A);
    }

    TEST(Notations, SystemColorConstantIsWrittenInEightDigits)
    {
        const auto constant = static_cast<ColorValue>(0x8000000Fu);
        EXPECT_EQ(FormatVbHex(constant), "&H8000000F&");
        EXPECT_EQ(ParseVbHex("&H8000000F&"), constant);
    }

    TEST(Notations, MalformedTextsParseToNothing)
    {
        for (const char* text : { "", "#", "#12345", "#1234567", "#GG0000", "123456" })
            EXPECT_FALSE(ParseHtmlHex(text)) << text;
        for (const char* text : { "&H&", "&HFF", "HFF&", "&H123456789&", "&HXY&" })
            EXPECT_FALSE(ParseVbHex(text)) << text;
        for (const char* text : { "$00", "$FF0000", "$00-1", "$00123456789" })
            EXPECT_FALSE(ParseDelphiHex(text)) << text;
        for (const char* text : { "0x", "0X10", "x10", "0x123456789", "0x+1" })
            EXPECT_FALSE(ParseCppHex(text)) << text;
    }

    TEST(Notations, IsHexCodeAcceptsOnlyUpperCaseDigits)
    {
        EXPECT_FALSE(IsHexCode(""));
        EXPECT_FALSE(IsHexCode("0x"));
        EXPECT_FALSE(IsHexCode("ff"));
        EXPECT_FALSE(IsHexCode("12 4"));
        EXPECT_TRUE(IsHexCode("00FF80"));
    }

    TEST(Notations, DescribeColorGivesAllSixNotations)
    {
        const Notations n = DescribeColor(MakeColor(255, 128, 0));
        EXPECT_EQ(n.red + "," + n.green + "," + n.blue, "255,128,0");
        EXPECT_EQ(n.hue + "," + n.sat + "," + n.lum, "20,240,120");
        EXPECT_EQ(n.html, "#FF8000");
        EXPECT_EQ(n.vb, "&H80FF&");
        EXPECT_EQ(n.delphi, "$0080FF");
        EXPECT_EQ(n.cpp, "0x80FF");
    }

    TEST(ColorOperations, WebSafeSnapsEachChannelToMultiplesOf51)
    {
        const SystemColorLookup none;
        EXPECT_EQ(MakeWebSafe(MakeColor(25, 26, 230), none), MakeColor(0, 51, 255));
        EXPECT_EQ(MakeWebSafe(MakeColor(128, 127, 178), none), MakeColor(153, 102, 153));
        // Every channel value lands on the boundaries the table of ranges gives.
        const std::pair<int, int> bounds[] = { { 25, 0 }, { 26, 51 }, { 76, 51 }, { 77, 102 }, { 127, 102 },
            { 128, 153 }, { 178, 153 }, { 179, 204 }, { 229, 204 }, { 230, 255 } };
        for (const auto& [channel, snapped] : bounds)
            EXPECT_EQ(SplitColor(MakeWebSafe(MakeColor(channel, 0, 0), none)).red, snapped) << channel;
    }

    TEST(ColorOperations, WebSafeResolvesASystemColorFirst)
    {
        int asked = -1;
        const SystemColorLookup lookup = [&asked](int index) {
            asked = index;
            return MakeColor(250, 100, 10);
        };
        EXPECT_EQ(MakeWebSafe(static_cast<ColorValue>(0x8000000Fu), lookup), MakeColor(255, 102, 0));
        EXPECT_EQ(asked, 15);
        EXPECT_EQ(ResolveSystemColor(1234, lookup), 1234);
    }

    TEST(ColorOperations, InvertTurnsEveryChannelAndIsItsOwnInverse)
    {
        EXPECT_EQ(InvertColor(MakeColor(0, 128, 255)), MakeColor(255, 127, 0));
        for (ColorValue value = 0; value <= kWhite; value += 9973)
            ASSERT_EQ(InvertColor(InvertColor(value)), value);
    }

    TEST(ColorOperations, RoundingSendsHalvesToTheEvenNeighbour)
    {
        EXPECT_EQ(RoundHalfEven(120.5), 120);
        EXPECT_EQ(RoundHalfEven(127.5), 128);
        EXPECT_EQ(RoundHalfEven(42.5), 42);
        EXPECT_EQ(RoundHalfEven(-0.5), 0);
        EXPECT_EQ(RoundHalfEven(0.51), 1);
        // A number typed into a field can be huge: the conversion saturates instead of overflowing.
        EXPECT_EQ(RoundHalfEven(1e300), std::numeric_limits<int>::max());
        EXPECT_EQ(RoundHalfEven(-1e300), std::numeric_limits<int>::min());
    }

    TEST(ColorOperations, SystemColorConstantsAreTheTwentyFiveOfTheDesktopScheme)
    {
        EXPECT_TRUE(IsSystemColorConstant(static_cast<ColorValue>(0x80000000u)));
        EXPECT_TRUE(IsSystemColorConstant(static_cast<ColorValue>(0x80000018u)));
        EXPECT_FALSE(IsSystemColorConstant(static_cast<ColorValue>(0x80000019u)));
        EXPECT_FALSE(IsSystemColorConstant(-1));
        EXPECT_FALSE(IsSystemColorConstant(0x18));
    }

} // namespace
} // namespace tw::core
