#pragma once
#include "core/ColorValue.h"

#include <cstdint>

namespace tw::core {

// The colour-dialog scale: every field 0..240.
struct Hsl {
    std::int16_t hue = 0;
    std::int16_t sat = 0;
    std::int16_t lum = 0;
    friend bool operator==(const Hsl&, const Hsl&) = default;
};

// Greys get hue 160 and saturation 0. A hue of 240 is returned as it is, not wrapped to 0 (about twenty
// thousand reds with a little more blue than green get it).
Hsl RgbToHsl(ColorValue color);
// Not the inverse of RgbToHsl: grey 128 comes back as 129 and pure red as 255, 1, 0.
ColorValue HslToRgb(Hsl hsl);
// Helper of HslToRgb on the 0..240 scale. The "+ 20" is added before a floating-point division, so the
// ramps are shifted by half a step; that shift is part of the colours users know.
double HueToRgb(double p, double q, double hue);

} // namespace tw::core
