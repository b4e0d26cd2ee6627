#include "core/CssColor.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace tw::core {

namespace {

    using Matrix = std::array<Triple, 3>;

    Triple Multiply(const Matrix& m, const Triple& v)
    {
        Triple out {};
        for (std::size_t row = 0; row < 3; ++row) {
            out[row] = m[row][0] * v[0] + m[row][1] * v[1] + m[row][2] * v[2];
        }
        return out;
    }

    Matrix Inverse(const Matrix& m)
    {
        const double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1])
            - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) + m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
        Matrix r {};
        r[0][0] = (m[1][1] * m[2][2] - m[1][2] * m[2][1]) / det;
        r[0][1] = (m[0][2] * m[2][1] - m[0][1] * m[2][2]) / det;
        r[0][2] = (m[0][1] * m[1][2] - m[0][2] * m[1][1]) / det;
        r[1][0] = (m[1][2] * m[2][0] - m[1][0] * m[2][2]) / det;
        r[1][1] = (m[0][0] * m[2][2] - m[0][2] * m[2][0]) / det;
        r[1][2] = (m[0][2] * m[1][0] - m[0][0] * m[1][2]) / det;
        r[2][0] = (m[1][0] * m[2][1] - m[1][1] * m[2][0]) / det;
        r[2][1] = (m[0][1] * m[2][0] - m[0][0] * m[2][1]) / det;
        r[2][2] = (m[0][0] * m[1][1] - m[0][1] * m[1][0]) / det;
        return r;
    }

    // Linear sRGB to CIE XYZ (D65), from sRGB's primaries and white point.
    const Matrix kLinearSrgbToXyz { { { 0.41239079926595934, 0.357584339383878, 0.1804807884018343 },
        { 0.21263900587151027, 0.715168678767756, 0.07219231536073371 },
        { 0.01933081871559182, 0.11919477979462598, 0.9505321522496607 } } };
    const Matrix kXyzToLinearSrgb = Inverse(kLinearSrgbToXyz);

    // Bradford chromatic adaptation from D65 to D50.
    const Matrix kD65ToD50 { { { 1.0479297925449969, 0.022946870601609652, -0.05019226628920524 },
        { 0.02962780877005599, 0.9904344267538799, -0.017073799063418826 },
        { -0.009243040646204504, 0.015055191490298152, 0.7518742814281371 } } };
    const Matrix kD50ToD65 = Inverse(kD65ToD50);

    // OKLab: XYZ (D65) to cone responses, and their cube roots to L, a, b.
    const Matrix kXyzToLms { { { 0.8190224379967030, 0.3619062600528904, -0.1288737815209879 },
        { 0.0329836539323885, 0.9292868615863434, 0.0361446663506424 },
        { 0.0481771893596242, 0.2642395317527308, 0.6335478284694309 } } };
    const Matrix kLmsToXyz = Inverse(kXyzToLms);
    const Matrix kLmsToOklab { { { 0.2104542683093140, 0.7936177747023054, -0.0040720430116193 },
        { 1.9779985324311684, -2.4285922420485799, 0.4505937096174110 },
        { 0.0259040424655478, 0.7827717124575296, -0.8086757549230774 } } };
    const Matrix kOklabToLms = Inverse(kLmsToOklab);

    const Triple kD50White { 0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585 };
    constexpr double kLabEpsilon = 216.0 / 24389.0;
    constexpr double kLabKappa = 24389.0 / 27.0;

    double ToLinear(double c)
    {
        const double magnitude = std::abs(c);
        const double linear = magnitude <= 0.04045 ? magnitude / 12.92 : std::pow((magnitude + 0.055) / 1.055, 2.4);
        return std::copysign(linear, c);
    }

    double ToGamma(double c)
    {
        const double magnitude = std::abs(c);
        const double gamma
            = magnitude <= 0.0031308 ? magnitude * 12.92 : 1.055 * std::pow(magnitude, 1.0 / 2.4) - 0.055;
        return std::copysign(gamma, c);
    }

    Triple SrgbToXyz(const Triple& srgb)
    {
        return Multiply(kLinearSrgbToXyz, { ToLinear(srgb[0]), ToLinear(srgb[1]), ToLinear(srgb[2]) });
    }

    Triple XyzToSrgb(const Triple& xyz)
    {
        const Triple linear = Multiply(kXyzToLinearSrgb, xyz);
        return { ToGamma(linear[0]), ToGamma(linear[1]), ToGamma(linear[2]) };
    }

    bool InGamut(const Triple& srgb)
    {
        // Less than half an 8-bit step outside: the stored colour is the same with or without mapping.
        constexpr double tolerance = 0.5 / 255.0;
        return std::ranges::all_of(srgb, [](double c) { return c >= -tolerance && c <= 1.0 + tolerance; });
    }

    Triple Clip(const Triple& srgb)
    {
        return { std::clamp(srgb[0], 0.0, 1.0), std::clamp(srgb[1], 0.0, 1.0), std::clamp(srgb[2], 0.0, 1.0) };
    }

    Rgb ToRgb(const Triple& srgb)
    {
        const auto channel = [](double c) { return static_cast<int>(std::lround(std::clamp(c, 0.0, 1.0) * 255.0)); };
        return { channel(srgb[0]), channel(srgb[1]), channel(srgb[2]) };
    }

    Triple FromRgb(Rgb rgb)
    {
        return { rgb.red / 255.0, rgb.green / 255.0, rgb.blue / 255.0 };
    }

    char Lower(char c)
    {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }

    std::string LowerCase(std::string_view text)
    {
        std::string out(text);
        std::ranges::transform(out, out.begin(), Lower);
        return out;
    }

    bool IsBlank(char c)
    {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
    }

    std::string_view Trim(std::string_view text)
    {
        while (!text.empty() && IsBlank(text.front())) {
            text.remove_prefix(1);
        }
        while (!text.empty() && IsBlank(text.back())) {
            text.remove_suffix(1);
        }
        return text;
    }

    // One value inside a colour function.
    struct Component {
        enum class Kind { Number, Percent, Angle, None };
        Kind kind = Kind::Number;
        double value = 0.0; // a number, a percentage (50 for 50%) or an angle in degrees
    };

    std::optional<Component> ReadComponent(std::string_view token)
    {
        const std::string lower = LowerCase(token);
        if (lower == "none") {
            return Component { Component::Kind::None, 0.0 };
        }
        std::string_view number = lower;
        if (!number.empty() && number.front() == '+') {
            number.remove_prefix(1);
            if (!number.empty() && (number.front() == '-' || number.front() == '+')) {
                return std::nullopt;
            }
        }
        double value = 0.0;
        const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
        if (error != std::errc {} || end == number.data() || !std::isfinite(value)) {
            return std::nullopt;
        }
        // from_chars reads "inf" and "nan", which CSS does not know; a number starts with a digit, "." or a sign.
        const char first = number.front();
        if (!(std::isdigit(static_cast<unsigned char>(first)) || first == '.' || first == '-')) {
            return std::nullopt;
        }
        const std::string_view unit(end, static_cast<std::size_t>(number.data() + number.size() - end));
        if (unit.empty()) {
            return Component { Component::Kind::Number, value };
        }
        if (unit == "%") {
            return Component { Component::Kind::Percent, value };
        }
        if (unit == "deg") {
            return Component { Component::Kind::Angle, value };
        }
        if (unit == "grad") {
            return Component { Component::Kind::Angle, value * 0.9 };
        }
        if (unit == "rad") {
            return Component { Component::Kind::Angle, value * 180.0 / std::numbers::pi };
        }
        if (unit == "turn") {
            return Component { Component::Kind::Angle, value * 360.0 };
        }
        return std::nullopt;
    }

    // The components of a colour function, split by blanks or by commas, with the alpha after "/" or the fourth
    // comma.
    struct Arguments {
        std::vector<std::string> values;
        std::optional<std::string> alpha;
        bool commas = false;
    };

    std::optional<Arguments> SplitArguments(std::string_view body, std::string& error)
    {
        Arguments arguments;
        arguments.commas = body.find(',') != std::string_view::npos;
        if (arguments.commas) {
            if (body.find('/') != std::string_view::npos) {
                error = "A color with commas between its values takes its alpha after a fourth comma, not after \"/\".";
                return std::nullopt;
            }
            std::size_t start = 0;
            while (true) {
                const std::size_t comma = body.find(',', start);
                const std::string_view piece
                    = Trim(body.substr(start, comma == std::string_view::npos ? comma : comma - start));
                if (piece.empty() || std::ranges::any_of(piece, IsBlank)) {
                    error = "Every value between the commas must be one value.";
                    return std::nullopt;
                }
                arguments.values.emplace_back(piece);
                if (comma == std::string_view::npos) {
                    break;
                }
                start = comma + 1;
            }
            if (arguments.values.size() == 4) {
                arguments.alpha = arguments.values.back();
                arguments.values.pop_back();
            }
            return arguments;
        }
        const std::size_t slash = body.find('/');
        std::string_view main = body.substr(0, slash);
        if (slash != std::string_view::npos) {
            const std::string_view alpha = Trim(body.substr(slash + 1));
            if (alpha.empty() || std::ranges::any_of(alpha, [](char c) { return IsBlank(c) || c == '/'; })) {
                error = "One alpha value must follow \"/\".";
                return std::nullopt;
            }
            arguments.alpha = std::string(alpha);
        }
        main = Trim(main);
        while (!main.empty()) {
            std::size_t end = 0;
            while (end < main.size() && !IsBlank(main[end])) {
                ++end;
            }
            arguments.values.emplace_back(main.substr(0, end));
            main = Trim(main.substr(end));
        }
        return arguments;
    }

    std::optional<Rgb> ReadHex(std::string_view digits)
    {
        if (digits.size() != 3 && digits.size() != 4 && digits.size() != 6 && digits.size() != 8) {
            return std::nullopt;
        }
        if (!std::ranges::all_of(digits, [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; })) {
            return std::nullopt;
        }
        const auto value
            = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : Lower(c) - 'a' + 10; };
        if (digits.size() <= 4) {
            return Rgb { value(digits[0]) * 17, value(digits[1]) * 17, value(digits[2]) * 17 };
        }
        return Rgb { value(digits[0]) * 16 + value(digits[1]), value(digits[2]) * 16 + value(digits[3]),
            value(digits[4]) * 16 + value(digits[5]) };
    }

    double Hue(double degrees)
    {
        const double hue = std::fmod(degrees, 360.0);
        return hue < 0.0 ? hue + 360.0 : hue;
    }

    Triple HslToSrgb(double hue, double saturation, double lightness)
    {
        const auto f = [&](double n) {
            const double k = std::fmod(n + hue / 30.0, 12.0);
            const double a = saturation * std::min(lightness, 1.0 - lightness);
            return lightness - a * std::max(-1.0, std::min({ k - 3.0, 9.0 - k, 1.0 }));
        };
        return { f(0.0), f(8.0), f(4.0) };
    }

    Triple HwbToSrgb(double hue, double whiteness, double blackness)
    {
        if (whiteness + blackness >= 1.0) {
            const double gray = whiteness / (whiteness + blackness);
            return { gray, gray, gray };
        }
        Triple rgb = HslToSrgb(hue, 1.0, 0.5);
        for (double& c : rgb) {
            c = c * (1.0 - whiteness - blackness) + whiteness;
        }
        return rgb;
    }

    // Hue, saturation and lightness (0..1) of an sRGB colour; the hue is 0 for grays.
    Triple SrgbToHsl(const Triple& rgb)
    {
        const double max = std::max({ rgb[0], rgb[1], rgb[2] });
        const double min = std::min({ rgb[0], rgb[1], rgb[2] });
        const double lightness = (max + min) / 2.0;
        const double delta = max - min;
        double hue = 0.0;
        double saturation = 0.0;
        if (delta > 0.0) {
            saturation
                = lightness == 0.0 || lightness == 1.0 ? 0.0 : (max - lightness) / std::min(lightness, 1.0 - lightness);
            if (max == rgb[0]) {
                hue = (rgb[1] - rgb[2]) / delta + (rgb[1] < rgb[2] ? 6.0 : 0.0);
            } else if (max == rgb[1]) {
                hue = (rgb[2] - rgb[0]) / delta + 2.0;
            } else {
                hue = (rgb[0] - rgb[1]) / delta + 4.0;
            }
            hue *= 60.0;
        }
        return { hue, saturation, lightness };
    }

    std::string Number(double value, int decimals)
    {
        if (std::abs(value) < 0.5 * std::pow(10.0, -decimals)) {
            value = 0.0;
        }
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
        std::string text(buffer);
        if (text.find('.') != std::string::npos) {
            while (text.back() == '0') {
                text.pop_back();
            }
            if (text.back() == '.') {
                text.pop_back();
            }
        }
        return text;
    }

    const std::array<NamedColor, 148> kNamedColors { {
        NamedColor { "aliceblue", { 240, 248, 255 } },
        NamedColor { "antiquewhite", { 250, 235, 215 } },
        NamedColor { "aqua", { 0, 255, 255 } },
        NamedColor { "aquamarine", { 127, 255, 212 } },
        NamedColor { "azure", { 240, 255, 255 } },
        NamedColor { "beige", { 245, 245, 220 } },
        NamedColor { "bisque", { 255, 228, 196 } },
        NamedColor { "black", { 0, 0, 0 } },
        NamedColor { "blanchedalmond", { 255, 235, 205 } },
        NamedColor { "blue", { 0, 0, 255 } },
        NamedColor { "blueviolet", { 138, 43, 226 } },
        NamedColor { "brown", { 165, 42, 42 } },
        NamedColor { "burlywood", { 222, 184, 135 } },
        NamedColor { "cadetblue", { 95, 158, 160 } },
        NamedColor { "chartreuse", { 127, 255, 0 } },
        NamedColor { "chocolate", { 210, 105, 30 } },
        NamedColor { "coral", { 255, 127, 80 } },
        NamedColor { "cornflowerblue", { 100, 149, 237 } },
        NamedColor { "cornsilk", { 255, 248, 220 } },
        NamedColor { "crimson", { 220, 20, 60 } },
        NamedColor { "cyan", { 0, 255, 255 } },
        NamedColor { "darkblue", { 0, 0, 139 } },
        NamedColor { "darkcyan", { 0, 139, 139 } },
        NamedColor { "darkgoldenrod", { 184, 134, 11 } },
        NamedColor { "darkgray", { 169, 169, 169 } },
        NamedColor { "darkgreen", { 0, 100, 0 } },
        NamedColor { "darkgrey", { 169, 169, 169 } },
        NamedColor { "darkkhaki", { 189, 183, 107 } },
        NamedColor { "darkmagenta", { 139, 0, 139 } },
        NamedColor { "darkolivegreen", { 85, 107, 47 } },
        NamedColor { "darkorange", { 255, 140, 0 } },
        NamedColor { "darkorchid", { 153, 50, 204 } },
        NamedColor { "darkred", { 139, 0, 0 } },
        NamedColor { "darksalmon", { 233, 150, 122 } },
        NamedColor { "darkseagreen", { 143, 188, 143 } },
        NamedColor { "darkslateblue", { 72, 61, 139 } },
        NamedColor { "darkslategray", { 47, 79, 79 } },
        NamedColor { "darkslategrey", { 47, 79, 79 } },
        NamedColor { "darkturquoise", { 0, 206, 209 } },
        NamedColor { "darkviolet", { 148, 0, 211 } },
        NamedColor { "deeppink", { 255, 20, 147 } },
        NamedColor { "deepskyblue", { 0, 191, 255 } },
        NamedColor { "dimgray", { 105, 105, 105 } },
        NamedColor { "dimgrey", { 105, 105, 105 } },
        NamedColor { "dodgerblue", { 30, 144, 255 } },
        NamedColor { "firebrick", { 178, 34, 34 } },
        NamedColor { "floralwhite", { 255, 250, 240 } },
        NamedColor { "forestgreen", { 34, 139, 34 } },
        NamedColor { "fuchsia", { 255, 0, 255 } },
        NamedColor { "gainsboro", { 220, 220, 220 } },
        NamedColor { "ghostwhite", { 248, 248, 255 } },
        NamedColor { "gold", { 255, 215, 0 } },
        NamedColor { "goldenrod", { 218, 165, 32 } },
        NamedColor { "gray", { 128, 128, 128 } },
        NamedColor { "green", { 0, 128, 0 } },
        NamedColor { "greenyellow", { 173, 255, 47 } },
        NamedColor { "grey", { 128, 128, 128 } },
        NamedColor { "honeydew", { 240, 255, 240 } },
        NamedColor { "hotpink", { 255, 105, 180 } },
        NamedColor { "indianred", { 205, 92, 92 } },
        NamedColor { "indigo", { 75, 0, 130 } },
        NamedColor { "ivory", { 255, 255, 240 } },
        NamedColor { "khaki", { 240, 230, 140 } },
        NamedColor { "lavender", { 230, 230, 250 } },
        NamedColor { "lavenderblush", { 255, 240, 245 } },
        NamedColor { "lawngreen", { 124, 252, 0 } },
        NamedColor { "lemonchiffon", { 255, 250, 205 } },
        NamedColor { "lightblue", { 173, 216, 230 } },
        NamedColor { "lightcoral", { 240, 128, 128 } },
        NamedColor { "lightcyan", { 224, 255, 255 } },
        NamedColor { "lightgoldenrodyellow", { 250, 250, 210 } },
        NamedColor { "lightgray", { 211, 211, 211 } },
        NamedColor { "lightgreen", { 144, 238, 144 } },
        NamedColor { "lightgrey", { 211, 211, 211 } },
        NamedColor { "lightpink", { 255, 182, 193 } },
        NamedColor { "lightsalmon", { 255, 160, 122 } },
        NamedColor { "lightseagreen", { 32, 178, 170 } },
        NamedColor { "lightskyblue", { 135, 206, 250 } },
        NamedColor { "lightslategray", { 119, 136, 153 } },
        NamedColor { "lightslategrey", { 119, 136, 153 } },
        NamedColor { "lightsteelblue", { 176, 196, 222 } },
        NamedColor { "lightyellow", { 255, 255, 224 } },
        NamedColor { "lime", { 0, 255, 0 } },
        NamedColor { "limegreen", { 50, 205, 50 } },
        NamedColor { "linen", { 250, 240, 230 } },
        NamedColor { "magenta", { 255, 0, 255 } },
        NamedColor { "maroon", { 128, 0, 0 } },
        NamedColor { "mediumaquamarine", { 102, 205, 170 } },
        NamedColor { "mediumblue", { 0, 0, 205 } },
        NamedColor { "mediumorchid", { 186, 85, 211 } },
        NamedColor { "mediumpurple", { 147, 112, 219 } },
        NamedColor { "mediumseagreen", { 60, 179, 113 } },
        NamedColor { "mediumslateblue", { 123, 104, 238 } },
        NamedColor { "mediumspringgreen", { 0, 250, 154 } },
        NamedColor { "mediumturquoise", { 72, 209, 204 } },
        NamedColor { "mediumvioletred", { 199, 21, 133 } },
        NamedColor { "midnightblue", { 25, 25, 112 } },
        NamedColor { "mintcream", { 245, 255, 250 } },
        NamedColor { "mistyrose", { 255, 228, 225 } },
        NamedColor { "moccasin", { 255, 228, 181 } },
        NamedColor { "navajowhite", { 255, 222, 173 } },
        NamedColor { "navy", { 0, 0, 128 } },
        NamedColor { "oldlace", { 253, 245, 230 } },
        NamedColor { "olive", { 128, 128, 0 } },
        NamedColor { "olivedrab", { 107, 142, 35 } },
        NamedColor { "orange", { 255, 165, 0 } },
        NamedColor { "orangered", { 255, 69, 0 } },
        NamedColor { "orchid", { 218, 112, 214 } },
        NamedColor { "palegoldenrod", { 238, 232, 170 } },
        NamedColor { "palegreen", { 152, 251, 152 } },
        NamedColor { "paleturquoise", { 175, 238, 238 } },
        NamedColor { "palevioletred", { 219, 112, 147 } },
        NamedColor { "papayawhip", { 255, 239, 213 } },
        NamedColor { "peachpuff", { 255, 218, 185 } },
        NamedColor { "peru", { 205, 133, 63 } },
        NamedColor { "pink", { 255, 192, 203 } },
        NamedColor { "plum", { 221, 160, 221 } },
        NamedColor { "powderblue", { 176, 224, 230 } },
        NamedColor { "purple", { 128, 0, 128 } },
        NamedColor { "rebeccapurple", { 102, 51, 153 } },
        NamedColor { "red", { 255, 0, 0 } },
        NamedColor { "rosybrown", { 188, 143, 143 } },
        NamedColor { "royalblue", { 65, 105, 225 } },
        NamedColor { "saddlebrown", { 139, 69, 19 } },
        NamedColor { "salmon", { 250, 128, 114 } },
        NamedColor { "sandybrown", { 244, 164, 96 } },
        NamedColor { "seagreen", { 46, 139, 87 } },
        NamedColor { "seashell", { 255, 245, 238 } },
        NamedColor { "sienna", { 160, 82, 45 } },
        NamedColor { "silver", { 192, 192, 192 } },
        NamedColor { "skyblue", { 135, 206, 235 } },
        NamedColor { "slateblue", { 106, 90, 205 } },
        NamedColor { "slategray", { 112, 128, 144 } },
        NamedColor { "slategrey", { 112, 128, 144 } },
        NamedColor { "snow", { 255, 250, 250 } },
        NamedColor { "springgreen", { 0, 255, 127 } },
        NamedColor { "steelblue", { 70, 130, 180 } },
        NamedColor { "tan", { 210, 180, 140 } },
        NamedColor { "teal", { 0, 128, 128 } },
        NamedColor { "thistle", { 216, 191, 216 } },
        NamedColor { "tomato", { 255, 99, 71 } },
        NamedColor { "turquoise", { 64, 224, 208 } },
        NamedColor { "violet", { 238, 130, 238 } },
        NamedColor { "wheat", { 245, 222, 179 } },
        NamedColor { "white", { 255, 255, 255 } },
        NamedColor { "whitesmoke", { 245, 245, 245 } },
        NamedColor { "yellow", { 255, 255, 0 } },
        NamedColor { "yellowgreen", { 154, 205, 50 } },
    } };

    // How each component of a function is read: a percentage's full scale, whether it may be an angle, whether a
    // plain number is allowed (the comma form of hsl wants percentages).
    struct Slot {
        double percentScale = 1.0; // what 100% means
        bool hue = false;
    };

    struct Function {
        std::string_view name;
        CssNotation notation;
        std::array<Slot, 3> slots;
        bool commasAllowed;
    };

    const std::array<Function, 9> kFunctions { {
        { "rgb", CssNotation::Rgb, { { { 255.0, false }, { 255.0, false }, { 255.0, false } } }, true },
        { "rgba", CssNotation::Rgb, { { { 255.0, false }, { 255.0, false }, { 255.0, false } } }, true },
        { "hsl", CssNotation::Hsl, { { { 1.0, true }, { 100.0, false }, { 100.0, false } } }, true },
        { "hsla", CssNotation::Hsl, { { { 1.0, true }, { 100.0, false }, { 100.0, false } } }, true },
        { "hwb", CssNotation::Hwb, { { { 1.0, true }, { 100.0, false }, { 100.0, false } } }, false },
        { "lab", CssNotation::Lab, { { { 100.0, false }, { 125.0, false }, { 125.0, false } } }, false },
        { "lch", CssNotation::Lch, { { { 100.0, false }, { 150.0, false }, { 1.0, true } } }, false },
        { "oklab", CssNotation::Oklab, { { { 1.0, false }, { 0.4, false }, { 0.4, false } } }, false },
        { "oklch", CssNotation::Oklch, { { { 1.0, false }, { 0.4, false }, { 1.0, true } } }, false },
    } };

    CssParse Refuse(std::string error)
    {
        return { std::nullopt, false, std::move(error) };
    }

    CssParse ParseFunction(const Function& function, std::string_view body)
    {
        std::string error;
        const std::optional<Arguments> arguments = SplitArguments(body, error);
        if (!arguments) {
            return Refuse(error);
        }
        const std::string name(function.name);
        if (arguments->commas && !function.commasAllowed) {
            return Refuse(name + "() takes its values separated by blanks, not commas.");
        }
        if (arguments->values.size() != 3) {
            return Refuse(name + "() takes three values and an optional alpha.");
        }
        std::array<double, 3> values {};
        std::array<Component::Kind, 3> kinds {};
        for (std::size_t i = 0; i < 3; ++i) {
            const std::optional<Component> component = ReadComponent(arguments->values[i]);
            if (!component) {
                return Refuse("\"" + arguments->values[i] + "\" is not a value " + name + "() understands.");
            }
            const Slot& slot = function.slots[i];
            kinds[i] = component->kind;
            switch (component->kind) {
            case Component::Kind::None:
                if (arguments->commas) {
                    return Refuse("\"none\" is not allowed when the values are separated by commas.");
                }
                values[i] = 0.0;
                break;
            case Component::Kind::Angle:
                if (!slot.hue) {
                    return Refuse("\"" + arguments->values[i] + "\": only a hue takes an angle.");
                }
                values[i] = component->value;
                break;
            case Component::Kind::Percent:
                if (slot.hue) {
                    return Refuse("\"" + arguments->values[i] + "\": a hue is a number or an angle, not a percentage.");
                }
                values[i] = component->value / 100.0 * slot.percentScale;
                break;
            case Component::Kind::Number:
                values[i] = component->value;
                break;
            }
        }
        if (arguments->commas) {
            // The comma form keeps the older rules: rgb's three values all numbers or all percentages, hsl's
            // saturation and lightness percentages.
            if (function.notation == CssNotation::Rgb && !(std::ranges::all_of(kinds, [](auto k) {
                    return k == Component::Kind::Number;
                }) || std::ranges::all_of(kinds, [](auto k) { return k == Component::Kind::Percent; }))) {
                return Refuse("rgb() with commas takes three numbers or three percentages, not a mix.");
            }
            if (function.notation == CssNotation::Hsl
                && (kinds[1] != Component::Kind::Percent || kinds[2] != Component::Kind::Percent)) {
                return Refuse("hsl() with commas takes its saturation and lightness as percentages.");
            }
        }
        if (arguments->alpha) {
            const std::optional<Component> alpha = ReadComponent(*arguments->alpha);
            if (!alpha || alpha->kind == Component::Kind::Angle
                || (alpha->kind == Component::Kind::None && arguments->commas)) {
                return Refuse("\"" + *arguments->alpha + "\" is not an alpha value.");
            }
        }

        Triple srgb {};
        switch (function.notation) {
        case CssNotation::Rgb:
            srgb = { values[0] / 255.0, values[1] / 255.0, values[2] / 255.0 };
            // rgb() clamps to its range rather than mapping: its values are sRGB already.
            return { ToRgb(Clip(srgb)), !InGamut(srgb), {} };
        case CssNotation::Hsl:
            srgb = HslToSrgb(
                Hue(values[0]), std::clamp(values[1] / 100.0, 0.0, 1.0), std::clamp(values[2] / 100.0, 0.0, 1.0));
            break;
        case CssNotation::Hwb:
            srgb = HwbToSrgb(
                Hue(values[0]), std::clamp(values[1] / 100.0, 0.0, 1.0), std::clamp(values[2] / 100.0, 0.0, 1.0));
            break;
        case CssNotation::Lab:
            srgb = LabToSrgb({ std::max(values[0], 0.0), values[1], values[2] });
            break;
        case CssNotation::Lch:
            srgb = LabToSrgb(FromPolar({ std::max(values[0], 0.0), std::max(values[1], 0.0), values[2] }));
            break;
        case CssNotation::Oklab:
            srgb = OklabToSrgb({ std::max(values[0], 0.0), values[1], values[2] });
            break;
        case CssNotation::Oklch:
            srgb = OklabToSrgb(FromPolar({ std::max(values[0], 0.0), std::max(values[1], 0.0), values[2] }));
            break;
        case CssNotation::Hex:
            break;
        }
        const GamutMapped mapped = MapToSrgbGamut(srgb);
        return { ToRgb(mapped.srgb), mapped.clipped, {} };
    }

} // namespace

