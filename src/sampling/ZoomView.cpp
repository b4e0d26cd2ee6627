#include "sampling/ZoomView.h"

#include "platform/ColorConversion.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace tw {

namespace {
    const QColor kGridColor(0, 0, 0);
    const QColor kCrosshairColor(255, 0, 0);

    // Draws the grid and the box over a picture of side device pixels, the painter counting in them.
    void PaintOverlay(QPainter& painter, int side, const core::ZoomGeometry& geometry, ZoomOverlay overlay)
    {
        if (overlay.grid) {
            const core::GridLines columns = core::GridColumns(geometry, side);
            for (int x = columns.first; columns.step > 0 && x <= columns.last; x += columns.step)
                painter.fillRect(x, 0, 1, side, kGridColor);
            const core::GridLines rows = core::GridRows(geometry, side);
            for (int y = rows.first; rows.step > 0 && y <= rows.last; y += rows.step)
                painter.fillRect(0, y, side, 1, kGridColor);
        }
        const auto outline = [&painter](const core::CrosshairBox& box) {
            const int width = box.right - box.left + 1;
            const int height = box.bottom - box.top + 1;
            painter.fillRect(box.left, box.top, width, 1, kCrosshairColor);
            painter.fillRect(box.left, box.bottom, width, 1, kCrosshairColor);
            painter.fillRect(box.left, box.top, 1, height, kCrosshairColor);
            painter.fillRect(box.right, box.top, 1, height, kCrosshairColor);
        };
        if (overlay.crosshair)
            outline(core::Crosshair(geometry));
        if (overlay.average > 1)
            outline(core::AverageBox(geometry, overlay.average));
    }
} // namespace

ZoomView::ZoomView(int viewSize, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picZoom"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setViewSize(viewSize);
}

int ZoomView::viewSize() const
{
    return qRound(m_side * devicePixelRatioF());
}

void ZoomView::setViewSize(int viewSize)
{
    m_side = viewSize;
    m_overlay = {};
    // Until the next render the view shows the background alone, which needs no picture.
    m_picture = QImage();
    m_shown = QImage();
    setFixedSize(viewSize, viewSize);
    update();
}

QSize ZoomView::sizeHint() const
{
    return { m_side, m_side };
}

void ZoomView::clearPicture()
{
    // Made anew when the side or the ratio changed (the window moved to a screen of another scale); painted
    // at ratio 1, so that the painter counts in the picture's own pixels.
    const int side = viewSize();
    if (m_picture.width() != side)
        m_picture = QImage(side, side, QImage::Format_RGB32);
    m_picture.setDevicePixelRatio(1.0);
    m_picture.fill(platform::ToQColor(kZoomBackground));
}

void ZoomView::render(const QImage* snapshot, QPoint origin, const core::ZoomGeometry& geometry, ZoomOverlay overlay)
{
    m_geometry = geometry;
    m_overlay = overlay;
    const core::PixelRect& source = geometry.source;
    const core::PixelRect& destination = geometry.destination;
    if (snapshot && source.width > 0 && source.height > 0 && destination.width > 0 && destination.height > 0) {
        clearPicture();
        QPainter painter(&m_picture);
        // No smoothing: every screen pixel stays one block of a single colour.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRect(destination.x, destination.y, destination.width, destination.height), *snapshot,
            QRect(source.x - origin.x(), source.y - origin.y(), source.width, source.height));
    } else {
        // Nothing to magnify: the view is background alone, which needs no picture (colorAt answers it).
        m_picture = QImage();
    }
    updateShownPicture();
    update();
}

void ZoomView::updateShownPicture()
{
    // Background alone: paintEvent draws the grid and the box, if any, straight onto the background.
    if (m_picture.isNull()) {
        m_shown = QImage();
        return;
    }
    const qreal pictureRatio = devicePixelRatioF();
    m_picture.setDevicePixelRatio(1.0);
    m_shown = m_picture.copy();
    m_picture.setDevicePixelRatio(pictureRatio);
    QPainter painter(&m_shown);
    PaintOverlay(painter, m_shown.width(), m_geometry, m_overlay);
    painter.end();
    m_shown.setDevicePixelRatio(pictureRatio);
}

qreal ZoomView::shownRatio() const
{
    return m_shown.isNull() ? devicePixelRatioF() : m_shown.devicePixelRatio();
}

core::ColorValue ZoomView::colorAt(QPoint viewPixel) const
{
    if (!m_picture.valid(viewPixel))
        return kZoomBackground;
    return platform::FromQRgb(m_picture.pixel(viewPixel));
}

void ZoomView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // At a fractional scale the widget's corner may fall between two device pixels. The picture goes on the
    // nearest whole one, so that each of its pixels covers exactly one device pixel; the strip this leaves on
    // one side shows the background.
    painter.fillRect(rect(), platform::ToQColor(kZoomBackground));
    if (m_shown.isNull() && m_overlay.empty())
        return;
    const qreal ratio = shownRatio();
    const QPointF corner = painter.deviceTransform().map(QPointF(0, 0));
    const QPointF shift = (QPointF(qRound(corner.x()), qRound(corner.y())) - corner) / ratio;
    if (!m_shown.isNull()) {
        painter.drawImage(shift, m_shown);
        return;
    }
    // The grid and the box over the background, in device pixels from the same whole device pixel.
    painter.translate(shift);
    painter.scale(1 / ratio, 1 / ratio);
    PaintOverlay(painter, viewSize(), m_geometry, m_overlay);
}

void ZoomView::mousePressEvent(QMouseEvent* event)
{
    // Qt hands a widget the pointer's position rounded to the widget's pixels, which at a fractional scale
    // may name the device pixel beside the one pressed; the position in the window keeps the fraction.
    QPointF position = event->position();
    if (position == QPointF(position.toPoint())) {
        const QPointF inWindow = event->scenePosition();
        position += inWindow - QPointF(inWindow.toPoint());
    }
    // The picture's pixel under the pointer, counted as paintEvent places the picture: from the device pixel
    // nearest the widget's corner in the window. A device position divided by the ratio and multiplied back
    // may fall a hair short of the whole number it was.
    const qreal pictureRatio = shownRatio();
    const QPointF corner = QPointF(mapTo(window(), QPoint(0, 0))) * pictureRatio;
    const QPointF pointer = position * pictureRatio + corner;
    const auto pixel
        = [](qreal device, qreal origin) { return static_cast<int>(std::floor(device + 1e-6)) - qRound(origin); };
    Q_EMIT pressed(event->button(), QPoint(pixel(pointer.x(), corner.x()), pixel(pointer.y(), corner.y())));
}

} // namespace tw
