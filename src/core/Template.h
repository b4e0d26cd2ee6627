#pragma once
#include "core/ColorValue.h"

#include <string>
#include <string_view>
#include <vector>

namespace tw::core {

// A notation the user writes: a name and a pattern whose placeholders in braces are replaced by the colour.
//   {r} {g} {b} {a}       the channels as integers 0..255 (alpha is always 255: the colours are opaque)
//   {rf} {gf} {bf} {af}   the channels as fractions 0..1, three decimals, or {rf:.N} with N from 0 to 9
//   {rx} {gx} {bx} {ax}   the channels as two upper-case hex digits
//   {hex}                 the six hex digits RRGGBB
//   {name|lower}, {name|upper} change the case of what a placeholder gives
// "{{" and "}}" stand for a brace itself.
struct ColorTemplate {
    std::string name;
    std::string pattern;
    friend bool operator==(const ColorTemplate&, const ColorTemplate&) = default;
};

struct TemplateExpansion {
    std::string text; // the colour written by the pattern; empty when the pattern is malformed
    std::string error; // what is wrong with the pattern and where, one sentence; empty when it expanded
};

TemplateExpansion ExpandTemplate(std::string_view pattern, Rgb color);

// The name --format knows a template by: its name in lower case (ASCII letters) with "-" for each blank, and
// the blanks around it left out.
std::string TemplateKey(std::string_view name);

// The templates the program starts with: SwiftUI, Android, Qt and a Tailwind-style arbitrary value.
std::vector<ColorTemplate> PredefinedTemplates();

} // namespace tw::core
