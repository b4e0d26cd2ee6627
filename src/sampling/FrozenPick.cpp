#include "sampling/FrozenPick.h"

#include "core/Desktop.h"
#include "core/Notations.h"
#include "platform/ColorConversion.h"
#include "platform/Screen.h"
#include "sampling/Snapshot.h"

#include <QCursor>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace tw {

namespace {

    // The magnifier beside the pointer, in the window's own pixels.
    constexpr int kLoupeSide = 176;
    constexpr int kLoupeGap = 24;
    constexpr int kNotesHeight = 64;
    constexpr int kWheelNotch = 120;

    using platform::ToQRect;

} // namespace

// One monitor's window: its share of the picture, drawn so that one pixel of the share is one device pixel
// of the monitor when the picture comes in device pixels.
class FrozenScreen : public QWidget {
public:
    FrozenScreen(FrozenPick& owner, std::size_t index)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
        , m_owner(owner)
        , m_index(index)
    {
        setObjectName(QStringLiteral("frmFrozenPick%1").arg(index));
        setWindowTitle(FrozenPick::tr("Pick a Color"));
        setCursor(Qt::CrossCursor);
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_DeleteOnClose, false);
        setMouseTracking(true);
    }

    const core::PixelRect& share() const { return m_owner.m_parts[m_index].rect; }

    // The picture pixel under a position in this window (its own pixels, fractions included).
    QPoint pixelAt(QPointF local) const
    {
        const core::PixelRect& rect = share();
        const double fx = width() > 0 ? static_cast<double>(rect.width) / width() : 1.0;
        const double fy = height() > 0 ? static_cast<double>(rect.height) / height() : 1.0;
        // A device position converted to scaled pixels and back may come out a hair below the whole number.
        const int x = std::clamp(static_cast<int>(std::floor(local.x() * fx + 1e-6)), 0, std::max(0, rect.width - 1));
        const int y = std::clamp(static_cast<int>(std::floor(local.y() * fy + 1e-6)), 0, std::max(0, rect.height - 1));
        return QPoint(rect.x + x, rect.y + y);
    }

    // The position in this window (its own pixels) of the centre of a picture pixel.
    QPointF localOf(QPoint pixel) const
    {
        const core::PixelRect& rect = share();
        const double fx = rect.width > 0 ? static_cast<double>(width()) / rect.width : 1.0;
        const double fy = rect.height > 0 ? static_cast<double>(height()) / rect.height : 1.0;
        return QPointF((pixel.x() - rect.x + 0.5) * fx, (pixel.y() - rect.y + 0.5) * fy);
    }

