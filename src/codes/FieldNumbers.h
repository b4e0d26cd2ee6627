#pragma once
#include "core/CodeChecks.h"
#include "mainwindow/CodeFrame.h"

#include <QLineEdit>

#include <algorithm>
#include <optional>

namespace tw {

// The number in a code field, or nothing for a text that is none. Kept in a small range, so a typed 1e300
// cannot overflow the arithmetic after it.
inline std::optional<double> FieldNumber(const QLineEdit* edit)
{
    const auto number = core::ParseFieldNumber(edit->text().toStdString());
    if (!number)
        return std::nullopt;
    return std::clamp(*number, -100000.0, 100000.0);
}

// The same as a whole number, halves rounded to even.
inline std::optional<int> FieldInteger(const QLineEdit* edit)
{
    const auto number = FieldNumber(edit);
    if (!number)
        return std::nullopt;
    return core::RoundHalfEven(*number);
}

inline core::HslPart PartOf(CodeField field)
{
    return field == CodeField::Hue ? core::HslPart::Hue
        : field == CodeField::Sat  ? core::HslPart::Sat
                                   : core::HslPart::Lum;
}

} // namespace tw
