#include "widgets/AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace tw {

QIcon AppIcon()
{
    QIcon icon;
    for (const int side : { 16, 22, 24, 32, 48, 64, 128 }) {
        QPixmap picture(side, side);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal unit = side / 16.0;
        painter.setPen(QPen(QColor(40, 40, 40), unit * 0.6));
        painter.setBrush(QColor(255, 128, 0));
        painter.drawRect(QRectF(unit * 1, unit * 1, unit * 9, unit * 9));
        painter.setBrush(QColor(0, 128, 255));
        painter.drawRect(QRectF(unit * 6, unit * 6, unit * 9, unit * 9));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(204, 0, 0), unit * 1.2));
        painter.drawEllipse(QPointF(unit * 8, unit * 8), unit * 3.2, unit * 3.2);
        painter.setBrush(QColor(204, 0, 0));
        painter.drawEllipse(QPointF(unit * 8, unit * 8), unit * 0.9, unit * 0.9);
        painter.end();
        icon.addPixmap(picture);
    }
    return icon;
}

} // namespace tw
