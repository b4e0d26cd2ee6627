#include "core/DesktopFiles.h"

#include <gtest/gtest.h>

using namespace tw::core;

namespace {

// A launcher's reading of one Exec argument, written from the Desktop Entry rules: the string value's escapes
// first, then the quoting, then the doubled '%'. The inverse of ExecArgument for one argument.
std::string LaunchersReading(const std::string& written)
{
    std::string value;
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (written[i] != '\\' || i + 1 == written.size()) {
            value += written[i];
            continue;
        }
        const char next = written[++i];
        value += next == 'n' ? '\n' : next == 't' ? '\t' : next == 'r' ? '\r' : next == 's' ? ' ' : next;
    }
    std::string argument;
    const bool quoted = !value.empty() && value.front() == '"';
    for (std::size_t i = quoted ? 1 : 0; i < value.size(); ++i) {
        const char c = value[i];
        if (quoted && c == '"' && i + 1 == value.size())
            break;
        if (quoted && c == '\\' && i + 1 < value.size())
            argument += value[++i];
        else if (c == '%' && i + 1 < value.size() && value[i + 1] == '%')
            argument += value[++i];
        else
            argument += c;
    }
    return argument;
}

struct ExecCase {
    const char* name;
    std::string path;
    std::string written;
};

class ExecArgumentTable : public testing::TestWithParam<ExecCase> { };

