#include "core/CssColor.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tw::core {
namespace {

    struct ParseCase {
        const char* text;
        Rgb color;
        bool clipped;
    };

    void PrintTo(const ParseCase& c, std::ostream* os)
    {
        *os << c.text;
    }

    class CssParseTable : public testing::TestWithParam<ParseCase> { };
    TEST_P(CssParseTable, Reads)
    {
        const CssParse parse = ParseCssColor(GetParam().text);
        ASSERT_TRUE(parse.color) << parse.error;
        EXPECT_EQ(*parse.color, GetParam().color);
        EXPECT_EQ(parse.clipped, GetParam().clipped);
    }
    INSTANTIATE_TEST_SUITE_P(Css, CssParseTable,
        testing::Values(ParseCase { "#ff8000", { 255, 128, 0 }, false },
            ParseCase { "#FF8000", { 255, 128, 0 }, false }, ParseCase { "#f80", { 255, 136, 0 }, false },
            ParseCase { "#f808", { 255, 136, 0 }, false }, ParseCase { "#ff800080", { 255, 128, 0 }, false },
            ParseCase { "  RebeccaPurple ", { 102, 51, 153 }, false },
            ParseCase { "aliceblue", { 240, 248, 255 }, false }, ParseCase { "yellowgreen", { 154, 205, 50 }, false },
            ParseCase { "rgb(255 128 0)", { 255, 128, 0 }, false },
            ParseCase { "RGB(255 128 0 / 50%)", { 255, 128, 0 }, false },
            ParseCase { "rgb(255, 128, 0)", { 255, 128, 0 }, false },
            ParseCase { "rgba(255,128,0,0.5)", { 255, 128, 0 }, false },
            ParseCase { "rgb(100% 50% 0%)", { 255, 128, 0 }, false },
            ParseCase { "rgb(100% 128 none)", { 255, 128, 0 }, false },
            ParseCase { "rgb(300 -5 0)", { 255, 0, 0 }, true },
            ParseCase { "hsl(30deg 100% 50%)", { 255, 128, 0 }, false },
            ParseCase { "hsl(30 100 50)", { 255, 128, 0 }, false },
            ParseCase { "hsla(30, 100%, 50%, 1)", { 255, 128, 0 }, false },
            ParseCase { "hsl(3.14159265rad 100% 50%)", { 0, 255, 255 }, false },
            ParseCase { "hsl(0.5turn 100% 50%)", { 0, 255, 255 }, false },
            ParseCase { "hsl(200grad 100% 50%)", { 0, 255, 255 }, false },
            ParseCase { "hsl(-330deg 100% 50%)", { 255, 128, 0 }, false },
            ParseCase { "hsl(none 0% 50%)", { 128, 128, 128 }, false },
            ParseCase { "hwb(30 0% 0%)", { 255, 128, 0 }, false },
            ParseCase { "hwb(0 60% 60%)", { 128, 128, 128 }, false },
            ParseCase { "lab(54.29 80.8 69.89)", { 255, 0, 0 }, false },
            ParseCase { "lab(100% 0 0)", { 255, 255, 255 }, false },
            ParseCase { "lch(54.29 106.84 40.85)", { 255, 0, 0 }, false },
            ParseCase { "oklab(0.62796 0.22486 0.12585)", { 255, 0, 0 }, false },
            ParseCase { "oklab(62.796% 56.215% 31.4625%)", { 255, 0, 0 }, false },
            ParseCase { "oklch(0.62796 0.25768 29.23)", { 255, 0, 0 }, false },
            ParseCase { "oklch(1 0 none)", { 255, 255, 255 }, false },
            // Out of sRGB: chroma is reduced, lightness and hue kept.
            ParseCase { "oklch(0.7 0.15 200)", { 0, 183, 192 }, true },
            ParseCase { "oklch(0.7 0.4 30)", { 255, 88, 67 }, true },
            ParseCase { "oklch(1.2 0.2 100)", { 255, 255, 255 }, true },
            ParseCase { "oklch(0 0.2 100)", { 0, 0, 0 }, true }, ParseCase { "lab(50 200 0)", { 255, 0, 137 }, true }));

