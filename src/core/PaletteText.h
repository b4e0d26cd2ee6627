#pragma once
#include "core/ColorValue.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tw::core {

// The 40 boxes of the palette grid in index order. Box i stands in column i / 5 and row i % 5, so the index
// runs down the first column, then down the second. A box holding kEmptyColor counts as empty.
inline constexpr int kPaletteSize = 40;
using Palette = std::array<ColorValue, kPaletteSize>;

// The colours every start begins with: columns of greys, reds, oranges, yellows, greens, cyans, blues and
// magentas, each from light to dark.
Palette DefaultPalette();
// Forty empty boxes.
Palette EmptyPalette();

// The first box, in index order, that holds the empty colour; nothing when the palette is full.
std::optional<int> FirstEmptyBox(const Palette& palette);

// "Pal" followed, for each box, by one space and its colour value in decimal.
std::string BuildPaletteText(const Palette& palette);
// "Pal", then pieces split at single spaces: the piece before the first space is ignored, the next 40 are the
// boxes and must each be a whole number that is an ordinary colour (0..16777215), and pieces after the 40th
// are ignored. Fewer than 40 values, or one that is no such number, is no palette.
std::optional<Palette> ParsePaletteText(std::string_view text);

// The plain text of a colour file: "1" or "2" (the working colour it was saved from) followed directly by
// the colour value in decimal.
struct ColorText {
    int digit = 1; // 1 or 2
    ColorValue value = 0;
    friend bool operator==(const ColorText&, const ColorText&) = default;
};
std::string BuildColorText(ColorText text);
// The digit must be followed by a whole number that is an ordinary colour; anything else is no colour.
std::optional<ColorText> ParseColorText(std::string_view text);

} // namespace tw::core
