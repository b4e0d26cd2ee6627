#include "core/Hsl.h"

#include <gtest/gtest.h>

namespace tw::core {
namespace {

    struct HslCase {
        Rgb rgb;
        Hsl hsl;
    };

    void PrintTo(const HslCase& c, std::ostream* os)
    {
        *os << c.rgb.red << "," << c.rgb.green << "," << c.rgb.blue << " <-> " << c.hsl.hue << "," << c.hsl.sat << ","
            << c.hsl.lum;
    }

    class RgbToHslTable : public testing::TestWithParam<HslCase> { };
    TEST_P(RgbToHslTable, Converts)
    {
        EXPECT_EQ(RgbToHsl(MakeColor(GetParam().rgb)), GetParam().hsl);
    }
    INSTANTIATE_TEST_SUITE_P(Hsl, RgbToHslTable,
        testing::Values(HslCase { { 0, 0, 0 }, { 160, 0, 0 } }, HslCase { { 255, 255, 255 }, { 160, 0, 240 } },
            HslCase { { 128, 128, 128 }, { 160, 0, 121 } }, HslCase { { 255, 0, 0 }, { 0, 240, 120 } },
            HslCase { { 0, 255, 0 }, { 80, 240, 120 } }, HslCase { { 0, 0, 255 }, { 160, 240, 120 } },
            HslCase { { 255, 255, 0 }, { 40, 240, 120 } }, HslCase { { 0, 128, 255 }, { 140, 240, 120 } },
            HslCase { { 255, 0, 1 }, { 240, 240, 120 } }, HslCase { { 1, 0, 0 }, { 0, 240, 1 } },
            HslCase { { 255, 128, 0 }, { 20, 240, 120 } }));

    class HslToRgbTable : public testing::TestWithParam<HslCase> { };
    TEST_P(HslToRgbTable, Converts)
    {
        EXPECT_EQ(SplitColor(HslToRgb(GetParam().hsl)), GetParam().rgb);
    }
    INSTANTIATE_TEST_SUITE_P(Hsl, HslToRgbTable,
        testing::Values(HslCase { { 255, 1, 0 }, { 0, 240, 120 } }, HslCase { { 0, 255, 1 }, { 80, 240, 120 } },
            HslCase { { 0, 0, 255 }, { 160, 240, 120 } }, HslCase { { 255, 0, 7 }, { 239, 240, 120 } },
            HslCase { { 128, 128, 128 }, { 160, 0, 120 } }, HslCase { { 129, 129, 129 }, { 160, 0, 121 } },
            HslCase { { 255, 255, 255 }, { 160, 0, 240 } }, HslCase { { 0, 0, 0 }, { 0, 0, 0 } },
            HslCase { { 96, 96, 32 }, { 40, 120, 60 } }));

    TEST(HueToRgb, WrapsTheHueOnceAndShiftsTheRampsByHalfAStep)
    {
        EXPECT_DOUBLE_EQ(HueToRgb(0, 240, 0), 0.5); // the "+ 20" lifts the start of the ramp
        EXPECT_DOUBLE_EQ(HueToRgb(0, 240, 80), 240);
        EXPECT_DOUBLE_EQ(HueToRgb(0, 240, -80), 0); // -80 wraps to 160
        EXPECT_DOUBLE_EQ(HueToRgb(0, 240, 320), 240); // 320 wraps to 80
        EXPECT_DOUBLE_EQ(HueToRgb(10, 20, 200), 10);
    }

    // Sweeps of the whole RGB cube: properties that must hold for every colour, and the counts that show
    // the conversions behave as the colour dialog's do (they are not inverses).
    TEST(HslSweep, EveryColourConvertsIntoRangeAndTheKnownFiguresHold)
    {
        long hue240 = 0;
        long survivors = 0;
        for (ColorValue value = 0; value <= kWhite; ++value) {
            const Hsl hsl = RgbToHsl(value);
            ASSERT_TRUE(hsl.hue >= 0 && hsl.hue <= 240) << value;
            ASSERT_TRUE(hsl.sat >= 0 && hsl.sat <= 240) << value;
            ASSERT_TRUE(hsl.lum >= 0 && hsl.lum <= 240) << value;
            const Rgb rgb = SplitColor(value);
            if (rgb.red == rgb.green && rgb.green == rgb.blue) {
                ASSERT_TRUE(hsl.hue == 160 && hsl.sat == 0) << value;
            }
            hue240 += hsl.hue == 240;
            survivors += HslToRgb(hsl) == value;
        }
        EXPECT_GT(hue240, 15'000);
        EXPECT_LT(hue240, 25'000);
        EXPECT_GT(survivors, 1'300'000);
        EXPECT_LT(survivors, 1'700'000);
    }

    TEST(HslSweep, EveryTripleConvertsToAnOrdinaryColour)
    {
        for (int h = 0; h <= 240; ++h) {
            for (int s = 0; s <= 240; s += 5) {
                for (int l = 0; l <= 240; ++l) {
                    const Hsl hsl { static_cast<std::int16_t>(h), static_cast<std::int16_t>(s),
                        static_cast<std::int16_t>(l) };
                    const ColorValue value = HslToRgb(hsl);
                    ASSERT_TRUE(value >= 0 && value <= kWhite) << h << "," << s << "," << l;
                }
            }
        }
    }

    TEST(Hsl, LuminosityRoundsHalvesToEven)
    {
        // max + min = 255 puts L at 120.5 before rounding.
        EXPECT_EQ(RgbToHsl(MakeColor(255, 0, 0)).lum, 120);
        EXPECT_EQ(RgbToHsl(MakeColor(200, 55, 100)).lum, 120);
    }

} // namespace
} // namespace tw::core
