#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tw::core {

// A colour as the program stores it everywhere (swatches, history, files): 0x00BBGGRR, red in the low byte.
// Ordinary colours lie in 0..16777215. Bit 31 set marks a system colour constant (0x80000000 + index),
// which must be resolved before any channel arithmetic.
using ColorValue = std::int32_t;

inline constexpr ColorValue kWhite = 0xFFFFFF;
// Marks a palette or history box that holds no colour: R 237, G 232, B 215.
inline constexpr ColorValue kEmptyColor = 14149869;

struct Rgb {
    int red = 0; // 0..255
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Answers the desktop colour of a system colour index (the low 24 bits of a system colour constant).
using SystemColorLookup = std::function<ColorValue(int index)>;

Rgb SplitColor(ColorValue value);
// Channels are taken modulo 256, as the split would give them back.
ColorValue MakeColor(int red, int green, int blue);
ColorValue MakeColor(Rgb rgb);

bool IsSystemColor(ColorValue value);
// One of the 25 constants of the desktop colour scheme, 0x80000000 to 0x80000018.
bool IsSystemColorConstant(ColorValue value);
ColorValue ResolveSystemColor(ColorValue value, const SystemColorLookup& lookup);

// Each channel is rounded to the nearest multiple of 51 (0, 51, ... 255).
ColorValue MakeWebSafe(ColorValue value, const SystemColorLookup& lookup);
// 16777215 - value: every channel c becomes 255 - c. Only for ordinary colours.
ColorValue InvertColor(ColorValue value);

// Rounds to the nearest integer, an exact half to the even neighbour (120.5 -> 120, 127.5 -> 128). Values
// beyond the int range saturate at its ends.
int RoundHalfEven(double value);

} // namespace tw::core