std::string_view CssNotationName(CssNotation notation)
{
    switch (notation) {
    case CssNotation::Hex:
        return "hex";
    case CssNotation::Rgb:
        return "rgb";
    case CssNotation::Hsl:
        return "hsl";
    case CssNotation::Hwb:
        return "hwb";
    case CssNotation::Lab:
        return "lab";
    case CssNotation::Lch:
        return "lch";
    case CssNotation::Oklab:
        return "oklab";
    case CssNotation::Oklch:
        return "oklch";
    }
    return {};
}

std::optional<CssNotation> CssNotationFromName(std::string_view name)
{
    const std::string lower = LowerCase(name);
    for (const CssNotation notation : kCssNotations) {
        if (CssNotationName(notation) == lower) {
            return notation;
        }
    }
    return std::nullopt;
}

Triple XyzD65ToOklab(const Triple& xyz)
{
    Triple lms = Multiply(kXyzToLms, xyz);
    for (double& c : lms) {
        c = std::cbrt(c);
    }
    return Multiply(kLmsToOklab, lms);
}

Triple SrgbToOklab(const Triple& srgb)
{
    return XyzD65ToOklab(SrgbToXyz(srgb));
}

Triple OklabToSrgb(const Triple& oklab)
{
    Triple lms = Multiply(kOklabToLms, oklab);
    for (double& c : lms) {
        c = c * c * c;
    }
    return XyzToSrgb(Multiply(kLmsToXyz, lms));
}

