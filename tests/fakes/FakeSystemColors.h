#pragma once
#include "platform/SystemColors.h"

#include <QMap>

namespace tw::test {

// A desktop scheme chosen by the test; unknown indexes answer a colour no test uses by accident.
class FakeSystemColors : public platform::SystemColors {
public:
    core::ColorValue systemColor(int index) const override { return colors.value(index, 0x123456); }
    QMap<int, core::ColorValue> colors;
};

} // namespace tw::test
