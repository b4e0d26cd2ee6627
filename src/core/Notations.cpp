#include "core/Notations.h"

#include "core/Hsl.h"

#include <array>
#include <charconv>

namespace tw::core {

namespace {

    constexpr std::array<char, 16> kHexDigits { '0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'A', 'B', 'C', 'D',
        'E', 'F' };

    void AppendTwoDigits(std::string& out, int channel)
    {
        out += kHexDigits[static_cast<std::size_t>((channel >> 4) & 0xF)];
        out += kHexDigits[static_cast<std::size_t>(channel & 0xF)];
    }

    std::string_view StripPrefix(std::string_view text, std::string_view prefix, bool& matched)
    {
        matched = text.substr(0, prefix.size()) == prefix;
        return matched ? text.substr(prefix.size()) : text;
    }

} // namespace

std::string FormatHtmlHex(Rgb rgb)
{
    std::string out = "#";
    out.reserve(7);
    AppendTwoDigits(out, rgb.red);
    AppendTwoDigits(out, rgb.green);
    AppendTwoDigits(out, rgb.blue);
    return out;
}

std::string FormatVbHex(ColorValue value)
{
    auto bits = static_cast<std::uint32_t>(value);
    std::array<char, 8> digits {};
    std::size_t count = 0;
    do {
        digits[count++] = kHexDigits[bits & 0xFu];
        bits >>= 4;
    } while (bits != 0);
    std::string out = "&H";
    out.reserve(count + 3);
    while (count > 0)
        out += digits[--count];
    out += '&';
    return out;
}

std::string FormatDelphiHex(std::string_view vbHex)
{
    return "$00" + std::string(vbHex.size() >= 3 ? vbHex.substr(2, vbHex.size() - 3) : std::string_view {});
}

std::string FormatCppHex(std::string_view vbHex)
{
    return "0x" + std::string(vbHex.size() >= 3 ? vbHex.substr(2, vbHex.size() - 3) : std::string_view {});
}

std::optional<ColorValue> ParseHexDigits(std::string_view digits)
{
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t bits = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), bits, 16);
    if (error != std::errc {} || end != digits.data() + digits.size())
        return std::nullopt;
    return static_cast<ColorValue>(bits);
}

std::optional<ColorValue> ParseHtmlHex(std::string_view text)
{
    bool hasHash = false;
    const auto digits = StripPrefix(text, "#", hasHash);
    if (!hasHash || digits.size() != 6)
        return std::nullopt;
    const auto pairs = ParseHexDigits(digits);
    if (!pairs)
        return std::nullopt;
    // The text reads RRGGBB; the value is laid out BBGGRR.
    const auto bits = static_cast<std::uint32_t>(*pairs);
    return MakeColor(
        static_cast<int>(bits >> 16), static_cast<int>((bits >> 8) & 0xFFu), static_cast<int>(bits & 0xFFu));
}

std::optional<ColorValue> ParseVbHex(std::string_view text)
{
    bool hasPrefix = false;
    auto digits = StripPrefix(text, "&H", hasPrefix);
    if (!hasPrefix || digits.empty() || digits.back() != '&')
        return std::nullopt;
    digits.remove_suffix(1);
    return ParseHexDigits(digits);
}

std::optional<ColorValue> ParseDelphiHex(std::string_view text)
{
    bool hasPrefix = false;
    const auto digits = StripPrefix(text, "$00", hasPrefix);
    return hasPrefix ? ParseHexDigits(digits) : std::nullopt;
}

std::optional<ColorValue> ParseCppHex(std::string_view text)
{
    bool hasPrefix = false;
    const auto digits = StripPrefix(text, "0x", hasPrefix);
    return hasPrefix ? ParseHexDigits(digits) : std::nullopt;
}

bool IsHexCode(std::string_view text)
{
    if (text.empty())
        return false;
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
            return false;
    }
    return true;
}

Notations DescribeColor(ColorValue value)
{
    const Rgb rgb = SplitColor(value);
    const Hsl hsl = RgbToHsl(value);
    Notations n;
    n.red = std::to_string(rgb.red);
    n.green = std::to_string(rgb.green);
    n.blue = std::to_string(rgb.blue);
    n.hue = std::to_string(hsl.hue);
    n.sat = std::to_string(hsl.sat);
    n.lum = std::to_string(hsl.lum);
    n.html = FormatHtmlHex(rgb);
    n.vb = FormatVbHex(value);
    n.delphi = FormatDelphiHex(n.vb);
    n.cpp = FormatCppHex(n.vb);
    return n;
}

} // namespace tw::core
