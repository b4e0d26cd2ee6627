#include "sampling/TargetPicture.h"

#include "sampling/TargetCursor.h"

#include <QMouseEvent>
#include <QPainter>

namespace tw {

namespace {
    constexpr int kMargin = 2;
}

TargetPicture::TargetPicture(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setToolTip(tr("Click, hold mouse button down, and drag. Release over color you wish to select. Left-click for "
                  "Color #1 or right-click for Color #2."));
    setFixedSize(sizeHint());
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // The context menu would otherwise open on the right button, which starts a drag for Color #2.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void TargetPicture::setImageShown(bool shown)
{
    if (shown == m_imageShown)
        return;
    m_imageShown = shown;
    update();
}

QSize TargetPicture::sizeHint() const
{
    return { kTargetSize + 2 * kMargin, kTargetSize + 2 * kMargin };
}

void TargetPicture::paintEvent(QPaintEvent*)
{
    if (!m_imageShown)
        return;
    // Drawn once per screen scale, not on every paint.
    const qreal ratio = devicePixelRatioF();
    if (m_image.isNull() || !qFuzzyCompare(m_image.devicePixelRatio(), ratio))
        m_image = TargetImage(ratio);
    QPainter painter(this);
    painter.drawPixmap(kMargin, kMargin, m_image);
}

void TargetPicture::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT pressed(event->button());
}

void TargetPicture::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT moved(event->buttons());
}

void TargetPicture::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT released(event->button());
}

} // namespace tw
