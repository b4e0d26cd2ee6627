#include "core/Hsl.h"

#include <algorithm>

namespace tw::core {

namespace {
    constexpr double kHslMax = 240.0;
    constexpr double kRgbMax = 255.0;
} // namespace

Hsl RgbToHsl(ColorValue color)
{
    const Rgb rgb = SplitColor(color);
    const int max = std::max({ rgb.red, rgb.green, rgb.blue });
    const int min = std::min({ rgb.red, rgb.green, rgb.blue });
    const double lum = ((max + min) * kHslMax + kRgbMax) / (2 * kRgbMax);
    double sat = 0.0;
    double hue = 160.0;
    if (max != min) {
        const double d = max - min;
        // The unrounded luminosity decides which half of the double cone the colour lies in.
        sat = lum <= 120.0 ? (d * kHslMax + 0.5) / (max + min) : (d * kHslMax + 0.5) / (2 * kRgbMax - max - min);
        const double rd = ((max - rgb.red) * 40.0 + 0.5) / d;
        const double gd = ((max - rgb.green) * 40.0 + 0.5) / d;
        const double bd = ((max - rgb.blue) * 40.0 + 0.5) / d;
        // Red is tested before green, so a tie between the largest channels goes to red.
        if (rgb.red == max)
            hue = bd - gd;
        else if (rgb.green == max)
            hue = 80.0 + rd - bd;
        else
            hue = 160.0 + gd - rd;
        if (hue < 0)
            hue += kHslMax;
    }
    return { static_cast<std::int16_t>(RoundHalfEven(hue)), static_cast<std::int16_t>(RoundHalfEven(sat)),
        static_cast<std::int16_t>(RoundHalfEven(lum)) };
}

double HueToRgb(double p, double q, double hue)
{
    if (hue < 0)
        hue += kHslMax;
    else if (hue > kHslMax)
        hue -= kHslMax;
    if (hue < 40.0)
        return p + ((q - p) * hue + 20.0) / 40.0;
    if (hue < 120.0)
        return q;
    if (hue < 160.0)
        return p + ((q - p) * (160.0 - hue) + 20.0) / 40.0;
    return p;
}

ColorValue HslToRgb(Hsl hsl)
{
    const double h = hsl.hue;
    const double s = hsl.sat;
    const double l = hsl.lum;
    double red = 0;
    double green = 0;
    double blue = 0;
    if (hsl.sat == 0) {
        red = green = blue = l * kRgbMax / kHslMax;
    } else {
        const double m2 = l <= 120.0 ? ((s + kHslMax) * l + 0.5) / kHslMax : s + l - (s * l + 0.5) / kHslMax;
        const double m1 = 2 * l - m2;
        red = (HueToRgb(m1, m2, h + 80.0) * kRgbMax + 0.5) / kHslMax;
        green = (HueToRgb(m1, m2, h) * kRgbMax + 0.5) / kHslMax;
        blue = (HueToRgb(m1, m2, h - 80.0) * kRgbMax + 0.5) / kHslMax;
    }
    const auto channel = [](double value) { return RoundHalfEven(std::clamp(value, 0.0, kRgbMax)); };
    return MakeColor(channel(red), channel(green), channel(blue));
}

} // namespace tw::core
