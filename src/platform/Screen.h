#pragma once
#include "core/Desktop.h"

#include <QGuiApplication>
#include <QImage>
#include <QPoint>
#include <QPointF>
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
    // A picture of the whole desktop (the rectangle round all monitors; what lies between them shows no
    // screen), or nothing when the screen cannot be read (no X11 access, for example in a Wayland session):
    // a failed grab is never handed out as a black picture.
    virtual std::optional<QImage> grabDesktop() = 0;
    // The pointer now, counted in device pixels from the top-left corner of the picture grabDesktop takes;
    // on a scaled monitor every device pixel can be reached, not only every second one.
    virtual QPoint cursorPosition() const = 0;
    // True where this program cannot read the screen itself and must ask the desktop for a picture (a
    // Wayland session, or an X11 program under Xwayland, whose grabs come back black).
    virtual bool needsDesktopPortal() const = 0;
    // Puts the pointer on a device pixel of that picture, where the desktop lets a program move the pointer
    // (the arrow keys of a pick move it by one device pixel, also on a scaled monitor).
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
