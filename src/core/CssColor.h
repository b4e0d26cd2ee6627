#pragma once
#include "core/ColorValue.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tw::core {

// The notations of CSS colours that the program writes and reads.
enum class CssNotation { Hex, Rgb, Hsl, Hwb, Lab, Lch, Oklab, Oklch };
inline constexpr std::array kCssNotations { CssNotation::Hex, CssNotation::Rgb, CssNotation::Hsl, CssNotation::Hwb,
    CssNotation::Lab, CssNotation::Lch, CssNotation::Oklab, CssNotation::Oklch };

// "hex", "rgb", "hsl", "hwb", "lab", "lch", "oklab", "oklch".
std::string_view CssNotationName(CssNotation notation);
std::optional<CssNotation> CssNotationFromName(std::string_view name);

// Three channels of a colour space, in that space's own units.
using Triple = std::array<double, 3>;

// sRGB with channels 0..1 (gamma-encoded), and the spaces it is converted through. Lab and LCH use the D50 white
// point, reached from sRGB's D65 by the Bradford adaptation; OKLab and OKLCH use D65.
Triple SrgbToOklab(const Triple& srgb);
Triple OklabToSrgb(const Triple& oklab);
Triple XyzD65ToOklab(const Triple& xyz);
Triple SrgbToLab(const Triple& srgb);
Triple LabToSrgb(const Triple& lab);
// Lab or OKLab to its polar form (lightness, chroma, hue in degrees 0..360) and back.
Triple ToPolar(const Triple& lab);
Triple FromPolar(const Triple& lch);
// The distance of two OKLab colours.
double DeltaEOk(const Triple& first, const Triple& second);

// An sRGB colour fitted into the sRGB gamut by reducing its OKLCH chroma until clipping what remains changes it by
// less than a just noticeable difference; lightness at or beyond the ends gives white or black.
struct GamutMapped {
    Triple srgb {};
    bool clipped = false; // the colour lay outside sRGB and was changed
};
GamutMapped MapToSrgbGamut(const Triple& srgb);

// A CSS colour read from text.
struct CssParse {
    std::optional<Rgb> color; // nothing when the text was refused
    bool clipped = false; // the colour lay outside sRGB and was mapped into it
    std::string error; // why the text was refused, one sentence
};

// Reads hex (#rgb, #rgba, #rrggbb, #rrggbbaa, any case), the named colours, rgb()/rgba(), hsl()/hsla(), hwb(),
// lab(), lch(), oklab() and oklch() in the space-separated form (with "/ alpha" and "none") and, for rgb and hsl,
// the comma-separated form; angles in deg, grad, rad or turn. Names and functions ignore case; blanks around the
// text are ignored. Alpha is read and checked but plays no part: the program's colours are opaque.
CssParse ParseCssColor(std::string_view text);

// The colour written in one notation: "#ff8000", "rgb(255 128 0)", "hsl(30.12deg 100% 50%)", ...
std::string FormatCssColor(Rgb color, CssNotation notation);

// The 148 named colours in alphabetical order, with their values.
struct NamedColor {
    std::string_view name;
    Rgb color;
};
const std::array<NamedColor, 148>& CssNamedColors();

} // namespace tw::core
