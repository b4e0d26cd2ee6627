#include "widgets/AppIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace tw {

namespace {

    constexpr int kSizes[] = { 16, 22, 24, 32, 48, 64, 128 };

    // Draws the icon into a square of the painter's, at any size.
    void DrawIcon(QPainter& painter, const QRectF& square)
    {
        painter.save();
        painter.translate(square.topLeft());
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal unit = std::min(square.width(), square.height()) / 16.0;
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
        painter.restore();
    }

    // The icon drawn whenever a size of it is asked for, so that it keeps no pictures of its own: the window
    // system and the notification area copy what they are given, and the rest of the program shows it rarely.
    class AppIconEngine : public QIconEngine {
    public:
        void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
        {
            DrawIcon(*painter, QRectF(rect));
        }
        QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
        {
            const int side = std::min(size.width(), size.height());
            QPixmap picture(side, side);
            picture.fill(Qt::transparent);
            QPainter painter(&picture);
            DrawIcon(painter, QRectF(0, 0, side, side));
            return picture;
        }
        QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
        {
            const int side = std::min(size.width(), size.height());
            return { side, side };
        }
        QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
        {
            QList<QSize> sizes;
            for (const int side : kSizes)
                sizes.append(QSize(side, side));
            return sizes;
        }
        QString key() const override { return QStringLiteral("tw.app"); }
        QIconEngine* clone() const override { return new AppIconEngine; }
    };

} // namespace

QIcon AppIcon()
{
    return QIcon(new AppIconEngine);
}

} // namespace tw
