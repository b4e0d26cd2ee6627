#pragma once
#include "core/Desktop.h"

#include <QGuiApplication>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QScreen>

#include <cmath>
#include <optional>
#include <vector>

namespace tw::platform {

// The whole desktop, every monitor at its place, in device pixels: on a scaled (HiDPI) monitor the cursor
// position and the snapshot use the same pixels, so the pixel under the cursor is the one sampled, also when
// the monitors have different scales.
class Screen {
public:
    virtual ~Screen() = default;
    // The part of the display a snapshot covers, in device pixels of the whole display (the X server's root
    // window): the rectangle round all monitors. Empty when the screen cannot be read (no screen, or a
    // Wayland session, where the desktop portal takes the picture instead).
    virtual QRect snapshotArea() const = 0;
    // A picture of a rectangle of the display, counted as snapshotArea counts, taken now and pixel for pixel;
    // what lies between monitors shows no screen. Nothing when it cannot be read: a failed grab is never
    // handed out as a black picture. A small rectangle is read quickly whatever the size of the display.
    virtual std::optional<QImage> grab(QRect rectangle) = 0;
    // The pointer now, counted in device pixels from the top-left corner of snapshotArea(); on a scaled
    // monitor every device pixel can be reached, not only every second one.
    virtual QPoint cursorPosition() const = 0;
    // True where this program cannot read the screen itself and must ask the desktop for a picture (a
    // Wayland session, or an X11 program under Xwayland, whose grabs come back black).
    virtual bool needsDesktopPortal() const = 0;
    // Puts the pointer on a device pixel counted as cursorPosition counts, where the desktop lets a program
    // move the pointer (the arrow keys of a pick move it by one device pixel, also on a scaled monitor).
    virtual void placePointer(QPoint pixel) = 0;
};

// The device pixel of a global position in the toolkit's scaled pixels, on a screen whose top-left corner
// is screenOrigin (scaled pixels) and whose device pixels are ratio times smaller, counted from that corner.
inline QPoint DevicePixelOf(QPointF globalPosition, QPointF screenOrigin, qreal ratio)
{
    const QPointF device = (globalPosition - screenOrigin) * ratio;
    // A device position converted to scaled pixels and back may come out a hair below the whole number.
    return QPoint(static_cast<int>(std::lround(device.x())), static_cast<int>(std::lround(device.y())));
}

// A rectangle of pixels as the toolkit holds one.
inline QRect ToQRect(const core::PixelRect& rect)
{
    return QRect(rect.x, rect.y, rect.width, rect.height);
}

// The monitors as the toolkit knows them now, in the order of QGuiApplication::screens().
inline std::vector<core::MonitorGeometry> CurrentMonitors()
{
    std::vector<core::MonitorGeometry> monitors;
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (const QScreen* screen : screens) {
        const QRect scaled = screen->geometry();
        monitors.push_back({ { scaled.x(), scaled.y(), scaled.width(), scaled.height() }, screen->devicePixelRatio() });
    }
    return monitors;
}

} // namespace tw::platform
