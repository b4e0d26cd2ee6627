#include "core/CommandLine.h"

#include <gtest/gtest.h>

#include <cctype>

using tw::core::CommandLine;
using tw::core::EarlyAction;
using tw::core::ParseCommandLine;
using Action = CommandLine::Action;

namespace {

struct Case {
    const char* name;
    std::vector<std::string> arguments;
    Action action;
    std::string path;
};

class ParseCommandLineTest : public testing::TestWithParam<Case> { };

TEST_P(ParseCommandLineTest, GivesTheActionAndThePath)
{
    const Case& c = GetParam();
    const CommandLine result = ParseCommandLine(c.arguments);
    EXPECT_EQ(result.action, c.action);
    EXPECT_EQ(result.path, c.path);
    EXPECT_EQ(result.error.empty(), c.action != Action::Error);
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseCommandLineTest,
    testing::Values(Case { "nothing", {}, Action::Run, "" },
        Case { "one file", { "/home/u/sky.tcpc" }, Action::Run, "/home/u/sky.tcpc" },
        Case { "a name with blanks stays one path", { "my palette.tcpp" }, Action::Run, "my palette.tcpp" },
        Case { "help", { "--help" }, Action::Help, "" }, Case { "short help", { "-h" }, Action::Help, "" },
        Case { "help after a file", { "a.tcpc", "--help" }, Action::Help, "" },
        Case { "version", { "--version" }, Action::Version, "" },
        Case { "dash dash ends the options", { "--", "--help" }, Action::Run, "--help" },
        Case { "a lone dash is a file name", { "-" }, Action::Run, "-" },
        Case { "unknown long option", { "--verbose" }, Action::Error, "" },
        Case { "unknown short option", { "-x", "a.tcpc" }, Action::Error, "" },
        Case { "two files", { "a.tcpc", "b.tcpc" }, Action::Error, "" },
        Case { "two files after dash dash", { "--", "a", "b" }, Action::Error, "" }),
    [](const testing::TestParamInfo<Case>& param) {
        std::string name = param.param.name;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(EarlyActionTest, FindsHelpAndVersionAmongOptionsItDoesNotKnow)
{
    // Before the window system took its options out, "-style fusion" is still there and is no error.
    EXPECT_EQ(EarlyAction({ "-style", "fusion", "--version" }), Action::Version);
    EXPECT_EQ(EarlyAction({ "-platform", "offscreen", "-h" }), Action::Help);
    EXPECT_EQ(EarlyAction({ "-style", "fusion", "a.tcpc" }), Action::Run);
    EXPECT_EQ(EarlyAction({ "--", "--help" }), Action::Run);
}

TEST(UsageTextTest, NamesEveryOption)
{
    const std::string text = tw::core::UsageText("tintwise-color-picker");
    EXPECT_EQ(text.rfind("Usage: tintwise-color-picker [OPTION]... [FILE]\n", 0), 0u);
    for (const char* option : { "--help", "--version", "--" })
        EXPECT_NE(text.find(option), std::string::npos) << option;
    EXPECT_EQ(tw::core::VersionText("tintwise-color-picker", "1.0.0"), "tintwise-color-picker 1.0.0\n");
}

} // namespace
