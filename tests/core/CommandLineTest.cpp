#include "core/CommandLine.h"

#include <gtest/gtest.h>

#include <cctype>
#include <sstream>

namespace tw::core {
namespace {

    using Action = CommandLine::Action;
    using Arguments = std::vector<std::string>;

    struct Case {
        const char* name;
        Arguments arguments;
        Action action;
        std::string path = {};
        std::string code = {};
        NumberReading reading = NumberReading::Rgb;
        Arguments toolkit = {};
    };

    class ParseCommandLineTest : public testing::TestWithParam<Case> { };

    TEST_P(ParseCommandLineTest, GivesTheActionAndWhatItActsOn)
    {
        const Case& c = GetParam();
        const CommandLine result = ParseCommandLine(c.arguments);
        EXPECT_EQ(result.action, c.action);
        EXPECT_EQ(result.path, c.path);
        EXPECT_EQ(result.code, c.code);
        EXPECT_EQ(result.reading, c.reading);
        EXPECT_EQ(result.toolkitArguments, c.toolkit);
        EXPECT_EQ(result.error.empty(), c.action != Action::Error) << result.error;
    }

    INSTANTIATE_TEST_SUITE_P(Cases, ParseCommandLineTest,
        testing::Values(Case { "nothing", {}, Action::Run },
            Case { "one file", { "/home/u/sky.tcpc" }, Action::Run, "/home/u/sky.tcpc" },
            Case { "a name with blanks stays one path", { "my palette.tcpp" }, Action::Run, "my palette.tcpp" },
            Case { "help", { "--help" }, Action::Help }, Case { "short help", { "-h" }, Action::Help },
            Case { "help after a file", { "a.tcpc", "--help" }, Action::Help },
            Case { "help after a convert", { "--convert", "#FF8000", "--help" }, Action::Help },
            Case { "help wins over an unknown option", { "--bogus", "--help" }, Action::Help },
            Case { "version wins over two files", { "a", "b", "--version" }, Action::Version },
            Case { "version", { "--version" }, Action::Version },
            Case { "dash dash ends the options", { "--", "--help" }, Action::Run, "--help" },
            Case { "a lone dash is a file name", { "-" }, Action::Run, "-" },
            Case { "an empty argument is no file", { "" }, Action::Run },
            Case { "unknown long option", { "--verbose" }, Action::Error },
            Case { "unknown short option", { "-x", "a.tcpc" }, Action::Error },
            Case { "two files", { "a.tcpc", "b.tcpc" }, Action::Error },
            Case { "two files after dash dash", { "--", "a", "b" }, Action::Error },
            // The window system's own options are passed on with their values and never taken for FILE.
            Case { "platform before a file", { "-platform", "offscreen", "a.tcpc" }, Action::Run, "a.tcpc", {},
                NumberReading::Rgb, { "-platform", "offscreen" } },
            Case { "toolkit options of every form",
                { "--display", ":1", "a.tcpc", "-style=fusion", "-reverse", "-qwindowgeometry", "100x100+0+0", "-name",
                    "x" },
                Action::Run, "a.tcpc", {}, NumberReading::Rgb,
                { "--display", ":1", "-style=fusion", "-reverse", "-qwindowgeometry", "100x100+0+0", "-name", "x" } },
            Case { "a toolkit option's value may start with a dash", { "-style", "-x" }, Action::Run, {}, {},
                NumberReading::Rgb, { "-style", "-x" } },
            Case { "a toolkit option after dash dash is a file", { "--", "-platform" }, Action::Run, "-platform" },
            Case { "a toolkit option without its value", { "a.tcpc", "-platform" }, Action::Error },
            Case { "only some toolkit options take an equals sign", { "-platform=offscreen" }, Action::Error },
            // --convert: every argument after it that is no option is part of the code.
            Case { "convert", { "--convert", "#FF8000" }, Action::Convert, {}, "#FF8000" },
            Case { "convert with equals", { "--convert=#FF8000" }, Action::Convert, {}, "#FF8000" },
            Case { "convert in pieces", { "--convert", "255,", "128,", "0" }, Action::Convert, {}, "255, 128, 0" },
            Case { "convert trims", { "--convert", " 0x80FF\t" }, Action::Convert, {}, "0x80FF" },
            Case { "convert then dash dash", { "--convert", "1,2,3", "--" }, Action::Convert, {}, "1,2,3" },
            Case { "dash dash before a negative code", { "--convert", "--", "-1,2,3" }, Action::Convert, {}, "-1,2,3" },
            Case { "convert as hsl", { "--convert", "1,2,3", "--as", "hsl" }, Action::Convert, {}, "1,2,3",
                NumberReading::Hsl },
            Case { "as before convert", { "--as=HSL", "--convert", "1,2,3" }, Action::Convert, {}, "1,2,3",
                NumberReading::Hsl },
            Case { "convert among toolkit options", { "-platform", "offscreen", "--convert", "#FF8000" },
                Action::Convert, {}, "#FF8000", NumberReading::Rgb, { "-platform", "offscreen" } },
            Case { "bare convert", { "--convert" }, Action::Error },
            Case { "convert of blanks", { "--convert", " " }, Action::Error },
            Case { "convert of nothing", { "--convert=" }, Action::Error },
            Case { "a negative code without dash dash", { "--convert", "-1,2,3" }, Action::Error },
            Case { "convert and a file", { "a.tcpc", "--convert", "#FF8000" }, Action::Error },
            Case { "convert twice", { "--convert", "#FF8000", "--convert", "#000000" }, Action::Error },
            Case { "as without a value", { "--convert", "1,2,3", "--as" }, Action::Error },
            Case { "as of something else", { "--convert", "1,2,3", "--as", "cmyk" }, Action::Error },
            Case { "as without convert", { "--as", "hsl" }, Action::Error }),
        [](const testing::TestParamInfo<Case>& param) {
            std::string name = param.param.name;
            for (char& c : name)
                if (!std::isalnum(static_cast<unsigned char>(c)))
                    c = '_';
            return name;
        });

