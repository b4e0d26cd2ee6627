#pragma once
#include "core/ColorValue.h"
#include "platform/ColorConversion.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

namespace tw::test {

// A screen whose every pixel has its own colour (up to 4096 x 4096): red and green are the low bytes of x
// and y, blue holds their high bits. A pixel one off the expected one never passes for it.
inline QImage NumberedScreen(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, ((x >> 8) << 4) | (y >> 8)));
    return image;
}

inline core::ColorValue PixelOf(const QImage& image, int x, int y)
{
    return platform::FromQRgb(image.pixel(x, y));
}

// Mouse events sent straight to a widget, as a window system delivers them to the widget that holds the
// mouse: button is the one that changed, buttons all that are held afterwards.
inline void SendMouse(
    QWidget* widget, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons, QPoint local = { 4, 4 })
{
    QMouseEvent event(type, QPointF(local), QPointF(widget->mapToGlobal(local)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}
inline void Press(QWidget* widget, Qt::MouseButton button, Qt::MouseButtons held = {})
{
    SendMouse(widget, QEvent::MouseButtonPress, button, held | button);
}
inline void Release(QWidget* widget, Qt::MouseButton button, Qt::MouseButtons stillHeld = {})
{
    SendMouse(widget, QEvent::MouseButtonRelease, button, stillHeld);
}
inline void Move(QWidget* widget, Qt::MouseButtons held)
{
    SendMouse(widget, QEvent::MouseMove, Qt::NoButton, held);
}
// One wheel notch (120) away from the user (positive) or towards the user (negative).
inline void Wheel(QWidget* widget, int delta)
{
    QWheelEvent event(QPointF(4, 4), QPointF(widget->mapToGlobal(QPoint(4, 4))), QPoint(), QPoint(0, delta),
        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

} // namespace tw::test
