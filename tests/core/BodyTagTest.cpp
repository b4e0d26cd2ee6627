#include "core/BodyTag.h"

#include <gtest/gtest.h>

namespace tw::core {
namespace {

    constexpr ColorValue kWhiteColor = 0xFFFFFF;
    constexpr ColorValue kBlack = 0;
    const ColorValue kBlue = MakeColor(0, 0, 255);
    const ColorValue kPurple = MakeColor(128, 0, 128);
    const ColorValue kRed = MakeColor(255, 0, 0);

    BodyColors Only(BodyAttribute attribute, ColorValue value)
    {
        BodyColors colors;
        colors[static_cast<std::size_t>(attribute)] = value;
        return colors;
    }

    const BodyColors kAllFive { kWhiteColor, kBlack, kBlue, kPurple, kRed };

    struct TagCase {
        const char* name;
        BodyColors colors;
        bool quotes;
        bool numberSign;
        const char* tag;
    };

    class BodyTagTable : public testing::TestWithParam<TagCase> { };

    TEST_P(BodyTagTable, WritesTheSetAttributesInTheirFixedOrder)
    {
        const TagCase& c = GetParam();
        EXPECT_EQ(BodyTag(c.colors, { c.quotes, c.numberSign }), c.tag);
    }

    INSTANTIATE_TEST_SUITE_P(Tags, BodyTagTable,
        testing::Values(TagCase { "BackgroundWhiteOnly", Only(BodyAttribute::Background, kWhiteColor), false, true,
                            "<BODY BGCOLOR=#FFFFFF>" },
            TagCase { "LinkBlueOnly", Only(BodyAttribute::Link, kBlue), false, true, "<BODY LINK=#0000FF>" },
            TagCase { "AllFive", kAllFive, false, false,
                "<BODY BGCOLOR=FFFFFF TEXT=000000 LINK=0000FF VLINK=800080 ALINK=FF0000>" },
            TagCase { "BackgroundWhiteOnlyQuoted", Only(BodyAttribute::Background, kWhiteColor), true, true,
                "<BODY BGCOLOR=\"#FFFFFF\">" },
            TagCase { "LinkBlueOnlyQuoted", Only(BodyAttribute::Link, kBlue), true, true, "<BODY LINK=\"#0000FF\">" },
            TagCase { "AllFiveQuoted", kAllFive, true, false,
                "<BODY BGCOLOR=\"FFFFFF\" TEXT=\"000000\" LINK=\"0000FF\" VLINK=\"800080\" ALINK=\"FF0000\">" },
            TagCase { "AllFiveQuotedWithNumberSigns", kAllFive, true, true,
                "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000FF\" VLINK=\"#800080\" "
                "ALINK=\"#FF0000\">" },
            TagCase { "GapsLeaveNoDoubleSpaces", BodyColors { std::nullopt, kBlack, std::nullopt, std::nullopt, kRed },
                false, true, "<BODY TEXT=#000000 ALINK=#FF0000>" },
            TagCase {
                "VisitedLinkOnly", Only(BodyAttribute::VisitedLink, kPurple), false, false, "<BODY VLINK=800080>" },
            TagCase { "NothingSet", BodyColors {}, true, true, "<BODY>" }),
        [](const testing::TestParamInfo<TagCase>& row) { return row.param.name; });

    struct FormCase {
        bool quotes;
        bool numberSign;
        const char* written;
    };

    class BodyAttributeForms : public testing::TestWithParam<FormCase> { };

    TEST_P(BodyAttributeForms, WrapTheValueAsChosen)
    {
        const FormCase& c = GetParam();
        EXPECT_EQ(WriteBodyAttribute("BGCOLOR", "FFFFFF", { c.quotes, c.numberSign }), c.written);
    }

    INSTANTIATE_TEST_SUITE_P(Forms, BodyAttributeForms,
        testing::Values(FormCase { false, false, "BGCOLOR=FFFFFF" }, FormCase { false, true, "BGCOLOR=#FFFFFF" },
            FormCase { true, false, "BGCOLOR=\"FFFFFF\"" }, FormCase { true, true, "BGCOLOR=\"#FFFFFF\"" }));

    TEST(BodyColorDigits, AreRedGreenBlueInTwoUppercaseDigitsEach)
    {
        // The value is laid out 0x00BBGGRR; the attribute is written red first.
        EXPECT_EQ(BodyColorDigits(MakeColor(250, 10, 100)), "FA0A64");
        EXPECT_EQ(BodyColorDigits(MakeColor(1, 2, 3)), "010203");
        EXPECT_EQ(BodyColorDigits(MakeColor(0, 0, 255)), "0000FF");
    }

} // namespace
} // namespace tw::core
