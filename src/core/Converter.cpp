#include "core/Converter.h"

#include "core/CodeChecks.h"
#include "core/CssColor.h"
#include "core/Hsl.h"
#include "core/Notations.h"
#include "core/Template.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <utility>

namespace tw::core {

namespace {

    Message Refusal(std::string text)
    {
        return { std::move(text), MessageIcon::Exclamation };
    }

    std::optional<std::array<std::string, 3>> SplitThree(std::string_view code)
    {
        std::array<std::string, 3> parts;
        for (std::size_t i = 0; i < 3; ++i) {
            const auto comma = code.find(',');
            if ((i < 2) != (comma != std::string_view::npos))
                return std::nullopt;
            parts[i] = std::string(TrimBlanks(code.substr(0, comma)));
            if (parts[i].empty())
                return std::nullopt;
            code = i < 2 ? code.substr(comma + 1) : std::string_view {};
        }
        return parts;
    }

    std::vector<std::string> LinesOf(ColorValue color, const std::optional<Hsl>& entered)
    {
        Notations n = DescribeColor(color);
        if (entered) {
            n.hue = std::to_string(entered->hue);
            n.sat = std::to_string(entered->sat);
            n.lum = std::to_string(entered->lum);
        }
        return { "RGB: " + n.red + ", " + n.green + ", " + n.blue, "HSL: " + n.hue + ", " + n.sat + ", " + n.lum,
            "HTML Hex: " + n.html, "VB Hex: " + n.vb, "Delphi Hex: " + n.delphi, "C++ Hex: " + n.cpp };
    }

    Conversion Refused(std::vector<Message> messages)
    {
        Conversion conversion;
        conversion.refusal = std::move(messages);
        return conversion;
    }

    Conversion Accepted(ColorValue color, const std::optional<Hsl>& entered)
    {
        Conversion conversion;
        conversion.lines = LinesOf(color, entered);
        conversion.color = color;
        return conversion;
    }

    Conversion FromHex(const HexCodeCheck& check)
    {
        if (!check.color)
            return Refused(check.messages);
        return Accepted(*check.color, std::nullopt);
    }

    Conversion FromNumbers(std::string_view code, NumberReading reading)
    {
        const auto parts = SplitThree(code);
        if (!parts)
            return Refused({ Refusal(reading == NumberReading::Hsl
                    ? "An HSL code is three numbers H, S, L separated by commas."
                    : "An RGB code is three numbers R, G, B separated by commas.") });
        std::array<int, 3> values {};
        for (std::size_t i = 0; i < 3; ++i) {
            std::optional<int> value;
            std::vector<Message> messages;
            if (reading == NumberReading::Hsl) {
                // A code on its own alters no colour, so the refusals for black and white do not apply.
                auto check = CheckHslField(static_cast<HslPart>(i), (*parts)[i], GreyLimit::None);
                value = check.value;
                messages = std::move(check.messages);
            } else {
                auto check = CheckRgbField((*parts)[i]);
                value = check.value;
                messages = std::move(check.messages);
            }
            if (!value)
                return Refused(std::move(messages));
            values[i] = *value;
        }
        if (reading == NumberReading::Hsl) {
            const Hsl hsl { static_cast<std::int16_t>(values[0]), static_cast<std::int16_t>(values[1]),
                static_cast<std::int16_t>(values[2]) };
            return Accepted(HslToRgb(hsl), hsl);
        }
        return Accepted(MakeColor(values[0], values[1], values[2]), std::nullopt);
    }

    Conversion Convert(std::string_view code, NumberReading reading)
    {
        constexpr auto quiet = NotifyCorrections::Off;
        if (reading == NumberReading::Hsl || code.find(',') != std::string_view::npos)
            return FromNumbers(code, reading);
        if (code.empty())
            return Refused({ Refusal("No color code was given.") });
        if (code.starts_with('#'))
            return FromHex(CheckHtmlHex(code, quiet));
        if (code.starts_with('&'))
            return FromHex(CheckVbHex(code, quiet, {}));
        if (code.starts_with('$'))
            return FromHex(CheckDelphiHex(code, quiet));
        if (code.starts_with("0x") || code.starts_with("0X"))
            return FromHex(CheckCppHex(code, quiet));
        // Six characters of no other form are an HTML code without its "#"; the HTML check judges the digits.
        if (CharacterCount(code) == 6)
            return FromHex(CheckHtmlHex(code, quiet));
        return Refused({ Refusal(std::string(code)
            + " is no color code: give #RRGGBB, RRGGBB, &H...&, $00..., 0x... or three numbers R, G, B, or a CSS "
              "color.") });
    }

} // namespace

Conversion ConvertCode(std::string_view code, NumberReading reading)
{
    code = TrimBlanks(code);
    Conversion conversion = Convert(code, reading);
    if (conversion.lines.empty() && reading == NumberReading::Rgb) {
        const CssParse css = ParseCssColor(code);
        if (css.color) {
            conversion = Accepted(MakeColor(*css.color), std::nullopt);
            conversion.clipped = css.clipped;
            return conversion;
        }
        const bool looksCss = code.find('(') != std::string_view::npos
            || (!code.empty()
                && std::all_of(
                    code.begin(), code.end(), [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); })
                && CharacterCount(code) != 6);
        if (looksCss)
            return Refused({ Refusal(css.error) });
    }
    // The field's message names the code as typed; a full-width "８" looks like a digit and deserves a word.
    const bool ascii
        = std::all_of(code.begin(), code.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (conversion.lines.empty() && !ascii)
        conversion.refusal.push_back(Refusal("Color codes are written in ASCII: full-width and other non-ASCII "
                                             "characters are not read as digits or letters."));
    return conversion;
}

} // namespace tw::core

