#include "platform/qt/QtScreen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace tw::platform {

std::optional<QImage> QtScreen::grabPrimaryScreen()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return std::nullopt;
    const QPixmap pixmap = screen->grabWindow(0);
    if (pixmap.isNull() || pixmap.width() <= 0 || pixmap.height() <= 0)
        return std::nullopt;
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    return image;
}

QPoint QtScreen::cursorPosition() const
{
    const QPoint logical = QCursor::pos();
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return logical;
    // Device pixels, measured from the primary screen's top-left corner.
    const qreal ratio = screen->devicePixelRatio();
    const QPoint origin = screen->geometry().topLeft();
    return QPoint(qRound((logical.x() - origin.x()) * ratio), qRound((logical.y() - origin.y()) * ratio));
}

} // namespace tw::platform