Triple SrgbToLab(const Triple& srgb)
{
    const Triple xyz = Multiply(kD65ToD50, SrgbToXyz(srgb));
    Triple f {};
    for (std::size_t i = 0; i < 3; ++i) {
        const double x = xyz[i] / kD50White[i];
        f[i] = x > kLabEpsilon ? std::cbrt(x) : (kLabKappa * x + 16.0) / 116.0;
    }
    return { 116.0 * f[1] - 16.0, 500.0 * (f[0] - f[1]), 200.0 * (f[1] - f[2]) };
}

Triple LabToSrgb(const Triple& lab)
{
    const double f1 = (lab[0] + 16.0) / 116.0;
    const double f0 = lab[1] / 500.0 + f1;
    const double f2 = f1 - lab[2] / 200.0;
    const double x = f0 * f0 * f0 > kLabEpsilon ? f0 * f0 * f0 : (116.0 * f0 - 16.0) / kLabKappa;
    const double y = lab[0] > kLabKappa * kLabEpsilon ? f1 * f1 * f1 : lab[0] / kLabKappa;
    const double z = f2 * f2 * f2 > kLabEpsilon ? f2 * f2 * f2 : (116.0 * f2 - 16.0) / kLabKappa;
    const Triple xyz { x * kD50White[0], y * kD50White[1], z * kD50White[2] };
    return XyzToSrgb(Multiply(kD50ToD65, xyz));
}

