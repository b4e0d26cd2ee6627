#include "sampling/ZoomView.h"

#include "platform/ColorConversion.h"

#include <QMouseEvent>
#include <QPainter>

namespace tw {

namespace {
    const QColor kGridColor(0, 0, 0);
    const QColor kCrosshairColor(255, 0, 0);
} // namespace

ZoomView::ZoomView(int viewSize, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picZoom"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setViewSize(viewSize);
}

void ZoomView::setViewSize(int viewSize)
{
    m_picture = QImage(viewSize, viewSize, QImage::Format_RGB32);
    m_picture.fill(platform::ToQColor(kZoomBackground));
    m_overlay = {};
    setFixedSize(viewSize, viewSize);
    update();
}

QSize ZoomView::sizeHint() const
{
    return m_picture.size();
}

void ZoomView::render(const QImage* snapshot, const core::ZoomGeometry& geometry, ZoomOverlay overlay)
{
    m_geometry = geometry;
    m_overlay = overlay;
    m_picture.fill(platform::ToQColor(kZoomBackground));
    const core::PixelRect& source = geometry.source;
    const core::PixelRect& destination = geometry.destination;
    if (snapshot && source.width > 0 && source.height > 0 && destination.width > 0 && destination.height > 0) {
        QPainter painter(&m_picture);
        // No smoothing: every screen pixel stays one block of a single colour.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRect(destination.x, destination.y, destination.width, destination.height), *snapshot,
            QRect(source.x, source.y, source.width, source.height));
    }
    update();
}

core::ColorValue ZoomView::colorAt(QPoint viewPixel) const
{
    if (!m_picture.valid(viewPixel))
        return kZoomBackground;
    return platform::FromQRgb(m_picture.pixel(viewPixel));
}

QImage ZoomView::shownPicture() const
{
    QImage shown = m_picture.copy();
    QPainter painter(&shown);
    paintOverlay(painter);
    return shown;
}

void ZoomView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_picture);
    paintOverlay(painter);
}

void ZoomView::paintOverlay(QPainter& painter) const
{
    const int side = m_picture.width();
    if (m_overlay.grid) {
        const core::GridLines columns = core::GridColumns(m_geometry, side);
        for (int x = columns.first; columns.step > 0 && x <= columns.last; x += columns.step)
            painter.fillRect(x, 0, 1, side, kGridColor);
        const core::GridLines rows = core::GridRows(m_geometry, side);
        for (int y = rows.first; rows.step > 0 && y <= rows.last; y += rows.step)
            painter.fillRect(0, y, side, 1, kGridColor);
    }
    if (m_overlay.crosshair) {
        const core::CrosshairBox box = core::Crosshair(m_geometry);
        const int width = box.right - box.left + 1;
        const int height = box.bottom - box.top + 1;
        painter.fillRect(box.left, box.top, width, 1, kCrosshairColor);
        painter.fillRect(box.left, box.bottom, width, 1, kCrosshairColor);
        painter.fillRect(box.left, box.top, 1, height, kCrosshairColor);
        painter.fillRect(box.right, box.top, 1, height, kCrosshairColor);
    }
}

void ZoomView::mousePressEvent(QMouseEvent* event)
{
    const QPointF position = event->position();
    Q_EMIT pressed(event->button(), QPoint(qFloor(position.x()), qFloor(position.y())));
}

} // namespace tw
