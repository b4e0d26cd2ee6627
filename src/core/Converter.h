#pragma once
#include "core/ColorValue.h"
#include "core/Messages.h"
#include "core/Template.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw::core {

// How a code of three numbers separated by commas is read.
enum class NumberReading { Rgb, Hsl };

// The programmers' converter: the six notations of one code, without a window. The code's notation is told by
// its form: "#" (HTML), "&" (VB), "$" (Delphi), "0x" or "0X" (C++), commas (three numbers: R, G, B, or H, S, L
// with NumberReading::Hsl), else six characters (HTML without its "#"). Each is checked as its code field
// checks it with notify off: corrections are made silently, and a refusal gives the field's messages.
struct Conversion {
    // "RGB: 255, 128, 0", "HSL: 20, 240, 120", "HTML Hex: #FF8000", "VB Hex: &H80FF&", "Delphi Hex: $0080FF",
    // "C++ Hex: 0x80FF", in this order; empty when the code is refused. HSL shows an HSL code's numbers as
    // entered, as the fields keep them, although the colour rounds to RGB.
    std::vector<std::string> lines;
    // Why the code was refused, in order: the field's messages, or the converter's own when the code is of no
    // notation.
    std::vector<Message> refusal;
    // The colour of an accepted code.
    std::optional<ColorValue> color;
    // A CSS colour outside sRGB was mapped into it.
    bool clipped = false;
};

// A code that none of these forms accepts is read as a CSS colour (any case of hex with "#", a named colour, rgb(),
// hsl(), hwb(), lab(), lch(), oklab(), oklch()); a code that looks like CSS (a function or a bare name) is refused
// with the CSS reason, any other with the fields' messages.
// Blanks around code are ignored. No desktop is asked: a VB system colour constant has no colour here and is
// refused.
Conversion ConvertCode(std::string_view code, NumberReading reading);

// One notation of a colour under the name --format knows it by.
struct NamedNotation {
    std::string name;
    std::string text;
};

// Every notation of an accepted conversion, in this order: the six built-in ones ("decimal", "hsl240", "html",
// "vb", "delphi", "cpp"), the CSS ones ("hex", "rgb", "hsl", "hwb", "lab", "lch", "oklab", "oklch"), then the
// templates under their keys (TemplateKey). A template whose key is taken by an earlier notation, or whose pattern
// is malformed, is left out. Empty for a refused code.
std::vector<NamedNotation> AllNotations(const Conversion& conversion, const std::vector<ColorTemplate>& templates);

// The names AllNotations gives, for checking a --format before any code is read.
std::vector<std::string> NotationNames(const std::vector<ColorTemplate>& templates);

// The names of the built-in and CSS notations, which no template can take.
std::vector<std::string> ReservedNotationNames();

// Why the template at index of the list cannot be kept as it is, one sentence (no name, a name a built-in notation
// or an earlier template has, no pattern, a malformed pattern); empty when it can.
std::string TemplateProblem(const std::vector<ColorTemplate>& templates, std::size_t index);

// All notations as one JSON object on one line, in the order above.
std::string NotationsJson(const std::vector<NamedNotation>& notations);

} // namespace tw::core
