#include "core/Converter.h"
#include "core/CommandLine.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tw::core {
namespace {

    constexpr const char* kProgram = "tintwise-color-picker";

    struct Answer {
        std::optional<ExitStatus> status;
        std::string out;
        std::string err;
    };

    // The arguments as the shell hands them over, answered as the program answers them before any window.
    Answer Start(const std::vector<std::string>& args)
    {
        std::ostringstream out;
        std::ostringstream err;
        const auto status = AnswerWithoutWindow(ParseCommandLine(args), kProgram, "1.0.0", out, err);
        return { status, out.str(), err.str() };
    }

    std::string Joined(const std::vector<std::string>& args)
    {
        std::string all;
        for (const std::string& arg : args)
            all += "[" + arg + "] ";
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
        std::string text; // standard output for a conversion, standard error for a refusal
    };

    TEST(Converter, TellsEachNotationByItsForm)
    {
        const std::string orange = Lines("255, 128, 0", "20, 240, 120", "#FF8000", "&H80FF&", "$0080FF", "0x80FF");
        const std::string blue = Lines("0, 0, 255", "160, 240, 120", "#0000FF", "&HFF0000&", "$00FF0000", "0xFF0000");
        const std::string black = Lines("0, 0, 0", "160, 0, 0", "#000000", "&H0&", "$000", "0x0");
        const std::string dark = Lines("1, 2, 3", "140, 120, 2", "#010203", "&H30201&", "$0030201", "0x30201");
        const Case cases[] = {
            { { "--convert", "#FF8000" }, orange },
            { { "--convert", "FF8000" }, orange },
            { { "--convert", "  #FF8000\t" }, orange },
            { { "--convert", "#F80" },
                Lines("0, 15, 128", "155, 240, 61", "#000F80", "&H800F00&", "$00800F00", "0x800F00") },
            { { "--convert", "&H80FF&" }, orange },
            { { "--convert", "$00FF0000" }, blue },
            { { "--convert", "$0080FF" }, orange },
            { { "--convert", "0X00FF00" },
                Lines("0, 255, 0", "80, 240, 120", "#00FF00", "&HFF00&", "$00FF00", "0xFF00") },
            { { "--convert", "0x80FF" }, orange },
            { { "--convert", "0XAB12" },
                Lines("18, 171, 0", "76, 240, 81", "#12AB00", "&HAB12&", "$00AB12", "0xAB12") },
            { { "--convert", "255, 128, 0" }, orange },
            { { "--convert", "255,", "128,", "0" }, orange },
            { { "--convert=12.6,0,0" }, Lines("13, 0, 0", "0, 240, 7", "#0D0000", "&HD&", "$00D", "0xD") },
            { { "--convert", "0,0,0" }, black },
            // Black in each notation as the program writes it.
            { { "--convert", "&H0&" }, black },
            { { "--convert", "$000" }, black },
            { { "--convert", "0x0" }, black },
            // "--" ends the options, before or after the code.
            { { "--convert", "1,2,3", "--" }, dark },
            { { "--convert", "--", "1,2,3" }, dark },
            { { "--", "--convert" }, {} }, // no conversion: "--convert" is a file name here
            // The window system's options are no part of the code.
            { { "-platform", "offscreen", "--convert", "1,2,3", "-style=fusion" }, dark },
            // HSL keeps the entered numbers, as the fields do, though the colour rounds to RGB.
            { { "--convert", "160,240,120", "--as", "hsl" }, blue },
            { { "--as=HSL", "--convert", "239, 240, 120" },
                Lines("255, 0, 7", "239, 240, 120", "#FF0007", "&H700FF&", "$00700FF", "0x700FF") },
            { { "--convert", "255,128,0", "--as", "rgb" }, orange },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(Joined(c.args));
            const Answer answer = Start(c.args);
            if (c.text.empty()) {
                EXPECT_EQ(answer.status, std::nullopt);
                continue;
            }
            EXPECT_EQ(answer.status, ExitStatus::Done) << answer.err;
            EXPECT_EQ(answer.out, c.text);
            EXPECT_EQ(answer.err, "");
        }
    }

    TEST(Converter, ARefusedCodePrintsTheFieldsMessage)
    {
        const std::string notAscii = "Color codes are written in ASCII: full-width and other non-ASCII characters are "
                                     "not read as digits or letters.\n";
        const Case cases[] = {
            { { "--convert", "ff8000" }, "ff8000 is not a valid HTML hex code.\n" },
            { { "--convert", "#FF80001" }, "HTML hex code must be six characters long.\n" },
            { { "--convert", "#ＦＦ８０００" }, "ＦＦ８０００ is not a valid HTML hex code.\n" + notAscii },
            { { "--convert", "ＦＦ８０００" }, "ＦＦ８０００ is not a valid HTML hex code.\n" + notAscii },
            { { "--convert", "１,２,３" }, "１ is not a valid RGB value.\n" + notAscii },
            { { "--convert", "&h80ff" }, "&H80ff& is not a valid VB hex code.\n" },
            { { "--convert", "&H1000000&" },
                "Validation and conversion could not be completed. Please ensure you entered a proper VB Hex "
                "code.\n\n&H1000000& is neither a color (&H0& to &HFFFFFF&) nor a VB System Color Constant "
                "(&H80000000& to &H80000018&).\n" },
            { { "--convert", "$FF0000" }, "$FF0000 is not a valid Delphi hex code.\n" },
            { { "--convert", "0x1000000" },
                "Incorrect input:\n\n0x1000000 is not a color: a color has at most six significant hex digits, and "
                "0xFFFFFF is white.\n" },
            { { "--convert", "256, 0, 0" }, "Each RGB value cannot exceed 255\n" },
            { { "--convert", "--", "-1,2,3" }, "Each RGB value cannot be less than 0\n" },
            { { "--convert", "0, abc, 0" }, "abc is not a valid RGB value.\n" },
            { { "--convert", "240,240,120", "--as", "hsl" }, "Hue cannot exceed 239\n" },
            { { "--convert", "1, 2" }, "An RGB code is three numbers R, G, B separated by commas.\n" },
            { { "--convert", "1, 2, 3, 4" }, "An RGB code is three numbers R, G, B separated by commas.\n" },
            { { "--convert", "1,,3" }, "An RGB code is three numbers R, G, B separated by commas.\n" },
            { { "--convert", "#FF8000", "--as", "hsl" },
                "An HSL code is three numbers H, S, L separated by commas.\n" },
            { { "--convert", "80FF&" },
                "80FF& is no color code: give #RRGGBB, RRGGBB, &H...&, $00..., 0x... or three numbers R, G, B, or a "
                "CSS color.\n" },
            { { "--convert", "&H8000000F&" },
                "Validation and conversion could not be completed. Please ensure you entered a proper VB Hex "
                "code.\n\n&H8000000F& is a VB System Color Constant: its color comes from the desktop's color "
                "scheme, which is not available here.\n" },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(Joined(c.args));
            const Answer answer = Start(c.args);
            EXPECT_EQ(answer.status, ExitStatus::Refused);
            EXPECT_EQ(answer.out, "");
            EXPECT_EQ(answer.err, c.text);
        }
    }

    TEST(Converter, AnEmptyCodeIsRefusedWithAMessage)
    {
        const Conversion conversion = ConvertCode("", NumberReading::Rgb);
        EXPECT_TRUE(conversion.lines.empty());
        ASSERT_EQ(conversion.refusal.size(), 1u);
        EXPECT_EQ(conversion.refusal[0].text, "No color code was given.");
    }

} // namespace
} // namespace tw::core
