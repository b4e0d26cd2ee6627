#include "core/CodeChecks.h"

#include "core/ColorValue.h"

#include <cctype>
#include <charconv>
#include <string>
#include <system_error>

namespace tw::core {

namespace {

    bool IsDigit(char c)
    {
        return c >= '0' && c <= '9';
    }

    std::string_view Trim(std::string_view text)
    {
        while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
            text.remove_prefix(1);
        while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
            text.remove_suffix(1);
        return text;
    }

} // namespace

std::optional<double> ParseFieldNumber(std::string_view text)
{
    text = Trim(text);
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t exponentStart = j;
        while (j < text.size() && IsDigit(text[j]))
            ++j;
        if (j == exponentStart)
            return std::nullopt;
        i = j;
    }
    if (i != text.size())
        return std::nullopt;
    // from_chars ignores the locale (a German desktop must still read 12.6) but takes no plus sign.
    const bool negative = text.front() == '-';
    if (text.front() == '+' || negative)
        text.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size())
        return std::nullopt;
    if (error == std::errc::result_out_of_range) { // 1e400 and 1e-400 are still numbers, huge or tiny
        const bool tiny = text.find("e-") != std::string_view::npos || text.find("E-") != std::string_view::npos;
        value = tiny ? 0.0 : 1e308;
    }
    return negative ? -value : value;
}

RgbFieldCheck CheckRgbField(std::string_view text)
{
    if (text.empty())
        return {};
    const auto number = ParseFieldNumber(text);
    if (!number)
        return { std::nullopt, { { std::string(text) + " is not a valid RGB value.", MessageIcon::Information } } };
    if (*number > 255.0)
        return { std::nullopt, { { "Each RGB value cannot exceed 255", MessageIcon::Information } } };
    if (*number < 0.0)
        return { std::nullopt, { { "Each RGB value cannot be less than 0", MessageIcon::Information } } };
    // Every value that passed the range tests rounds into 0..255 (255.5 was refused as above 255).
    return { RoundHalfEven(*number), {} };
}

} // namespace tw::core
