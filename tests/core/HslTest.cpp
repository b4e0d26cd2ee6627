#include "core/Hsl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

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
        // About twenty thousand reds come out with hue 240, and about 1.5 million colours survive the round trip.
        EXPECT_EQ(hue240, 20'368);
        EXPECT_EQ(survivors, 1'531'937);
    }

    // Every triple of the 0..240 scale, Hue 240 included: the channels fall where the hue puts them and the
    // luminosity survives the way back to within one step.
    TEST(HslSweep, EveryTripleGivesChannelsInTheOrderItsHueNamesAndKeepsItsLuminosity)
    {
        // The channels (0 red, 1 green, 2 blue) from largest to smallest in each sixth of the hue circle,
        // starting at red and going through yellow, green, cyan, blue and magenta.
        constexpr int kOrder[6][3] = { { 0, 1, 2 }, { 1, 0, 2 }, { 1, 2, 0 }, { 2, 1, 0 }, { 2, 0, 1 }, { 0, 2, 1 } };
        for (int h = 0; h <= 240; ++h) {
            const auto& order = kOrder[std::min(h / 40, 5)];
            for (int s = 0; s <= 240; ++s) {
                for (int l = 0; l <= 240; ++l) {
                    const Hsl hsl { static_cast<std::int16_t>(h), static_cast<std::int16_t>(s),
                        static_cast<std::int16_t>(l) };
                    const ColorValue value = HslToRgb(hsl);
                    ASSERT_TRUE(value >= 0 && value <= kWhite) << h << "," << s << "," << l;
                    const Rgb rgb = SplitColor(value);
                    const int channels[3] = { rgb.red, rgb.green, rgb.blue };
                    if (s == 0) {
                        // A grey ignores the hue: every channel is L x 255 / 240, rounded.
                        const int grey = RoundHalfEven(l * 255.0 / 240.0);
                        ASSERT_TRUE(rgb.red == grey && rgb.green == grey && rgb.blue == grey)
                            << h << "," << s << "," << l;
                    } else {
                        // The ramps are shifted by half a step, so a channel may pass its neighbour by one.
                        ASSERT_GE(channels[order[0]] + 1, channels[order[1]]) << h << "," << s << "," << l;
                        ASSERT_GE(channels[order[1]] + 1, channels[order[2]]) << h << "," << s << "," << l;
                    }
                    const Hsl back = RgbToHsl(value);
                    ASSERT_LE(std::abs(back.lum - l), 1) << h << "," << s << "," << l;
                    // A strong colour of middle luminosity also keeps its hue to within one step, around the
                    // circle (240 is next to 0).
                    if (s >= 120 && l >= 60 && l <= 180) {
                        const int turn = std::abs(back.hue - h);
                        ASSERT_LE(std::min(turn, 240 - turn), 1) << h << "," << s << "," << l;
                    }
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
