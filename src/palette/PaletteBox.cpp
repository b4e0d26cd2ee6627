#include "palette/PaletteBox.h"

#include "palette/PaletteGrid.h"
#include "platform/ColorConversion.h"
#include "widgets/BoxFrame.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tw {

PaletteBox::PaletteBox(PaletteGrid& grid, int index, QWidget* parent)
    : QWidget(parent)
    , m_grid(grid)
    , m_index(index)
{
    setObjectName(QStringLiteral("MiniPicker%1").arg(index));
    setAccessibleName(tr("Palette color %1").arg(index + 1));
    setFixedSize(kSize, kSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaletteBox::setColor(core::ColorValue color)
{
    if (color == m_color && !accessibleDescription().isEmpty())
        return;
    m_color = color;
    const core::Rgb rgb = core::SplitColor(color);
    setAccessibleDescription(color == core::kEmptyColor
            ? tr("Empty")
            : tr("Red %1, green %2, blue %3").arg(rgb.red).arg(rgb.green).arg(rgb.blue));
    update();
}

void PaletteBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor color = platform::ToQColor(m_color);
    painter.fillRect(rect(), color);
    DrawBoxFrame(painter, rect(), color, palette().color(QPalette::Window));
}

void PaletteBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressPosition = event->position().toPoint();
    m_grid.pressBox(m_index, event->button(), event->globalPosition().toPoint());
}

void PaletteBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second click of a double-click is a press like the first.
    mousePressEvent(event);
}

void PaletteBox::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pressPosition || !(event->buttons() & Qt::LeftButton) || !m_grid.editMode())
        return;
    if ((event->position().toPoint() - *m_pressPosition).manhattanLength() < QApplication::startDragDistance())
        return;
    m_pressPosition.reset();
    m_grid.dragFrom(m_index);
}

void PaletteBox::mouseReleaseEvent(QMouseEvent*)
{
    m_pressPosition.reset();
}

void PaletteBox::dragEnterEvent(QDragEnterEvent* event)
{
    if (!m_grid.acceptsDrop(event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    m_grid.dragOver(m_index, event->buttons());
}

void PaletteBox::dragMoveEvent(QDragMoveEvent* event)
{
    if (!m_grid.acceptsDrop(event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    m_grid.dragOver(m_index, event->buttons());
}

void PaletteBox::dropEvent(QDropEvent* event)
{
    if (!m_grid.acceptsDrop(event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    m_grid.dropOn(m_index, event->buttons());
}

} // namespace tw