protected:
    // The event's own local position is rounded to whole scaled pixels; its global one keeps the fraction
    // that tells the device pixels of a scaled monitor apart.
    QPointF exactLocal(const QMouseEvent& event) const { return mapFromGlobal(event.globalPosition()); }

    void showEvent(QShowEvent* event) override
    {
        QWidget::showEvent(event);
        // The keys reach the pick even where no window manager hands a window the focus.
        if (m_index == 0 || QCursor::pos(screen()) == QCursor::pos()) {
            activateWindow();
            setFocus(Qt::ActiveWindowFocusReason);
            grabKeyboard();
        }
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRectF(rect()), m_owner.m_picture, ToQRect(share()));
        if (ToQRect(share()).contains(m_owner.m_point))
            paintLoupe(painter);
    }

    // A surface that appears under a pointer at rest learns where it is from the pointer's entry alone (a
    // Wayland compositor sends no move until the pointer moves).
    void enterEvent(QEnterEvent* event) override
    {
        QWidget::enterEvent(event);
        m_owner.pointerAt(*this, mapFromGlobal(event->globalPosition()), event->globalPosition());
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        m_owner.pointerAt(*this, exactLocal(*event), event->globalPosition());
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        m_owner.m_pressed |= event->button();
        m_owner.pointerAt(*this, exactLocal(*event), event->globalPosition());
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        // The release of a press made before the surface showed belongs to the drag that made it.
        if (!(m_owner.m_pressed & event->button()))
            return;
        m_owner.m_pressed.setFlag(event->button(), false);
        m_owner.pointerAt(*this, exactLocal(*event), event->globalPosition());
        m_owner.pick(event->button());
    }

    void wheelEvent(QWheelEvent* event) override
    {
        m_wheel += event->angleDelta().y();
        while (m_wheel >= kWheelNotch) {
            m_wheel -= kWheelNotch;
            m_owner.zoom(+1);
        }
        while (m_wheel <= -kWheelNotch) {
            m_wheel += kWheelNotch;
            m_owner.zoom(-1);
        }
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        const int step = (event->modifiers() & Qt::ShiftModifier) ? 10 : 1;
        switch (event->key()) {
        case Qt::Key_Escape:
            m_owner.cancel();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            m_owner.pick(m_owner.m_button);
            return;
        case Qt::Key_Left:
            m_owner.nudge(QPoint(-step, 0));
            return;
        case Qt::Key_Right:
            m_owner.nudge(QPoint(step, 0));
            return;
        case Qt::Key_Up:
            m_owner.nudge(QPoint(0, -step));
            return;
        case Qt::Key_Down:
            m_owner.nudge(QPoint(0, step));
            return;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            m_owner.zoom(+1);
            return;
        case Qt::Key_Minus:
        case Qt::Key_Underscore:
            m_owner.zoom(-1);
            return;
        default:
            QWidget::keyPressEvent(event);
        }
    }

private:
    // The magnified pixels round the point below and right of it (above or left near the window's edges),
    // the averaged square outlined in red, and the colour's notations under it.
    void paintLoupe(QPainter& painter)
    {
        const QPointF at = localOf(m_owner.m_point);
        QRectF loupe(at + QPointF(kLoupeGap, kLoupeGap), QSizeF(kLoupeSide, kLoupeSide + kNotesHeight));
        if (loupe.right() > width())
            loupe.moveRight(at.x() - kLoupeGap);
        if (loupe.bottom() > height())
            loupe.moveBottom(at.y() - kLoupeGap);
        // On a monitor too small for either side it stays on the monitor, over the point if need be.
        loupe.moveLeft(std::clamp(loupe.left(), 2.0, std::max(2.0, width() - loupe.width() - 2.0)));
        loupe.moveTop(std::clamp(loupe.top(), 2.0, std::max(2.0, height() - loupe.height() - 2.0)));
        const QRectF view(loupe.topLeft(), QSizeF(kLoupeSide, kLoupeSide));
        painter.fillRect(loupe.adjusted(-2, -2, 2, 2), Qt::black);
        painter.fillRect(view, QColor(0x80, 0x80, 0x80));

        // Whole view pixels per picture pixel, odd cells across so the point sits in the middle one.
        const double z = std::max(1.0, m_owner.m_zoomPercent / 100.0);
        const int cells = std::max(1, static_cast<int>(std::floor(kLoupeSide / z)) | 1);
        const int half = cells / 2;
        const QRect source(m_owner.m_point - QPoint(half, half), QSize(cells, cells));
        const double cell = static_cast<double>(kLoupeSide) / cells;
        painter.save();
        painter.setClipRect(view);
        const QRect inside = source & m_owner.m_picture.rect();
        const QPointF origin = view.topLeft() + QPointF(inside.x() - source.x(), inside.y() - source.y()) * cell;
        painter.drawImage(
            QRectF(origin, QSizeF(inside.width() * cell, inside.height() * cell)), m_owner.m_picture, inside);
        const int side = m_owner.m_average;
        const QPointF corner = view.topLeft() + QPointF(half - side / 2, half - side / 2) * cell;
        painter.setPen(QPen(Qt::red, 1));
        painter.drawRect(QRectF(corner, QSizeF(side * cell, side * cell)));
        painter.restore();

        const core::ColorValue color = m_owner.colorAt(m_owner.m_point);
        const core::Notations notes = core::DescribeColor(color);
        const QRectF notesRect(view.bottomLeft(), QSizeF(kLoupeSide, kNotesHeight));
        painter.fillRect(notesRect, palette().window());
        painter.fillRect(
            QRectF(notesRect.topLeft() + QPointF(4, 4), QSizeF(24, kNotesHeight - 8)), platform::ToQColor(color));
        painter.setPen(palette().windowText().color());
        const QString text = QStringLiteral("RGB %1, %2, %3\nHSL %4, %5, %6\n%7  %8\n%9  %10")
                                 .arg(QString::fromStdString(notes.red), QString::fromStdString(notes.green),
                                     QString::fromStdString(notes.blue), QString::fromStdString(notes.hue),
                                     QString::fromStdString(notes.sat), QString::fromStdString(notes.lum),
                                     QString::fromStdString(notes.html), QString::fromStdString(notes.vb),
                                     QString::fromStdString(notes.delphi), QString::fromStdString(notes.cpp));
        QFont small = font();
        small.setPixelSize(11);
        painter.setFont(small);
        painter.drawText(notesRect.adjusted(32, 2, -2, -2), Qt::AlignLeft | Qt::AlignVCenter, text);
    }

    FrozenPick& m_owner;
    std::size_t m_index;
    int m_wheel = 0;
};

