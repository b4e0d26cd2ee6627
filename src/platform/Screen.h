#pragma once
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>

#include <cmath>
#include <optional>

namespace tw::platform {

// The screen a snapshot is taken of, in device pixels: on a scaled (HiDPI) screen the cursor position and the
// snapshot use the same pixels, so the pixel under the cursor is the one sampled.
class Screen {
public:
    virtual ~Screen() = default;
    // The part of the display a snapshot covers, in device pixels of the whole display (the X server's root
    // window): the primary screen. Empty when the screen cannot be read (no screen, or an X11 client in a
    // Wayland session, which would read black).
    virtual QRect snapshotArea() const = 0;
    // A picture of a rectangle of the display, counted as snapshotArea counts, taken now and pixel for pixel;
    // nothing when it cannot be read: a failed grab is never handed out as a black picture. A small rectangle
    // is read quickly whatever the size of the display.
    virtual std::optional<QImage> grab(QRect rectangle) = 0;
    // The pointer now, counted from the top-left corner of snapshotArea(); on a scaled screen every device
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
