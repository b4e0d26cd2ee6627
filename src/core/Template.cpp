#include "core/Template.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace tw::core {

namespace {

    std::string Hex2(int value)
    {
        char buffer[3];
        std::snprintf(buffer, sizeof buffer, "%02X", value & 0xFF);
        return buffer;
    }

    std::string Fraction(int value, int decimals)
    {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value / 255.0);
        return buffer;
    }

    TemplateExpansion Malformed(std::string error)
    {
        return { {}, std::move(error) };
    }

    // The text of one placeholder's inside ("rf:.3|lower"), or an error.
    TemplateExpansion Placeholder(std::string_view inside, Rgb color)
    {
        std::string_view filter;
        const bool filtered = inside.find('|') != std::string_view::npos;
        if (const std::size_t bar = inside.find('|'); filtered) {
            filter = inside.substr(bar + 1);
            inside = inside.substr(0, bar);
        }
        std::string_view format;
        if (const std::size_t colon = inside.find(':'); colon != std::string_view::npos) {
            format = inside.substr(colon + 1);
            inside = inside.substr(0, colon);
        }
        const std::string name(inside);
        const int alpha = 255;
        std::string text;
        const auto channel = [&](char c) {
            switch (c) {
            case 'r':
                return color.red;
            case 'g':
                return color.green;
            case 'b':
                return color.blue;
            default:
                return alpha;
            }
        };
        const bool channelName
            = name.size() >= 1 && name.size() <= 2 && std::string_view("rgba").find(name[0]) != std::string_view::npos;
        if (!format.empty() && !(channelName && name.size() == 2 && name[1] == 'f')) {
            return Malformed("Only a fraction placeholder such as {rf:.3} takes a precision, not {" + name + "}.");
        }
        if (name == "hex") {
            text = Hex2(color.red) + Hex2(color.green) + Hex2(color.blue);
        } else if (channelName && name.size() == 1) {
            text = std::to_string(channel(name[0]));
        } else if (channelName && name[1] == 'x') {
            text = Hex2(channel(name[0]));
        } else if (channelName && name[1] == 'f') {
            int decimals = 3;
            if (!format.empty()) {
                if (format.size() != 2 || format[0] != '.' || !std::isdigit(static_cast<unsigned char>(format[1]))) {
                    return Malformed(
                        "The precision \"" + std::string(format) + "\" should be written \".N\", N from 0 to 9.");
                }
                decimals = format[1] - '0';
            }
            text = Fraction(channel(name[0]), decimals);
        } else {
            return Malformed(
                "{" + name + "} is not a placeholder; use r, g, b, a, rf, gf, bf, af, rx, gx, bx, ax or hex.");
        }
        if (filter == "lower") {
            std::ranges::transform(text, text.begin(),
                [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
        } else if (filter == "upper") {
            std::ranges::transform(text, text.begin(),
                [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
        } else if (filtered) {
            return Malformed("\"|" + std::string(filter) + "\" is not a filter; use |lower or |upper.");
        }
        return { text, {} };
    }

} // namespace

TemplateExpansion ExpandTemplate(std::string_view pattern, Rgb color)
{
    if (pattern.empty()) {
        return Malformed("The pattern is empty.");
    }
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '}') {
            if (i + 1 < pattern.size() && pattern[i + 1] == '}') {
                out += '}';
                ++i;
                continue;
            }
            return Malformed(
                "A \"}\" at position " + std::to_string(i + 1) + " closes no placeholder; write \"}}\" for a brace.");
        }
        if (c != '{') {
            out += c;
            continue;
        }
        if (i + 1 < pattern.size() && pattern[i + 1] == '{') {
            out += '{';
            ++i;
            continue;
        }
        const std::size_t close = pattern.find_first_of("{}", i + 1);
        if (close == std::string_view::npos || pattern[close] != '}') {
            return Malformed(
                "The placeholder opened at position " + std::to_string(i + 1) + " is not closed with \"}\".");
        }
        const TemplateExpansion piece = Placeholder(pattern.substr(i + 1, close - i - 1), color);
        if (!piece.error.empty()) {
            return piece;
        }
        out += piece.text;
        i = close;
    }
    return { out, {} };
}

std::vector<ColorTemplate> PredefinedTemplates()
{
    return {
        { "SwiftUI", "Color(red: {rf:.3}, green: {gf:.3}, blue: {bf:.3})" },
        { "Android", "0x{ax}{rx}{gx}{bx}" },
        { "Qt QColor", "QColor({r}, {g}, {b})" },
        { "Tailwind", "[#{hex|lower}]" },
    };
}

std::string TemplateKey(std::string_view name)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!name.empty() && blank(name.front()))
        name.remove_prefix(1);
    while (!name.empty() && blank(name.back()))
        name.remove_suffix(1);
    std::string key;
    for (const char c : name)
        key += blank(c) ? '-' : (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    return key;
}

} // namespace tw::core
