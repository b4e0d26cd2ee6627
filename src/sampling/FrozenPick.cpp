#include "sampling/FrozenPick.h"

#include "platform/Screen.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace tw {

FrozenPick::FrozenPick(QImage snapshot, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_snapshot(std::move(snapshot).convertToFormat(QImage::Format_RGB32))
{
    setObjectName(QStringLiteral("frmFrozenPick"));
    setWindowTitle(tr("Pick a Color"));
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

core::ColorValue FrozenPick::colorAt(QPoint devicePixel) const
{
    if (m_snapshot.isNull())
        return 0;
    const int x = std::clamp(devicePixel.x(), 0, m_snapshot.width() - 1);
    const int y = std::clamp(devicePixel.y(), 0, m_snapshot.height() - 1);
    const QRgb pixel = m_snapshot.pixel(x, y);
    return core::MakeColor({ qRed(pixel), qGreen(pixel), qBlue(pixel) });
}

QPoint FrozenPick::devicePixelOf(QPointF globalPosition) const
{
    const QScreen* shown = screen();
    return platform::DevicePixelOf(globalPosition, shown->geometry().topLeft(), shown->devicePixelRatio());
}

void FrozenPick::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The keys reach this window even where no window manager hands it the focus.
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
    grabKeyboard();
}

void FrozenPick::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The picture is drawn at its own pixels: one device pixel of the screen is one pixel of the picture.
    QImage picture = m_snapshot;
    picture.setDevicePixelRatio(devicePixelRatioF());
    painter.drawImage(QPointF(0, 0), picture);
}

void FrozenPick::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pickAt(devicePixelOf(event->globalPosition()));
}

void FrozenPick::keyPressEvent(QKeyEvent* event)
{
    const int step = (event->modifiers() & Qt::ShiftModifier) ? 10 : 1;
    QPoint move;
    switch (event->key()) {
    case Qt::Key_Escape:
        m_done = true;
        close();
        Q_EMIT cancelled();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        pickAt(devicePixelOf(QCursor::pos(screen())));
        return;
    case Qt::Key_Left:
        move = QPoint(-step, 0);
        break;
    case Qt::Key_Right:
        move = QPoint(step, 0);
        break;
    case Qt::Key_Up:
        move = QPoint(0, -step);
        break;
    case Qt::Key_Down:
        move = QPoint(0, step);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    // One device pixel is 1/ratio of a toolkit pixel: the pointer is placed in device pixels through the
    // screen's native position.
    const qreal ratio = screen()->devicePixelRatio();
    const QPoint device = devicePixelOf(QCursor::pos(screen())) + move;
    const QPointF global = QPointF(screen()->geometry().topLeft()) + QPointF(device) / ratio;
    QCursor::setPos(screen(), global.toPoint());
}

void FrozenPick::pickAt(QPoint devicePixel)
{
    if (m_done)
        return;
    m_done = true;
    const core::ColorValue color = colorAt(devicePixel);
    close();
    Q_EMIT picked(color);
}

} // namespace tw
