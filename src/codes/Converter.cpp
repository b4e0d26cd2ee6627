#include "codes/Converter.h"

#include "core/CodeChecks.h"
#include "core/Hsl.h"
#include "core/Notations.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <string_view>

namespace tw {

namespace {

    constexpr std::string_view kConvert = "--convert";
    constexpr std::string_view kAs = "--as";

    enum class Reading { Auto, Rgb, Hsl };

    struct Request {
        std::string code;
        Reading reading = Reading::Auto;
    };

    void PrintUsage(std::ostream& err)
    {
        err << "Usage: tintwise-color-picker --convert CODE [--as hsl]\n"
               "CODE is #RRGGBB or RRGGBB (HTML), &H...& (VB), $00... (Delphi), 0x... (C++), or three numbers\n"
               "R, G, B separated by commas (H, S, L with --as hsl). Quote codes that hold & or $ in a shell.\n";
    }

    bool IsOption(std::string_view arg, std::string_view name)
    {
        return arg == name || (arg.starts_with(name) && arg.size() > name.size() && arg[name.size()] == '=');
    }

    // The value of "--name=value", or of "--name value" from the next argument.
    std::optional<std::string> OptionValue(const std::vector<std::string>& args, std::size_t& i, std::string_view name)
    {
        const std::string& arg = args[i];
        if (arg.size() > name.size())
            return arg.substr(name.size() + 1);
        if (i + 1 >= args.size())
            return std::nullopt;
        return args[++i];
    }

    // Every argument after --convert that is no option belongs to the code, so `--convert 255, 128, 0` reads
    // as one code although the shell splits it.
    std::optional<Request> ParseArguments(const std::vector<std::string>& args, std::ostream& err)
    {
        Request request;
        std::vector<std::string> parts;
        bool converting = false;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& arg = args[i];
            if (IsOption(arg, kConvert)) {
                converting = true;
                if (arg.size() > kConvert.size())
                    parts.push_back(arg.substr(kConvert.size() + 1));
            } else if (IsOption(arg, kAs)) {
                const auto value = OptionValue(args, i, kAs);
                if (value == "hsl" || value == "HSL") {
                    request.reading = Reading::Hsl;
                } else if (value == "rgb" || value == "RGB") {
                    request.reading = Reading::Rgb;
                } else {
                    err << "--as takes hsl or rgb\n";
                    return std::nullopt;
                }
            } else if (arg.starts_with("--")) {
                err << "Unknown option " << arg << "\n";
                return std::nullopt;
            } else if (converting) {
                parts.push_back(arg);
            } else {
                err << "Unexpected argument " << arg << "\n";
                return std::nullopt;
            }
        }
        for (const std::string& part : parts)
            request.code += (request.code.empty() ? "" : " ") + part;
        if (request.code.empty()) {
            err << "--convert needs a color code\n";
            return std::nullopt;
        }
        return request;
    }

    std::string_view Trim(std::string_view text)
    {
        const auto first = text.find_first_not_of(" \t");
        if (first == std::string_view::npos)
            return {};
        return text.substr(first, text.find_last_not_of(" \t") - first + 1);
    }

    std::optional<std::array<std::string, 3>> SplitThree(std::string_view code)
    {
        std::array<std::string, 3> parts;
        for (std::size_t i = 0; i < 3; ++i) {
            const auto comma = code.find(',');
            if ((i < 2) != (comma != std::string_view::npos))
                return std::nullopt;
            parts[i] = std::string(Trim(code.substr(0, comma)));
            if (parts[i].empty())
                return std::nullopt;
            code = i < 2 ? code.substr(comma + 1) : std::string_view {};
        }
        return parts;
    }

    bool IsSixHexDigits(std::string_view code)
    {
        return code.size() == 6 && std::all_of(code.begin(), code.end(), [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
        });
    }

    struct Outcome {
        std::optional<core::ColorValue> color;
        // Shown as entered after an HSL code, as the fields keep it.
        std::optional<core::Hsl> hsl;
        std::vector<core::Message> messages;
    };

    Outcome FromHex(const core::HexCodeCheck& check)
    {
        return { check.color, std::nullopt, check.messages };
    }