    class CssRefusalTable : public testing::TestWithParam<const char*> { };
    TEST_P(CssRefusalTable, RefusesWithAReason)
    {
        const CssParse parse = ParseCssColor(GetParam());
        EXPECT_FALSE(parse.color);
        EXPECT_FALSE(parse.error.empty());
    }
    INSTANTIATE_TEST_SUITE_P(Css, CssRefusalTable,
        testing::Values("", "#", "#ff80a", "#ff800", "#gg8000", "notacolour", "transparentish", "rgb(255 128)",
            "rgb(255 128 0 0)", "rgb(255, 128 0)", "rgb(255, 50%, 0)", "rgb(255 128 0", "rgb(255,128,none)",
            "hsl(30, 100, 50)", "hsl(30% 100% 50%)", "rgb(10deg 0 0)", "hwb(30, 0%, 0%)", "oklch(0.7, 0.1, 20)",
            "lab(50 20 x)", "rgb(255 128 0 / )", "rgb(255 128 0 / 1 / 1)", "rgb(255 128 0 / 10deg)",
            "color(srgb 1 0 0)", "rgb(inf 0 0)", "rgb(nan 0 0)", "rgb(1e999 0 0)", "rgb(calc(1) 0 0)", "rgb (1 2 3)",
            "rgb(++1 0 0)"));

    TEST(Css, EveryNotationReadsBackWhatItWrites)
    {
        for (const Rgb color : { Rgb { 255, 128, 0 }, Rgb { 0, 0, 0 }, Rgb { 255, 255, 255 }, Rgb { 1, 2, 3 },
                 Rgb { 102, 51, 153 }, Rgb { 0, 255, 0 }, Rgb { 12, 200, 254 }, Rgb { 128, 128, 128 } }) {
            for (const CssNotation notation : kCssNotations) {
                const std::string text = FormatCssColor(color, notation);
                const CssParse parse = ParseCssColor(text);
                ASSERT_TRUE(parse.color) << text << ": " << parse.error;
                EXPECT_EQ(*parse.color, color) << text;
                EXPECT_FALSE(parse.clipped) << text;
            }
        }
    }

    TEST(Css, WritesEachNotation)
    {
        const Rgb orange { 255, 128, 0 };
        EXPECT_EQ(FormatCssColor(orange, CssNotation::Hex), "#ff8000");
        EXPECT_EQ(FormatCssColor(orange, CssNotation::Rgb), "rgb(255 128 0)");
        EXPECT_EQ(FormatCssColor(orange, CssNotation::Hsl), "hsl(30.12deg 100% 50%)");
        EXPECT_EQ(FormatCssColor(orange, CssNotation::Hwb), "hwb(30.12deg 0% 0%)");
        EXPECT_EQ(FormatCssColor(orange, CssNotation::Lab), "lab(67.82 45.49 74.84)");
        EXPECT_EQ(FormatCssColor(orange, CssNotation::Oklch), "oklch(0.7319 0.1858 52.98)");
        EXPECT_EQ(FormatCssColor({ 255, 255, 255 }, CssNotation::Oklch), "oklch(1 0 none)");
        EXPECT_EQ(FormatCssColor({ 255, 255, 255 }, CssNotation::Lab), "lab(100 0 0)");
    }

    TEST(Css, NamedColoursAreTheFullSortedList)
    {
        const auto& names = CssNamedColors();
        EXPECT_EQ(names.size(), 148U);
        for (std::size_t i = 1; i < names.size(); ++i) {
            EXPECT_LT(names[i - 1].name, names[i].name);
        }
    }

    struct SpaceCase {
        Triple input;
        Triple expected;
        double tolerance;
    };

