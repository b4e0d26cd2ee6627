#include "sampling/TargetCursor.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

namespace tw {

QPixmap TargetImage(qreal ratio)
{
    const int side = qRound(kTargetSize * ratio);
    QPixmap pixmap(side, side);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(kTargetSize / 2.0, kTargetSize / 2.0);
    const QColor red = QColor::fromRgb(kTargetRed);

    // A white disc with a black rim, two red rings, and a red dot in the middle.
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, 14.0, 14.0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(red, 2.5));
    painter.drawEllipse(centre, 10.0, 10.0);
    painter.drawEllipse(centre, 5.5, 5.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(red);
    painter.drawEllipse(centre, 2.0, 2.0);

    // Cross hairs from the rim towards the centre, leaving the dot free.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1));
    const int mid = kTargetSize / 2;
    painter.drawLine(mid, 0, mid, mid - 4);
    painter.drawLine(mid, mid + 4, mid, kTargetSize - 1);
    painter.drawLine(0, mid, mid - 4, mid);
    painter.drawLine(mid + 4, mid, kTargetSize - 1, mid);
    return pixmap;
}

QCursor TargetCursor(qreal ratio)
{
    // Qt takes a cursor's hot spot in pixels of the pixmap's logical size, but the X server is handed the
    // image's device pixels and the hot spot as it is, unscaled: at a ratio of 2 the hot spot (16, 16) would
    // sit a quarter of the way into a 64 x 64 image. Handed over at ratio 1, image and hot spot are both in
    // device pixels, and mean the same whether or not the platform scales the hot spot by the ratio.
    QPixmap image = TargetImage(ratio);
    image.setDevicePixelRatio(1.0);
    const int centre = qRound(kTargetSize / 2.0 * ratio);
    return QCursor(image, centre, centre);
}

OverrideCursor::OverrideCursor(const QCursor& cursor)
{
    QGuiApplication::setOverrideCursor(cursor);
}

OverrideCursor::~OverrideCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

} // namespace tw
