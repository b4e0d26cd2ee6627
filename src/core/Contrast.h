#pragma once
#include "core/ColorValue.h"

namespace tw::core {

// Relative luminance of an sRGB colour as the WCAG 2.x contrast ratio defines it, 0 (black) to 1 (white).
double RelativeLuminance(Rgb color);

// The WCAG 2.x contrast ratio of two colours, 1 to 21, the lighter one's luminance over the darker one's, rounded
// down to two decimals so that a ratio just below a threshold never shows as reaching it.
double ContrastRatio(Rgb first, Rgb second);

// Which WCAG 2.x thresholds a ratio reaches.
struct ContrastGrades {
    bool aaNormal = false; // 4.5:1
    bool aaLarge = false; // 3:1
    bool aaaNormal = false; // 7:1
    bool aaaLarge = false; // 4.5:1
    bool nonText = false; // 3:1
    friend bool operator==(const ContrastGrades&, const ContrastGrades&) = default;
};
ContrastGrades GradeContrast(double ratio);

// The APCA lightness contrast Lc (version 0.0.98G constants) of text in one colour on a background in the other:
// positive for dark text on a light background, negative for light text on a dark one, 0 below the low clip.
double ApcaContrast(Rgb text, Rgb background);

} // namespace tw::core
