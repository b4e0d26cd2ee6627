#pragma once
#include "core/ColorValue.h"

#include <array>
#include <optional>

namespace tw::core {

// One window colour scheme: four colour values, which may be system colour constants (resolved where shown).
struct Scheme {
    ColorValue background;
    ColorValue labelText;
    ColorValue boxBackground;
    ColorValue boxText;
};

inline constexpr int kSchemeCount = 6;

// The schemes by index: Default, Mystic Night, Sea Breeze Blue, Forest Green, Purple Haze, Dusty Rose.
// Nothing for an index outside 0..5.
std::optional<Scheme> SchemeAt(int index);

// The alpha of a transparency level 0..3 (Very High .. Low), 0 = invisible, 255 = opaque; level 4 and anything
// else is opaque.
int TransparencyAlpha(int level);

} // namespace tw::core