Triple ToPolar(const Triple& lab)
{
    const double chroma = std::hypot(lab[1], lab[2]);
    return { lab[0], chroma, Hue(std::atan2(lab[2], lab[1]) * 180.0 / std::numbers::pi) };
}

Triple FromPolar(const Triple& lch)
{
    const double radians = lch[2] * std::numbers::pi / 180.0;
    return { lch[0], lch[1] * std::cos(radians), lch[1] * std::sin(radians) };
}

double DeltaEOk(const Triple& first, const Triple& second)
{
    return std::hypot(first[0] - second[0], first[1] - second[1], first[2] - second[2]);
}

GamutMapped MapToSrgbGamut(const Triple& srgb)
{
    if (InGamut(srgb)) {
        return { Clip(srgb), false };
    }
    Triple current = ToPolar(SrgbToOklab(srgb));
    if (current[0] >= 1.0) {
        return { { 1.0, 1.0, 1.0 }, true };
    }
    if (current[0] <= 0.0) {
        return { { 0.0, 0.0, 0.0 }, true };
    }
    constexpr double jnd = 0.02;
    constexpr double epsilon = 0.0001;
    const auto clippedOf = [](const Triple& lch) { return Clip(OklabToSrgb(FromPolar(lch))); };
    const auto distance
        = [](const Triple& clipped, const Triple& lch) { return DeltaEOk(SrgbToOklab(clipped), FromPolar(lch)); };
    Triple clipped = clippedOf(current);
    if (distance(clipped, current) < jnd) {
        return { clipped, true };
    }
    double min = 0.0;
    double max = current[1];
    bool minInGamut = true;
    while (max - min > epsilon) {
        const double chroma = (min + max) / 2.0;
        current[1] = chroma;
        const Triple candidate = OklabToSrgb(FromPolar(current));
        if (minInGamut && InGamut(candidate)) {
            min = chroma;
            continue;
        }
        clipped = Clip(candidate);
        const double e = distance(clipped, current);
        if (e < jnd) {
            if (jnd - e < epsilon) {
                return { clipped, true };
            }
            minInGamut = false;
            min = chroma;
        } else {
            max = chroma;
        }
    }
    return { clipped, true };
}