    struct Answered {
        std::optional<ExitStatus> status;
        std::string out;
        std::string err;
    };

    Answered Answer(const Arguments& arguments)
    {
        std::ostringstream out;
        std::ostringstream err;
        const auto status
            = AnswerWithoutWindow(ParseCommandLine(arguments), "tintwise-color-picker", "1.0.0", out, err);
        return { status, out.str(), err.str() };
    }

    // One start of each kind and the status it ends with: 0 done, 1 a misused command line, 2 a refused code.
    // A start that runs the window ends with nothing here.
    TEST(AnswerWithoutWindow, EndsEveryStartWithoutAWindowWithItsStatus)
    {
        const std::string hint = "Try 'tintwise-color-picker --help' for more information.\n";
        const struct {
            Arguments arguments;
            std::optional<ExitStatus> status;
            std::string out;
            std::string err;
        } cases[] = {
            { {}, std::nullopt, "", "" },
            { { "-platform", "offscreen", "a.tcpc" }, std::nullopt, "", "" },
            { { "--help" }, ExitStatus::Done, UsageText("tintwise-color-picker"), "" },
            { { "--version" }, ExitStatus::Done, "tintwise-color-picker 1.0.0\n", "" },
            { { "--convert", "#000000" }, ExitStatus::Done,
                "RGB: 0, 0, 0\nHSL: 160, 0, 0\nHTML Hex: #000000\nVB Hex: &H0&\nDelphi Hex: $000\nC++ Hex: 0x0\n", "" },
            { { "--convert", "#GG0000" }, ExitStatus::Refused, "", "GG0000 is not a valid HTML hex code.\n" },
            { { "--bogus" }, ExitStatus::Misuse, "", "tintwise-color-picker: unrecognized option '--bogus'\n" + hint },
            { { "a", "b" }, ExitStatus::Misuse, "",
                "tintwise-color-picker: only one FILE can be opened, but more were given\n" + hint },
            { { "--convert" }, ExitStatus::Misuse, "", "tintwise-color-picker: --convert needs a color code\n" + hint },
            { { "--convert", " " }, ExitStatus::Misuse, "",
                "tintwise-color-picker: --convert needs a color code\n" + hint },
            { { "--convert", "1,2,3", "--as", "cmyk" }, ExitStatus::Misuse, "",
                "tintwise-color-picker: option '--as' takes hsl or rgb, not 'cmyk'\n" + hint },
        };
        for (const auto& c : cases) {
            std::string joined;
            for (const std::string& argument : c.arguments)
                joined += "[" + argument + "] ";
            SCOPED_TRACE(joined);
            const Answered answered = Answer(c.arguments);
            EXPECT_EQ(answered.status, c.status);
            EXPECT_EQ(answered.out, c.out);
            EXPECT_EQ(answered.err, c.err);
        }
        EXPECT_EQ(static_cast<int>(ExitStatus::Done), 0);
        EXPECT_EQ(static_cast<int>(ExitStatus::Misuse), 1);
        EXPECT_EQ(static_cast<int>(ExitStatus::Refused), 2);
    }

