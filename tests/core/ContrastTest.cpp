#include "core/Contrast.h"

#include <gtest/gtest.h>

namespace tw::core {
namespace {

    struct RatioCase {
        Rgb first;
        Rgb second;
        double ratio;
        ContrastGrades grades;
    };

    class ContrastRatioTable : public testing::TestWithParam<RatioCase> { };
    TEST_P(ContrastRatioTable, RatioIsRoundedDownAndGraded)
    {
        const RatioCase& c = GetParam();
        EXPECT_DOUBLE_EQ(ContrastRatio(c.first, c.second), c.ratio);
        EXPECT_DOUBLE_EQ(ContrastRatio(c.second, c.first), c.ratio) << "the order of the colours plays no part";
        EXPECT_EQ(GradeContrast(c.ratio), c.grades);
    }
    INSTANTIATE_TEST_SUITE_P(Contrast, ContrastRatioTable,
        testing::Values(RatioCase { { 0, 0, 0 }, { 255, 255, 255 }, 21.0, { true, true, true, true, true } },
            RatioCase { { 128, 128, 128 }, { 128, 128, 128 }, 1.0, {} },
            // 4.478:1 is shown as 4.47 and fails AA for normal text.
            RatioCase { { 0x77, 0x77, 0x77 }, { 255, 255, 255 }, 4.47, { false, true, false, false, true } },
            RatioCase { { 0x76, 0x76, 0x76 }, { 255, 255, 255 }, 4.54, { true, true, false, true, true } },
            RatioCase { { 255, 0, 0 }, { 255, 255, 255 }, 3.99, { false, true, false, false, true } },
            RatioCase { { 0, 0, 255 }, { 255, 255, 255 }, 8.59, { true, true, true, true, true } },
            RatioCase { { 0x95, 0x95, 0x95 }, { 255, 255, 255 }, 2.99, {} }));

    TEST(Contrast, LuminanceOfThePrimaries)
    {
        EXPECT_DOUBLE_EQ(RelativeLuminance({ 255, 255, 255 }), 1.0);
        EXPECT_DOUBLE_EQ(RelativeLuminance({ 0, 0, 0 }), 0.0);
        EXPECT_NEAR(RelativeLuminance({ 255, 0, 0 }), 0.2126, 1e-12);
        EXPECT_NEAR(RelativeLuminance({ 0, 255, 0 }), 0.7152, 1e-12);
    }

    struct ApcaCase {
        Rgb text;
        Rgb background;
        double lc;
    };

    class ApcaTable : public testing::TestWithParam<ApcaCase> { };
    TEST_P(ApcaTable, MatchesThePublishedLc)
    {
        EXPECT_NEAR(ApcaContrast(GetParam().text, GetParam().background), GetParam().lc, 0.01);
    }
    // The reference pairs published with the 0.0.98G constants, and the two extremes.
    INSTANTIATE_TEST_SUITE_P(Contrast, ApcaTable,
        testing::Values(ApcaCase { { 0x88, 0x88, 0x88 }, { 255, 255, 255 }, 63.056469930209424 },
            ApcaCase { { 255, 255, 255 }, { 0x88, 0x88, 0x88 }, -68.54146436644962 },
            ApcaCase { { 0, 0, 0 }, { 0xAA, 0xAA, 0xAA }, 58.146262578561334 },
            ApcaCase { { 0xAA, 0xAA, 0xAA }, { 0, 0, 0 }, -56.24113336839742 },
            ApcaCase { { 0, 0, 0 }, { 255, 255, 255 }, 106.04067321268862 },
            ApcaCase { { 255, 255, 255 }, { 0, 0, 0 }, -107.88473318309848 },
            ApcaCase { { 0x77, 0x77, 0x77 }, { 0x78, 0x78, 0x78 }, 0.0 }));

} // namespace
} // namespace tw::core
