#pragma once
#include "platform/SystemColors.h"

namespace tw::platform {

// System colour indexes mapped onto the application's QPalette roles.
class QtSystemColors : public SystemColors {
public:
    core::ColorValue systemColor(int index) const override;
};

} // namespace tw::platform