    // The user's templates are notations of --format and --format json like the predefined ones; one that cannot be
    // kept (a taken name, a malformed pattern) is no format at all.
    TEST(AnswerWithoutWindow, KnowsTheUsersTemplates)
    {
        const std::vector<ColorTemplate> templates { { "GLSL vec3", "vec3({rf:.2}, {gf:.2}, {bf:.2})" },
            { "Broken", "{red}" }, { "HTML", "{hex}" }, { "glsl  VEC3", "{r}" } };
        const auto answer = [&templates](const Arguments& arguments) {
            std::ostringstream out;
            std::ostringstream err;
            const auto status = AnswerWithoutWindow(
                ParseCommandLine(arguments), "tintwise-color-picker", "1.0.0", out, err, templates);
            return Answered { status, out.str(), err.str() };
        };
        const Answered glsl = answer({ "--convert", "#FF8000", "--format", "glsl-vec3" });
        EXPECT_EQ(glsl.status, ExitStatus::Done);
        EXPECT_EQ(glsl.out, "vec3(1.00, 0.50, 0.00)\n");
        // Without the user's list only the predefined templates are known.
        EXPECT_EQ(Answer({ "--convert", "#FF8000", "--format", "glsl-vec3" }).status, ExitStatus::Misuse);
        EXPECT_EQ(answer({ "--convert", "#FF8000", "--format", "swiftui" }).status, ExitStatus::Misuse);
        EXPECT_EQ(answer({ "--convert", "#FF8000", "--format", "broken" }).status, ExitStatus::Misuse);
        // "HTML" is the built-in row's name: --format html stays the field's code.
        EXPECT_EQ(answer({ "--convert", "#FF8000", "--format", "html" }).out, "#FF8000\n");
        const std::string json = answer({ "--convert", "#FF8000", "--format", "json" }).out;
        EXPECT_NE(json.find("\"glsl-vec3\": \"vec3(1.00, 0.50, 0.00)\""), std::string::npos);
        EXPECT_EQ(json.find("broken"), std::string::npos);
        EXPECT_EQ(json.find("swiftui"), std::string::npos);
    }

    // The help is the one place a user learns the options: each option the parser knows is named in it, and
    // its synopsis lines come first.
    TEST(UsageTextTest, NamesEveryOptionTheParserKnows)
    {
        const std::string text = UsageText("tintwise-color-picker");
        EXPECT_EQ(text.rfind("Usage: tintwise-color-picker [OPTION]... [FILE]\n"
                             "  or:  tintwise-color-picker --convert CODE [--as hsl] [--format NAME]\n"
                             "  or:  tintwise-color-picker --contrast TEXT BACKGROUND\n",
                      0),
            0u);
        for (const char* option :
            { "-h, --help", "--version", "--convert CODE", "--as hsl", "--as rgb", "--format NAME", "--format json",
                "--contrast TEXT BACKGROUND", "oklch()", "  --  ", "-platform NAME" })
            EXPECT_NE(text.find(option), std::string::npos) << option;
        EXPECT_NE(
            text.find(
                "Exit status:\n  0  done\n  1  the command line is misused\n  2  a code of --convert or --contrast is "
                "refused"),
            std::string::npos);
        EXPECT_EQ(text.back(), '\n');
        // Every line fits a terminal of 80 columns.
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);)
            EXPECT_LE(line.size(), 80u) << line;
    }

} // namespace
} // namespace tw::core
