#include "core/Contrast.h"

#include <algorithm>
#include <cmath>

namespace tw::core {

namespace {

    double Linear(int channel)
    {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    }

    // APCA's screen luminance: a plain 2.4 power per channel, then a soft clamp near black.
    double ApcaLuminance(Rgb color)
    {
        const auto channel = [](int value) { return std::pow(value / 255.0, 2.4); };
        double y = 0.2126729 * channel(color.red) + 0.7151522 * channel(color.green) + 0.0721750 * channel(color.blue);
        constexpr double blackThreshold = 0.022;
        constexpr double blackClamp = 1.414;
        if (y < blackThreshold) {
            y += std::pow(blackThreshold - y, blackClamp);
        }
        return y;
    }

} // namespace

double RelativeLuminance(Rgb color)
{
    return 0.2126 * Linear(color.red) + 0.7152 * Linear(color.green) + 0.0722 * Linear(color.blue);
}

double ContrastRatio(Rgb first, Rgb second)
{
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    const double ratio = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
    // The small allowance keeps a ratio that is exactly 4.5 in decimal from falling to 4.49 in binary.
    return std::floor(ratio * 100.0 + 1e-9) / 100.0;
}

ContrastGrades GradeContrast(double ratio)
{
    return { ratio >= 4.5, ratio >= 3.0, ratio >= 7.0, ratio >= 4.5, ratio >= 3.0 };
}

double ApcaContrast(Rgb text, Rgb background)
{
    const double textY = ApcaLuminance(text);
    const double backgroundY = ApcaLuminance(background);
    constexpr double deltaYMin = 0.0005;
    constexpr double scale = 1.14;
    constexpr double offset = 0.027;
    constexpr double lowClip = 0.1;
    if (std::abs(backgroundY - textY) < deltaYMin) {
        return 0.0;
    }
    double lc = 0.0;
    if (backgroundY > textY) {
        const double sapc = (std::pow(backgroundY, 0.56) - std::pow(textY, 0.57)) * scale;
        lc = sapc < lowClip ? 0.0 : sapc - offset;
    } else {
        const double sapc = (std::pow(backgroundY, 0.65) - std::pow(textY, 0.62)) * scale;
        lc = sapc > -lowClip ? 0.0 : sapc + offset;
    }
    return lc * 100.0;
}

} // namespace tw::core