FrozenPick::FrozenPick(QImage picture, platform::Screen* screen, QObject* parent)
    : QObject(parent)
    , m_picture(std::move(picture).convertToFormat(QImage::Format_RGB32))
    , m_screen(screen)
{
    m_picture.setDevicePixelRatio(1.0);
    const std::vector<core::MonitorGeometry> monitors = platform::CurrentMonitors();
    const core::DesktopPicture layout = core::LayOutDesktop(monitors);
    std::vector<core::PixelRect> rects = layout.monitors;
    m_devicePicture = m_picture.width() == layout.bounds.width && m_picture.height() == layout.bounds.height;
    // A picture that is not in the desktop's device pixels is shared out by the monitors' scaled rectangles.
    if (!m_devicePicture)
        rects = core::MonitorPartsOf(monitors, m_picture.width(), m_picture.height());
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (std::size_t i = 0; i < rects.size() && i < static_cast<std::size_t>(screens.size()); ++i)
        m_parts.push_back({ screens[static_cast<qsizetype>(i)], rects[i], nullptr });
}

FrozenPick::~FrozenPick()
{
    for (Part& part : m_parts)
        delete part.window;
}

void FrozenPick::start(QPoint point, Qt::MouseButton button)
{
    m_button = button == Qt::RightButton ? Qt::RightButton : Qt::LeftButton;
    m_done = false;
    m_point = point;
    for (std::size_t i = 0; i < m_parts.size(); ++i) {
        Part& part = m_parts[i];
        if (!part.window)
            part.window = new FrozenScreen(*this, i);
        if (part.screen) {
            part.window->setScreen(part.screen);
            part.window->setGeometry(part.screen->geometry());
        }
        part.window->showFullScreen();
    }
    setPoint(point, false);
}

void FrozenPick::close()
{
    m_done = true;
    for (Part& part : m_parts) {
        if (part.window) {
            part.window->releaseKeyboard();
            part.window->hide();
        }
    }
}

void FrozenPick::setAverage(int size)
{
    m_average = core::IsAverageSize(size) ? size : 1;
    setPoint(m_point, false);
}

void FrozenPick::setZoomPercent(int percent)
{
    m_zoomPercent = percent;
    repaintAll();
}

core::ColorValue FrozenPick::colorAt(QPoint pixel) const
{
    if (m_picture.isNull())
        return 0;
    const int x = std::clamp(pixel.x(), 0, m_picture.width() - 1);
    const int y = std::clamp(pixel.y(), 0, m_picture.height() - 1);
    return AverageOf(m_picture, QPoint(x, y), m_average).value_or(0);
}

