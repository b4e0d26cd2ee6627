#pragma once
#include <QImage>
#include <QPoint>
#include <QPointF>

#include <cmath>
#include <optional>

namespace tw::platform {

// The primary screen, in device pixels: on a scaled (HiDPI) screen the cursor position and the snapshot
// use the same pixels, so the pixel under the cursor is the one sampled.
class Screen {
public:
    virtual ~Screen() = default;
    // A picture of the whole primary screen, or nothing when the screen cannot be read (no X11 access,
    // for example in a Wayland session): a failed grab is never handed out as a black picture.
    virtual std::optional<QImage> grabPrimaryScreen() = 0;
    // The pointer now, counted from the primary screen's top-left corner; on a scaled screen every device
    // pixel can be reached, not only every second one.
    virtual QPoint cursorPosition() const = 0;
};

// The device pixel of a global position in the toolkit's scaled pixels, on a screen whose top-left corner
// is screenOrigin (scaled pixels) and whose device pixels are ratio times smaller, counted from that corner.
inline QPoint DevicePixelOf(QPointF globalPosition, QPointF screenOrigin, qreal ratio)
{
    const QPointF device = (globalPosition - screenOrigin) * ratio;
    // A device position converted to scaled pixels and back may come out a hair below the whole number.
    return QPoint(static_cast<int>(std::lround(device.x())), static_cast<int>(std::lround(device.y())));
}

} // namespace tw::platform