    // OKLab of XYZ inputs as published with the reference matrices, and of the sRGB primaries.
    TEST(Css, OklabMatchesPublishedValues)
    {
        for (const SpaceCase& c : { SpaceCase { { 0.950, 1.000, 1.089 }, { 1.000, 0.000, 0.000 }, 1e-3 },
                 SpaceCase { { 1.000, 0.000, 0.000 }, { 0.450, 1.236, -0.019 }, 2e-3 },
                 SpaceCase { { 0.000, 1.000, 0.000 }, { 0.922, -0.671, 0.263 }, 2e-3 },
                 SpaceCase { { 0.000, 0.000, 1.000 }, { 0.153, -1.415, -0.449 }, 2e-3 } }) {
            const Triple lab = XyzD65ToOklab(c.input);
            for (std::size_t i = 0; i < 3; ++i) {
                EXPECT_NEAR(lab[i], c.expected[i], c.tolerance) << i;
            }
        }
        for (const SpaceCase& c : { SpaceCase { { 1, 0, 0 }, { 0.62796, 0.22486, 0.12585 }, 1e-4 },
                 SpaceCase { { 0, 1, 0 }, { 0.86644, -0.23389, 0.1795 }, 1e-4 },
                 SpaceCase { { 0, 0, 1 }, { 0.45201, -0.03246, -0.31153 }, 1e-4 },
                 SpaceCase { { 1, 1, 1 }, { 1, 0, 0 }, 1e-6 } }) {
            const Triple lab = SrgbToOklab(c.input);
            const Triple back = OklabToSrgb(lab);
            for (std::size_t i = 0; i < 3; ++i) {
                EXPECT_NEAR(lab[i], c.expected[i], c.tolerance) << i;
                EXPECT_NEAR(back[i], c.input[i], 1e-9) << i;
            }
        }
    }

    // CIE Lab (D50, Bradford-adapted from sRGB's D65).
    TEST(Css, LabMatchesPublishedValues)
    {
        for (const SpaceCase& c : { SpaceCase { { 1, 0, 0 }, { 54.2905, 80.8049, 69.891 }, 1e-3 },
                 SpaceCase { { 1, 1, 1 }, { 100, 0, 0 }, 1e-6 }, SpaceCase { { 0, 0, 0 }, { 0, 0, 0 }, 1e-9 } }) {
            const Triple lab = SrgbToLab(c.input);
            const Triple back = LabToSrgb(lab);
            for (std::size_t i = 0; i < 3; ++i) {
                EXPECT_NEAR(lab[i], c.expected[i], c.tolerance) << i;
                EXPECT_NEAR(back[i], c.input[i], 1e-9) << i;
            }
        }
        // lch(29.2345% 44.2 27) is lab(29.2345% 39.3825 20.0664).
        const Triple lab = FromPolar({ 29.2345, 44.2, 27 });
        EXPECT_NEAR(lab[1], 39.3825, 1e-4);
        EXPECT_NEAR(lab[2], 20.0664, 1e-4);
    }

    TEST(Css, GamutMappingKeepsLightnessAndHueAndStaysNearTheEdge)
    {
        for (const Triple& oklch :
            { Triple { 0.7, 0.4, 30 }, Triple { 0.5, 0.3, 260 }, Triple { 0.9, 0.3, 140 }, Triple { 0.3, 0.2, 90 } }) {
            const Triple srgb = OklabToSrgb(FromPolar(oklch));
            const GamutMapped mapped = MapToSrgbGamut(srgb);
            EXPECT_TRUE(mapped.clipped);
            for (const double c : mapped.srgb) {
                EXPECT_GE(c, 0.0);
                EXPECT_LE(c, 1.0);
            }
            const Triple result = ToPolar(SrgbToOklab(mapped.srgb));
            EXPECT_NEAR(result[0], oklch[0], 0.02) << oklch[2];
            // Within a just noticeable difference of the original's lightness and hue at the chroma it kept.
            EXPECT_LT(DeltaEOk(FromPolar(result), FromPolar({ oklch[0], result[1], oklch[2] })), 0.02) << oklch[2];
            EXPECT_LT(result[1], oklch[1]);
        }
        const GamutMapped inside = MapToSrgbGamut({ 0.2, 0.4, 0.6 });
        EXPECT_FALSE(inside.clipped);
        EXPECT_EQ(inside.srgb, (Triple { 0.2, 0.4, 0.6 }));
    }

} // namespace
} // namespace tw::core