QPoint FrozenPick::pointerPixel() const
{
    if (m_screen && m_devicePicture)
        return m_screen->cursorPosition();
    const QPoint middle(m_picture.width() / 2, m_picture.height() / 2);
    const QPoint global = QCursor::pos();
    const std::vector<core::MonitorGeometry> monitors = platform::CurrentMonitors();
    for (std::size_t i = 0; i < monitors.size() && i < m_parts.size(); ++i) {
        const core::PixelRect& scaled = monitors[i].scaled;
        if (!QRect(scaled.x, scaled.y, scaled.width, scaled.height).contains(global))
            continue;
        const core::PixelRect& part = m_parts[i].rect;
        return QPoint(part.x + (global.x() - scaled.x) * part.width / std::max(1, scaled.width),
            part.y + (global.y() - scaled.y) * part.height / std::max(1, scaled.height));
    }
    return middle;
}

QPoint FrozenPick::pixelAt(QPointF globalPosition) const
{
    for (const Part& part : m_parts) {
        if (part.window && part.window->isVisible() && part.window->geometry().contains(globalPosition.toPoint()))
            return part.window->pixelAt(part.window->mapFromGlobal(globalPosition));
    }
    return m_point;
}

std::vector<QWidget*> FrozenPick::windows() const
{
    std::vector<QWidget*> shown;
    for (const Part& part : m_parts)
        shown.push_back(part.window);
    return shown;
}

void FrozenPick::nudge(QPoint step)
{
    setPoint(m_point + step, true);
}

void FrozenPick::followPointer(QPoint pixel)
{
    if (m_done)
        return;
    setPoint(pixel, false);
}

void FrozenPick::pickWith(Qt::MouseButton button)
{
    pick(button);
}

void FrozenPick::pointerAt(const FrozenScreen& window, QPointF local, QPointF global)
{
    if (m_done)
        return;
    // The pointer the arrows placed arrives here once more, in whole scaled pixels: the arrows' pixel stays.
    if (m_placedPointer && *m_placedPointer == global.toPoint())
        return;
    m_placedPointer.reset();
    // On X11 the server tells the pointer's device pixel exactly; the toolkit's positions are whole scaled
    // pixels, which on a scaled monitor skip every other device pixel.
    if (m_screen && m_devicePicture && QGuiApplication::platformName() == QLatin1String("xcb")) {
        setPoint(m_screen->cursorPosition(), false);
        return;
    }
    setPoint(window.pixelAt(local), false);
}

void FrozenPick::setPoint(QPoint point, bool movePointer)
{
    if (m_picture.isNull())
        return;
    point.setX(std::clamp(point.x(), 0, m_picture.width() - 1));
    point.setY(std::clamp(point.y(), 0, m_picture.height() - 1));
    m_point = point;
    if (movePointer && m_screen && m_devicePicture && !m_screen->needsDesktopPortal()) {
        m_screen->placePointer(point);
    } else if (movePointer) {
        if (const Part* part = partOf(point); part && part->window) {
            const QPoint global = part->window->mapToGlobal(part->window->localOf(point)).toPoint();
            m_placedPointer = global;
            QCursor::setPos(part->window->screen(), global);
        }
    }
    repaintAll();
    Q_EMIT moved(m_point, colorAt(m_point));
}

void FrozenPick::pick(Qt::MouseButton button)
{
    if (m_done)
        return;
    m_done = true;
    const core::ColorValue color = colorAt(m_point);
    close();
    Q_EMIT picked(color, button);
}

void FrozenPick::cancel()
{
    if (m_done)
        return;
    close();
    Q_EMIT cancelled();
}

void FrozenPick::zoom(int step)
{
    Q_EMIT zoomStepped(step);
}

const FrozenPick::Part* FrozenPick::partOf(QPoint pixel) const
{
    for (const Part& part : m_parts)
        if (ToQRect(part.rect).contains(pixel))
            return &part;
    return nullptr;
}

void FrozenPick::repaintAll()
{
    for (Part& part : m_parts)
        if (part.window)
            part.window->update();
}

} // namespace tw
