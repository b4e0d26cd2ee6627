#pragma once
#include "core/ColorValue.h"

namespace tw::platform {

// The desktop colour scheme, asked for the colour behind a system colour constant.
class SystemColors {
public:
    virtual ~SystemColors() = default;
    // index is the low 24 bits of the constant (15 is button face); an unknown index answers black.
    virtual core::ColorValue systemColor(int index) const = 0;
};

} // namespace tw::platform