    Outcome FromNumbers(const std::array<std::string, 3>& parts, Reading reading)
    {
        std::array<int, 3> values {};
        for (std::size_t i = 0; i < 3; ++i) {
            std::optional<int> value;
            std::vector<core::Message> messages;
            if (reading == Reading::Hsl) {
                // A code on its own alters no colour, so the refusals for black and white do not apply.
                auto check = core::CheckHslField(static_cast<core::HslPart>(i), parts[i], core::GreyLimit::None);
                value = check.value;
                messages = std::move(check.messages);
            } else {
                auto check = core::CheckRgbField(parts[i]);
                value = check.value;
                messages = std::move(check.messages);
            }
            if (!value)
                return { std::nullopt, std::nullopt, std::move(messages) };
            values[i] = *value;
        }
        if (reading == Reading::Hsl) {
            const core::Hsl hsl { static_cast<std::int16_t>(values[0]), static_cast<std::int16_t>(values[1]),
                static_cast<std::int16_t>(values[2]) };
            return { core::HslToRgb(hsl), hsl, {} };
        }
        return { core::MakeColor(values[0], values[1], values[2]), std::nullopt, {} };
    }

    std::optional<Outcome> Convert(const Request& request, std::ostream& err)
    {
        const std::string_view code = Trim(request.code);
        constexpr auto quiet = core::NotifyCorrections::Off;
        if (request.reading == Reading::Hsl || code.find(',') != std::string_view::npos) {
            const auto parts = SplitThree(code);
            if (!parts) {
                err << (request.reading == Reading::Hsl ? "An HSL code is three numbers H, S, L separated by commas."
                                                        : "An RGB code is three numbers R, G, B separated by commas.")
                    << "\n";
                return std::nullopt;
            }
            return FromNumbers(*parts, request.reading);
        }
        if (code.starts_with('#') || IsSixHexDigits(code))
            return FromHex(core::CheckHtmlHex(code, quiet));
        if (code.starts_with('&'))
            // No desktop here: a system colour constant has no colour to resolve to and is refused.
            return FromHex(core::CheckVbHex(code, quiet, {}));
        if (code.starts_with('$'))
            return FromHex(core::CheckDelphiHex(code, quiet));
        if (code.starts_with("0x") || code.starts_with("0X"))
            return FromHex(core::CheckCppHex(code, quiet));
        err << std::string(code)
            << " is no color code: give #RRGGBB, RRGGBB, &H...&, $00..., 0x... or three numbers R, G, B.\n";
        return std::nullopt;
    }

} // namespace

int RunConverter(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const auto request = ParseArguments(args, err);
    if (!request) {
        PrintUsage(err);
        return kUsageStatus;
    }
    const auto outcome = Convert(*request, err);
    if (!outcome)
        return kRefusedStatus;
    if (!outcome->color) {
        for (const core::Message& message : outcome->messages)
            err << message.text << "\n";
        return kRefusedStatus;
    }
    core::Notations n = core::DescribeColor(*outcome->color);
    if (outcome->hsl) {
        n.hue = std::to_string(outcome->hsl->hue);
        n.sat = std::to_string(outcome->hsl->sat);
        n.lum = std::to_string(outcome->hsl->lum);
    }
    out << "RGB: " << n.red << ", " << n.green << ", " << n.blue << "\n"
        << "HSL: " << n.hue << ", " << n.sat << ", " << n.lum << "\n"
        << "HTML Hex: " << n.html << "\n"
        << "VB Hex: " << n.vb << "\n"
        << "Delphi Hex: " << n.delphi << "\n"
        << "C++ Hex: " << n.cpp << "\n";
    return kConvertedStatus;
}

std::optional<int> RunConverterIfAsked(int argc, const char* const argv[], std::ostream& out, std::ostream& err)
{
    std::vector<std::string> args;
    bool asked = false;
    bool optionsEnded = false; // after "--" every argument is a file name, even one called --convert
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i]);
        optionsEnded = optionsEnded || args.back() == "--";
        asked = asked || (!optionsEnded && IsOption(args.back(), kConvert));
    }
    if (!asked)
        return std::nullopt;
    return RunConverter(args, out, err);
}

} // namespace tw
