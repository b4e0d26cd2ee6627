#include "core/ColorValue.h"

#include <cmath>
#include <limits>

namespace tw::core {

Rgb SplitColor(ColorValue value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    return { static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
        static_cast<int>((bits >> 16) & 0xFFu) };
}

ColorValue MakeColor(int red, int green, int blue)
{
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

ColorValue MakeColor(Rgb rgb)
{
    return MakeColor(rgb.red, rgb.green, rgb.blue);
}

bool IsSystemColor(ColorValue value)
{
    return value < 0;
}

bool IsSystemColorConstant(ColorValue value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    return bits >= 0x80000000u && bits <= 0x80000018u;
}

ColorValue ResolveSystemColor(ColorValue value, const SystemColorLookup& lookup)
{
    if (!IsSystemColor(value))
        return value;
    const auto index = static_cast<int>(static_cast<std::uint32_t>(value) & 0xFFFFFFu);
    return lookup ? lookup(index) & 0xFFFFFF : 0;
}

ColorValue MakeWebSafe(ColorValue value, const SystemColorLookup& lookup)
{
    const Rgb rgb = SplitColor(ResolveSystemColor(value, lookup));
    // c / 51 never lies exactly on a half for c in 0..255, so the rounding direction never matters here.
    const auto snap = [](int channel) { return RoundHalfEven(channel / 51.0) * 51; };
    return MakeColor(snap(rgb.red), snap(rgb.green), snap(rgb.blue));
}

ColorValue InvertColor(ColorValue value)
{
    return kWhite - value;
}

int RoundHalfEven(double value)
{
    // The default floating-point environment rounds to nearest, ties to even. A number typed into a field can
    // be as large as 1e308; converting it unclamped would be undefined.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= static_cast<double>(std::numeric_limits<int>::min())))
        return std::numeric_limits<int>::min();
    if (rounded > static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return static_cast<int>(rounded);
}

} // namespace tw::core
