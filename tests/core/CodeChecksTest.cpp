#include "core/CodeChecks.h"

#include "core/Notations.h"

#include <gtest/gtest.h>

namespace tw::core {
namespace {

    struct RgbCase {
        const char* text;
        std::optional<int> value;
        const char* message; // nullptr: none
    };

    TEST(RgbFieldCheck, AcceptsZeroTo255AndNamesEveryRefusal)
    {
        const RgbCase cases[] = {
            { "255", 255, nullptr },
            { "0", 0, nullptr },
            { " 7 ", 7, nullptr },
            { "12.6", 13, nullptr },
            { "12.5", 12, nullptr },
            { "254.6", 255, nullptr },
            { "255.4", std::nullopt, "Each RGB value cannot exceed 255" },
            { "+4", 4, nullptr },
            { "256", std::nullopt, "Each RGB value cannot exceed 255" },
            { "255.5", std::nullopt, "Each RGB value cannot exceed 255" },
            { "1e400", std::nullopt, "Each RGB value cannot exceed 255" },
            { "-1", std::nullopt, "Each RGB value cannot be less than 0" },
            { "abc", std::nullopt, "abc is not a valid RGB value." },
            { "12abc", std::nullopt, "12abc is not a valid RGB value." },
            { ".", std::nullopt, ". is not a valid RGB value." },
            { "1e", std::nullopt, "1e is not a valid RGB value." },
            { "", std::nullopt, nullptr },
        };
        for (const auto& c : cases) {
            const RgbFieldCheck check = CheckRgbField(c.text);
            EXPECT_EQ(check.value, c.value) << c.text;
            if (c.message) {
                ASSERT_EQ(check.messages.size(), 1u) << c.text;
                EXPECT_EQ(check.messages[0].text, c.message);
                EXPECT_EQ(check.messages[0].icon, MessageIcon::Information);
            } else {
                EXPECT_TRUE(check.messages.empty()) << c.text;
            }
        }
    }

} // namespace
} // namespace tw::core