CssParse ParseCssColor(std::string_view text)
{
    const std::string_view trimmed = Trim(text);
    if (trimmed.empty()) {
        return Refuse("The color is empty.");
    }
    if (trimmed.front() == '#') {
        if (const std::optional<Rgb> rgb = ReadHex(trimmed.substr(1))) {
            return { rgb, false, {} };
        }
        return Refuse("A hex color has 3, 4, 6 or 8 hex digits after \"#\".");
    }
    const std::size_t open = trimmed.find('(');
    if (open == std::string_view::npos) {
        const std::string name = LowerCase(trimmed);
        for (const NamedColor& named : kNamedColors) {
            if (named.name == name) {
                return { named.color, false, {} };
            }
        }
        return Refuse("\"" + std::string(trimmed) + "\" is not a CSS color name.");
    }
    if (trimmed.back() != ')') {
        return Refuse("The color function is not closed with \")\".");
    }
    const std::string name = LowerCase(Trim(trimmed.substr(0, open)));
    const std::string_view body = trimmed.substr(open + 1, trimmed.size() - open - 2);
    if (body.find_first_of("()") != std::string_view::npos) {
        return Refuse("A color function holds plain values, without further brackets.");
    }
    for (const Function& function : kFunctions) {
        if (function.name == name && trimmed.substr(0, open).size() == name.size()) {
            return ParseFunction(function, body);
        }
    }
    return Refuse("\"" + std::string(trimmed.substr(0, open)) + "()\" is not a CSS color function.");
}

