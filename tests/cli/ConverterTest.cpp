#include "codes/Converter.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tw {
namespace {

    struct Answer {
        int status = -1;
        std::string out;
        std::string err;
    };

    Answer Convert(std::vector<std::string> args)
    {
        std::ostringstream out;
        std::ostringstream err;
        const int status = RunConverter(args, out, err);
        return { status, out.str(), err.str() };
    }

    std::string Joined(const std::vector<std::string>& args)
    {
        std::string all;
        for (const std::string& arg : args)
            all += arg + " ";
        return all;
    }

    std::string Lines(
        const char* rgb, const char* hsl, const char* html, const char* vb, const char* delphi, const char* cpp)
    {
        return std::string("RGB: ") + rgb + "\nHSL: " + hsl + "\nHTML Hex: " + html + "\nVB Hex: " + vb
            + "\nDelphi Hex: " + delphi + "\nC++ Hex: " + cpp + "\n";
    }

    struct Case {
        std::vector<std::string> args;
        std::string out;
    };

    TEST(Converter, TellsEachNotationByItsForm)
    {
        const std::string orange = Lines("255, 128, 0", "20, 240, 120", "#FF8000", "&H80FF&", "$0080FF", "0x80FF");
        const std::string blue = Lines("0, 0, 255", "160, 240, 120", "#0000FF", "&HFF0000&", "$00FF0000", "0xFF0000");
        const Case cases[] = {
            { { "--convert", "#FF8000" }, orange },
            { { "--convert", "FF8000" }, orange },
            { { "--convert", "#F80" },
                Lines("0, 15, 128", "155, 240, 61", "#000F80", "&H800F00&", "$00800F00", "0x800F00") },
            { { "--convert", "&H80FF&" }, orange },
            { { "--convert", "$00FF0000" }, blue },
            { { "--convert", "$0080FF" }, orange },
            { { "--convert", "0X00FF00" },
                Lines("0, 255, 0", "80, 240, 120", "#00FF00", "&HFF00&", "$00FF00", "0xFF00") },
            { { "--convert", "0x80FF" }, orange },
            { { "--convert", "255, 128, 0" }, orange },
            { { "--convert", "255,", "128,", "0" }, orange },
            { { "--convert=12.6,0,0" }, Lines("13, 0, 0", "0, 240, 7", "#0D0000", "&HD&", "$00D", "0xD") },
            { { "--convert", "0,0,0" }, Lines("0, 0, 0", "160, 0, 0", "#000000", "&H0&", "$000", "0x0") },
            // HSL keeps the entered numbers, as the fields do, though the colour rounds to RGB.
            { { "--convert", "160,240,120", "--as", "hsl" }, blue },
            { { "--as=hsl", "--convert", "239, 240, 120" },
                Lines("255, 0, 7", "239, 240, 120", "#FF0007", "&H700FF&", "$00700FF", "0x700FF") },
        };
        for (const Case& c : cases) {
            const Answer answer = Convert(c.args);
            EXPECT_EQ(answer.status, kConvertedStatus) << Joined(c.args) << answer.err;
            EXPECT_EQ(answer.out, c.out) << Joined(c.args);
            EXPECT_EQ(answer.err, "") << Joined(c.args);
        }
    }

    TEST(Converter, ARefusedCodePrintsTheFieldsMessage)
    {
        const std::pair<std::vector<std::string>, std::string> cases[] = {
            { { "--convert", "ff8000" }, "ff8000 is not a valid HTML hex code.\n" },
            { { "--convert", "#FF80001" }, "HTML hex code must be six characters long.\n" },
            { { "--convert", "&h80ff" }, "&H80ff& is not a valid VB hex code.\n" },
            { { "--convert", "$FF0000" }, "$FF0000 is not a valid Delphi hex code.\n" },
            { { "--convert", "0x1000000" },
                "Incorrect input:\n\n0x1000000 is not a color: a color has at most six significant hex digits, and "
                "0xFFFFFF is white.\n" },
            { { "--convert", "256, 0, 0" }, "Each RGB value cannot exceed 255\n" },
            { { "--convert", "0, -1, 0" }, "Each RGB value cannot be less than 0\n" },
            { { "--convert", "0, abc, 0" }, "abc is not a valid RGB value.\n" },
            { { "--convert", "240,240,120", "--as", "hsl" }, "Hue cannot exceed 239\n" },
            { { "--convert", "1, 2" }, "An RGB code is three numbers R, G, B separated by commas.\n" },
            { { "--convert", "1, 2, 3, 4" }, "An RGB code is three numbers R, G, B separated by commas.\n" },
            { { "--convert", "1,,3" }, "An RGB code is three numbers R, G, B separated by commas.\n" },
            { { "--convert", "#FF8000", "--as", "hsl" },
                "An HSL code is three numbers H, S, L separated by commas.\n" },
            { { "--convert", "80FF&" },
                "80FF& is no color code: give #RRGGBB, RRGGBB, &H...&, $00..., 0x... or three numbers R, G, B.\n" },
        };
        for (const auto& [args, message] : cases) {
            const Answer answer = Convert(args);
            EXPECT_EQ(answer.status, kRefusedStatus) << Joined(args);
            EXPECT_EQ(answer.out, "") << Joined(args);
            EXPECT_EQ(answer.err, message) << Joined(args);
        }
    }

    TEST(Converter, ASystemColourConstantHasNoColourWithoutADesktop)
    {
        const Answer answer = Convert({ "--convert", "&H8000000F&" });
        EXPECT_EQ(answer.status, kRefusedStatus);
        EXPECT_NE(answer.err.find("is a VB System Color Constant"), std::string::npos) << answer.err;
    }

    TEST(Converter, AMisusedCommandLineShowsTheUsage)
    {
        for (const std::vector<std::string>& args : std::vector<std::vector<std::string>> { { "--convert" },
                 { "--convert", "#FF8000", "--as" }, { "--convert", "1,2,3", "--as", "cmyk" },
                 { "--convert", "#FF8000", "--verbose" }, { "file.tcpc", "--convert", "#FF8000" } }) {
            const Answer answer = Convert(args);
            EXPECT_EQ(answer.status, kUsageStatus) << Joined(args);
            EXPECT_EQ(answer.out, "");
            EXPECT_NE(answer.err.find("Usage: tintwise-color-picker --convert CODE [--as hsl]"), std::string::npos);
        }
    }

    TEST(Converter, AnswersOnlyWhenAsked)
    {
        std::ostringstream out;
        std::ostringstream err;
        const char* plain[] = { "tintwise-color-picker", "colour.tcpc" };
        EXPECT_FALSE(RunConverterIfAsked(2, plain, out, err));
        const char* asked[] = { "tintwise-color-picker", "--convert", "#000000" };
        EXPECT_EQ(RunConverterIfAsked(3, asked, out, err), kConvertedStatus);
        EXPECT_EQ(out.str().substr(0, 13), "RGB: 0, 0, 0\n");
    }

} // namespace
} // namespace tw
