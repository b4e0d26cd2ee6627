#include "widgets/BoxFrame.h"

#include <QPainter>
#include <QRect>

#include <algorithm>
#include <cmath>

namespace tw {

namespace {

    double Lightness(const QColor& color)
    {
        return 0.299 * color.red() + 0.587 * color.green() + 0.114 * color.blue();
    }

} // namespace

QColor BoxFrameColor(const QColor& box, const QColor& background)
{
    const QColor candidates[] = { QColor(0, 0, 0), QColor(255, 255, 255), QColor(128, 128, 128) };
    QColor best = candidates[0];
    double bestDistance = -1;
    for (const QColor& candidate : candidates) {
        const double distance = std::min(
            std::abs(Lightness(candidate) - Lightness(box)), std::abs(Lightness(candidate) - Lightness(background)));
        if (distance > bestDistance) {
            bestDistance = distance;
            best = candidate;
        }
    }
    return best;
}

void DrawBoxFrame(QPainter& painter, const QRect& box, const QColor& color, const QColor& background)
{
    painter.save();
    painter.setPen(BoxFrameColor(color, background));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace tw
