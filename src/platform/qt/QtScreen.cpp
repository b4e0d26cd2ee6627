#include "platform/qt/QtScreen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace tw::platform {

namespace {

    // An X11 client in a Wayland session (Xwayland) reads only the X windows of the desktop; everything
    // else comes back black, which must not be taken for the screen's colours.
    bool ScreenReadable()
    {
        if (QGuiApplication::platformName() == QLatin1String("xcb") && qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
            return false;
        return true;
    }

} // namespace

std::optional<QImage> QtScreen::grabPrimaryScreen()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !ScreenReadable())
        return std::nullopt;
    const QPixmap pixmap = screen->grabWindow(0);
    if (pixmap.isNull() || pixmap.width() <= 0 || pixmap.height() <= 0)
        return std::nullopt;
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    // The grab holds device pixels; the image is used pixel for pixel.
    image.setDevicePixelRatio(1.0);
    return image;
}

QPoint QtScreen::cursorPosition() const
{
    return devicePosition(QCursor::pos());
}

QPoint QtScreen::devicePosition(QPointF globalPosition) const
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return globalPosition.toPoint();
    return DevicePixelOf(globalPosition, screen->geometry().topLeft(), screen->devicePixelRatio());
}

} // namespace tw::platform
