#pragma once
#include "core/ColorValue.h"

#include <QColor>
#include <QRgb>

namespace tw::platform {

// The one place where a colour value meets Qt's colour types. A system colour constant must be resolved
// before it gets here; its flag bits are dropped.
inline QColor ToQColor(core::ColorValue value)
{
    const core::Rgb rgb = core::SplitColor(value);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

inline core::ColorValue FromQColor(const QColor& color)
{
    return core::MakeColor(color.red(), color.green(), color.blue());
}

inline core::ColorValue FromQRgb(QRgb pixel)
{
    return core::MakeColor(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

} // namespace tw::platform
