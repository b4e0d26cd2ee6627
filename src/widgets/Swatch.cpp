#include "widgets/Swatch.h"

#include "platform/ColorConversion.h"
#include "widgets/BoxFrame.h"

#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace tw {

Swatch::Swatch(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(48, 48);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Swatch::setColor(core::ColorValue color)
{
    if (color == m_color && !accessibleDescription().isEmpty())
        return;
    m_color = color;
    // A screen reader says the colour the box shows.
    const core::Rgb rgb = core::SplitColor(color);
    setAccessibleDescription(tr("Red %1, green %2, blue %3").arg(rgb.red).arg(rgb.green).arg(rgb.blue));
    update();
}

QLabel* Swatch::addEmptyLabel(const QString& objectName)
{
    m_emptyLabel = new QLabel(tr("Empty"), this);
    m_emptyLabel->setObjectName(objectName);
    m_emptyLabel->setAlignment(Qt::AlignCenter);
    m_emptyLabel->setAutoFillBackground(true);
    m_emptyLabel->setGeometry(labelArea());
    return m_emptyLabel;
}

bool Swatch::isEmptyShown() const
{
    return m_emptyLabel && !m_emptyLabel->isHidden();
}

QImage Swatch::image() const
{
    QImage picture(size(), QImage::Format_RGB32);
    picture.fill(platform::ToQColor(m_color));
    return picture;
}

QSize Swatch::sizeHint() const
{
    return { 48, 48 };
}

void Swatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor color = platform::ToQColor(m_color);
    painter.fillRect(rect(), color);
    DrawBoxFrame(painter, rect(), color, palette().color(QPalette::Window));
}

void Swatch::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    Q_EMIT pressed(event->button());
}

void Swatch::mouseDoubleClickEvent(QMouseEvent* event)
{
    QWidget::mouseDoubleClickEvent(event);
    Q_EMIT doubleClicked();
}

QRect Swatch::labelArea() const
{
    // Inside the box's frame, so that an empty box stays outlined.
    return rect().adjusted(1, 1, -1, -1);
}

void Swatch::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_emptyLabel)
        m_emptyLabel->setGeometry(labelArea());
}

} // namespace tw
