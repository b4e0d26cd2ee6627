#include "core/Template.h"
#include "core/Converter.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tw::core {
namespace {

    struct ExpandCase {
        const char* pattern;
        const char* text;
    };

    void PrintTo(const ExpandCase& c, std::ostream* os)
    {
        *os << c.pattern;
    }

    class TemplateTable : public testing::TestWithParam<ExpandCase> { };
    TEST_P(TemplateTable, Expands)
    {
        const TemplateExpansion expansion = ExpandTemplate(GetParam().pattern, { 255, 128, 10 });
        EXPECT_EQ(expansion.error, "");
        EXPECT_EQ(expansion.text, GetParam().text);
    }
    INSTANTIATE_TEST_SUITE_P(Template, TemplateTable,
        testing::Values(ExpandCase { "Color.FromArgb({r}, {g}, {b})", "Color.FromArgb(255, 128, 10)" },
            ExpandCase { "{a}", "255" }, ExpandCase { "{rf} {gf} {bf} {af}", "1.000 0.502 0.039 1.000" },
            ExpandCase { "vec3({rf:.3}, {gf:.1}, {bf:.0})", "vec3(1.000, 0.5, 0)" },
            ExpandCase { "{rx}{gx}{bx}{ax}", "FF800AFF" }, ExpandCase { "{hex}", "FF800A" },
            ExpandCase { "{hex|lower}", "ff800a" }, ExpandCase { "{gx|lower}", "80" },
            ExpandCase { "{rf:.2|upper}", "1.00" }, ExpandCase { "{{r}} {{{r}}}", "{r} {255}" },
            ExpandCase { "no placeholders", "no placeholders" }));

    class MalformedTemplateTable : public testing::TestWithParam<const char*> { };
    TEST_P(MalformedTemplateTable, GivesAClearError)
    {
        const TemplateExpansion expansion = ExpandTemplate(GetParam(), { 1, 2, 3 });
        EXPECT_EQ(expansion.text, "");
        EXPECT_FALSE(expansion.error.empty());
    }
    INSTANTIATE_TEST_SUITE_P(Template, MalformedTemplateTable,
        testing::Values("", "{r", "rgb({r}, {g", "{red}", "{}", "r}", "{r{g}}", "{r:.3}", "{rf:3}", "{rf:.10}",
            "{hex|title}", "{hex|}"));

    TEST(Template, ErrorsSayWhere)
    {
        EXPECT_NE(ExpandTemplate("abc {r", {}).error.find("position 5"), std::string::npos);
        EXPECT_NE(ExpandTemplate("{red}", {}).error.find("{red}"), std::string::npos);
    }

    TEST(Template, PredefinedOnesExpand)
    {
        const std::vector<ColorTemplate> templates = PredefinedTemplates();
        ASSERT_EQ(templates.size(), 4U);
        const char* expected[] { "Color(red: 1.000, green: 0.502, blue: 0.000)", "0xFFFF8000", "QColor(255, 128, 0)",
            "[#ff8000]" };
        for (std::size_t i = 0; i < templates.size(); ++i) {
            EXPECT_EQ(ExpandTemplate(templates[i].pattern, { 255, 128, 0 }).text, expected[i]) << templates[i].name;
        }
    }

    TEST(Template, KeysAreLowerCaseWithDashes)
    {
        EXPECT_EQ(TemplateKey("Qt QColor"), "qt-qcolor");
        EXPECT_EQ(TemplateKey("  GLSL  vec3 "), "glsl--vec3");
        EXPECT_EQ(TemplateKey(" "), "");
    }

    // The editor keeps a list only when every template in it can be used: a name, one that no built-in notation
    // or earlier template has, and a pattern that expands.
    TEST(Template, ProblemsOfAListAreFoundInOrder)
    {
        const std::vector<ColorTemplate> list { { "Mine", "{hex}" }, { "", "{r}" }, { "oklch", "{r}" },
            { "MINE", "{g}" }, { "Other", "" }, { "Bad", "{r" }, { "Tab\tbed", "{r}" }, { "Fine", "{r}" } };
        const char* expected[] { "", "A template needs a name.", "taken by a built-in notation",
            "already named \"Mine\"", "A template needs a pattern.", "not closed", "control characters", "" };
        for (std::size_t i = 0; i < list.size(); ++i) {
            const std::string problem = TemplateProblem(list, i);
            if (*expected[i] == '\0')
                EXPECT_EQ(problem, "") << i;
            else
                EXPECT_NE(problem.find(expected[i]), std::string::npos) << i << ": " << problem;
        }
    }

} // namespace
} // namespace tw::core