TEST_P(ExecArgumentTable, IsQuotedSoThatTheLauncherReadsThePathBack)
{
    const auto written = ExecArgument(GetParam().path);
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, GetParam().written);
    EXPECT_EQ(LaunchersReading(*written), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(Paths, ExecArgumentTable,
    testing::Values(ExecCase { "plain", "/usr/bin/tintwise-color-picker", "/usr/bin/tintwise-color-picker" },
        ExecCase { "space", "/opt/my apps/tcp", R"("/opt/my apps/tcp")" },
        ExecCase { "double_quote", "/opt/a\"b/tcp", R"("/opt/a\\"b/tcp")" },
        ExecCase { "single_quote", "/opt/it's/tcp", R"("/opt/it's/tcp")" },
        ExecCase { "dollar_and_command", "/opt/$(rm -rf ~)/tcp", R"("/opt/\\$(rm -rf ~)/tcp")" },
        ExecCase { "backquote", "/opt/`id`/tcp", R"("/opt/\\`id\\`/tcp")" },
        ExecCase { "backslash", "/opt/a\\b/tcp", R"("/opt/a\\\\b/tcp")" },
        ExecCase { "percent_unquoted", "/opt/100%/tcp", "/opt/100%%/tcp" },
        ExecCase { "field_code_lookalike", "/opt/%f dir/tcp", R"("/opt/%%f dir/tcp")" },
        ExecCase { "semicolon_and_pipe", "/opt/a;b|c/tcp", R"("/opt/a;b|c/tcp")" },
        ExecCase { "newline", "/opt/a\nb/tcp", R"("/opt/a\nb/tcp")" },
        ExecCase { "non_ascii", "/opt/Farbwähler/tcp", "/opt/Farbwähler/tcp" }),
    [](const testing::TestParamInfo<ExecCase>& row) { return std::string(row.param.name); });

TEST(ExecArgument, RefusesWhatNoDesktopEntryCanCarry)
{
    EXPECT_FALSE(ExecArgument(""));
    EXPECT_FALSE(ExecArgument("/opt/caf\xC3/tcp")); // cut UTF-8
    EXPECT_FALSE(ExecArgument("/opt/\xC0\xAF/tcp")); // overlong '/'
    EXPECT_FALSE(ExecArgument(std::string("/opt/a\0b", 8)));
    EXPECT_FALSE(ExecArgument("/opt/a\x1b[31m/tcp"));
    EXPECT_FALSE(DesktopEntryText("/opt/caf\xC3/tcp"));
}

TEST(DesktopEntry, OpensOneFileAndNamesBothTypes)
{
    const std::string entry = *DesktopEntryText("/opt/my apps/tcp");
    EXPECT_NE(entry.find("\nExec=\"/opt/my apps/tcp\" %f\n"), std::string::npos);
    EXPECT_NE(
        entry.find("\nMimeType=application/x-tintwise-color;application/x-tintwise-palette;\n"), std::string::npos);
    EXPECT_TRUE(entry.starts_with("[Desktop Entry]\nType=Application\n"));
}

TEST(MimePackage, GlobsBothExtensions)
{
    const std::string package = MimePackageText();
    EXPECT_NE(package.find("<mime-type type=\"application/x-tintwise-color\">"), std::string::npos);
    EXPECT_NE(package.find("<glob pattern=\"*.tcpc\"/>"), std::string::npos);
    EXPECT_NE(package.find("<glob pattern=\"*.tcpp\"/>"), std::string::npos);
}

struct MimeappsCase {
    const char* name;
    std::string before;
    std::string added;
};

class MimeappsTable : public testing::TestWithParam<MimeappsCase> { };

TEST_P(MimeappsTable, AddingIsIdempotentAndRemovingGivesBackTheText)
{
    const std::string added = AddDefaultHandlers(GetParam().before);
    EXPECT_EQ(added, GetParam().added);
    EXPECT_EQ(AddDefaultHandlers(added), added);
    EXPECT_EQ(RemoveDefaultHandlers(added), GetParam().before);
}

const std::string kOurs = "application/x-tintwise-color=tintwise-color-picker.desktop\n"
                          "application/x-tintwise-palette=tintwise-color-picker.desktop\n";

INSTANTIATE_TEST_SUITE_P(Files, MimeappsTable,
    testing::Values(MimeappsCase { "no_file", "", "[Default Applications]\n" + kOurs },
        MimeappsCase { "other_groups_only", "[Added Associations]\ntext/plain=gedit.desktop;\n",
            "[Added Associations]\ntext/plain=gedit.desktop;\n[Default Applications]\n" + kOurs },
        MimeappsCase { "defaults_with_others_then_a_blank_and_another_group",
            "[Default Applications]\ntext/html=firefox.desktop\n\n[Removed Associations]\nimage/png=gimp.desktop;\n",
            "[Default Applications]\ntext/html=firefox.desktop\n" + kOurs
                + "\n[Removed Associations]\nimage/png=gimp.desktop;\n" },
        MimeappsCase { "a_type_already_taken_by_another_program",
            "[Default Applications]\napplication/x-tintwise-palette=other.desktop\n",
            "[Default Applications]\napplication/x-tintwise-palette=other.desktop\n"
            "application/x-tintwise-color=tintwise-color-picker.desktop\n" },
        MimeappsCase { "comments_kept", "# mine\n[Default Applications]\n# keep\n",
            "# mine\n[Default Applications]\n# keep\n" + kOurs }),
    [](const testing::TestParamInfo<MimeappsCase>& row) { return std::string(row.param.name); });

TEST(Mimeapps, RemovingLeavesOtherProgramsAndListsAlone)
{
    const std::string text = "[Default Applications]\n"
                             "application/x-tintwise-color=tintwise-color-picker.desktop;other.desktop;\n"
                             "application/x-tintwise-palette=tintwise-color-picker.desktop;\n"
                             "image/png=tintwise-color-picker.desktop\n";
    EXPECT_EQ(RemoveDefaultHandlers(text),
        "[Default Applications]\n"
        "application/x-tintwise-color=tintwise-color-picker.desktop;other.desktop;\n"
        "image/png=tintwise-color-picker.desktop\n");
    EXPECT_TRUE(IsDefaultHandler(text, "application/x-tintwise-palette"));
    EXPECT_FALSE(IsDefaultHandler(text, "application/x-tintwise-color"));
    EXPECT_EQ(RemoveDefaultHandlers("garbage\x01\xFF without groups"), "garbage\x01\xFF without groups");
}

} // namespace