namespace tw::core {

namespace {

    constexpr std::array<std::string_view, 6> kBuiltInNames { "decimal", "hsl240", "html", "vb", "delphi", "cpp" };

} // namespace

std::vector<NamedNotation> AllNotations(const Conversion& conversion, const std::vector<ColorTemplate>& templates)
{
    std::vector<NamedNotation> notations;
    if (!conversion.color || conversion.lines.size() != kBuiltInNames.size())
        return notations;
    for (std::size_t i = 0; i < kBuiltInNames.size(); ++i) {
        const std::string& line = conversion.lines[i];
        const std::size_t colon = line.find(": ");
        notations.push_back({ std::string(kBuiltInNames[i]), line.substr(colon == std::string::npos ? 0 : colon + 2) });
    }
    const Rgb rgb = SplitColor(*conversion.color);
    for (const CssNotation notation : kCssNotations)
        notations.push_back({ std::string(CssNotationName(notation)), FormatCssColor(rgb, notation) });
    for (const ColorTemplate& userTemplate : templates) {
        const std::string key = TemplateKey(userTemplate.name);
        const bool taken = key.empty() || key == "json"
            || std::any_of(
                notations.begin(), notations.end(), [&key](const NamedNotation& n) { return n.name == key; });
        TemplateExpansion expansion = ExpandTemplate(userTemplate.pattern, rgb);
        if (!taken && expansion.error.empty())
            notations.push_back({ key, std::move(expansion.text) });
    }
    return notations;
}

std::vector<std::string> NotationNames(const std::vector<ColorTemplate>& templates)
{
    Conversion black;
    black.lines = std::vector<std::string>(kBuiltInNames.size());
    black.color = 0;
    std::vector<std::string> names;
    for (const NamedNotation& notation : AllNotations(black, templates))
        names.push_back(notation.name);
    return names;
}

std::vector<std::string> ReservedNotationNames()
{
    std::vector<std::string> names = NotationNames({});
    names.emplace_back("json");
    return names;
}

std::string TemplateProblem(const std::vector<ColorTemplate>& templates, std::size_t index)
{
    const ColorTemplate& checked = templates.at(index);
    const std::string key = TemplateKey(checked.name);
    if (key.empty())
        return "A template needs a name.";
    if (std::any_of(
            checked.name.begin(), checked.name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
        return "A template's name is one line of text without tabs or control characters.";
    const std::vector<std::string> reserved = ReservedNotationNames();
    if (std::find(reserved.begin(), reserved.end(), key) != reserved.end())
        return "The name \"" + checked.name + "\" is taken by a built-in notation; choose another.";
    for (std::size_t other = 0; other < index; ++other)
        if (TemplateKey(templates[other].name) == key)
            return "Another template is already named \"" + templates[other].name + "\"; choose another name.";
    if (checked.pattern.empty())
        return "A template needs a pattern.";
    return ExpandTemplate(checked.pattern, Rgb {}).error;
}

std::string NotationsJson(const std::vector<NamedNotation>& notations)
{
    const auto quoted = [](std::string_view text) {
        std::string out = "\"";
        for (const char c : text) {
            if (c == '"' || c == '\\') {
                out += '\\';
                out += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(c));
                out += buffer;
            } else {
                out += c;
            }
        }
        return out + "\"";
    };
    std::string json = "{";
    for (const NamedNotation& notation : notations) {
        if (json.size() > 1)
            json += ", ";
        json += quoted(notation.name) + ": " + quoted(notation.text);
    }
    return json + "}";
}

} // namespace tw::core