std::string FormatCssColor(Rgb color, CssNotation notation)
{
    const Triple srgb = FromRgb(color);
    switch (notation) {
    case CssNotation::Hex: {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", color.red & 0xFF, color.green & 0xFF, color.blue & 0xFF);
        return buffer;
    }
    case CssNotation::Rgb:
        return "rgb(" + std::to_string(color.red) + " " + std::to_string(color.green) + " " + std::to_string(color.blue)
            + ")";
    case CssNotation::Hsl: {
        const Triple hsl = SrgbToHsl(srgb);
        return "hsl(" + Number(hsl[0], 2) + "deg " + Number(hsl[1] * 100.0, 2) + "% " + Number(hsl[2] * 100.0, 2)
            + "%)";
    }
    case CssNotation::Hwb: {
        const Triple hsl = SrgbToHsl(srgb);
        const double white = std::min({ srgb[0], srgb[1], srgb[2] });
        const double black = 1.0 - std::max({ srgb[0], srgb[1], srgb[2] });
        return "hwb(" + Number(hsl[0], 2) + "deg " + Number(white * 100.0, 2) + "% " + Number(black * 100.0, 2) + "%)";
    }
    case CssNotation::Lab: {
        const Triple lab = SrgbToLab(srgb);
        return "lab(" + Number(lab[0], 2) + " " + Number(lab[1], 2) + " " + Number(lab[2], 2) + ")";
    }
    case CssNotation::Lch: {
        const Triple lch = ToPolar(SrgbToLab(srgb));
        const bool gray = lch[1] < 0.005;
        return "lch(" + Number(lch[0], 2) + " " + Number(lch[1], 2) + " " + (gray ? "none" : Number(lch[2], 2)) + ")";
    }
    case CssNotation::Oklab: {
        const Triple lab = SrgbToOklab(srgb);
        return "oklab(" + Number(lab[0], 4) + " " + Number(lab[1], 4) + " " + Number(lab[2], 4) + ")";
    }
    case CssNotation::Oklch: {
        const Triple lch = ToPolar(SrgbToOklab(srgb));
        const bool gray = lch[1] < 0.00005;
        return "oklch(" + Number(lch[0], 4) + " " + Number(lch[1], 4) + " " + (gray ? "none" : Number(lch[2], 2)) + ")";
    }
    }
    return {};
}

const std::array<NamedColor, 148>& CssNamedColors()
{
    return kNamedColors;
}

} // namespace tw::core
