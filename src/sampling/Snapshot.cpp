#include "sampling/Snapshot.h"

#include "core/Desktop.h"
#include "platform/ColorConversion.h"
#include "platform/Screen.h"

#include <QPainter>

#include <cstdint>

namespace tw {

namespace {

    // A rectangle of the display as a picture whose pixels read fast, or nothing.
    std::optional<QImage> Read(platform::Screen& screen, QRect rectangle)
    {
        std::optional<QImage> grabbed = screen.grab(rectangle);
        if (!grabbed || grabbed->size() != rectangle.size())
            return std::nullopt;
        if (grabbed->format() != QImage::Format_RGB32)
            *grabbed = grabbed->convertToFormat(QImage::Format_RGB32);
        grabbed->setDevicePixelRatio(1.0);
        return grabbed;
    }

} // namespace

std::optional<QImage> TakeSnapshot(platform::Screen& screen)
{
    const QRect area = screen.snapshotArea();
    if (area.isEmpty())
        return std::nullopt;
    return Read(screen, area);
}

std::optional<Snapshot> Snapshot::Take(platform::Screen& screen, QRect first)
{
    const QRect area = screen.snapshotArea();
    if (area.isEmpty())
        return std::nullopt;
    QRect part = first & QRect(QPoint(), area.size());
    if (part.isEmpty())
        part = QRect(0, 0, 1, 1);
    Snapshot snapshot(&screen, area, QImage(), part.topLeft());
    std::optional<QImage> picture = snapshot.read(part);
    if (!picture)
        return std::nullopt;
    snapshot.m_picture = std::move(*picture);
    snapshot.m_whole = part.size() == area.size();
    return snapshot;
}

Snapshot Snapshot::Of(QImage picture)
{
    if (picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    picture.setDevicePixelRatio(1.0);
    const QRect area(QPoint(), picture.size());
    Snapshot snapshot(nullptr, area, std::move(picture), QPoint());
    snapshot.m_whole = true;
    return snapshot;
}

Snapshot::Snapshot(platform::Screen* screen, QRect area, QImage first, QPoint firstOrigin)
    : m_screen(screen)
    , m_area(area)
    , m_picture(std::move(first))
    , m_origin(firstOrigin)
{
}

std::optional<QImage> Snapshot::read(QRect rectangle) const
{
    const QRect inside = rectangle & QRect(QPoint(), m_area.size());
    if (inside.isEmpty() || !m_screen)
        return std::nullopt;
    return Read(*m_screen, inside.translated(m_area.topLeft()));
}

bool Snapshot::holds(QRect rectangle) const
{
    return QRect(m_origin, m_picture.size()).contains(rectangle & QRect(QPoint(), m_area.size()));
}

void Snapshot::readRest()
{
    if (m_whole || m_restUnreadable)
        return;
    std::optional<QImage> whole = read(QRect(QPoint(), m_area.size()));
    if (!whole) {
        // Not tried again: from now on each use reads the part it needs.
        m_restUnreadable = true;
        return;
    }
    QPainter painter(&*whole);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(m_origin, m_picture);
    painter.end();
    m_picture = std::move(*whole);
    m_origin = QPoint();
    m_whole = true;
}

Snapshot::Part Snapshot::part(QRect rectangle)
{
    if (!holds(rectangle)) {
        readRest();
        if (!m_whole) {
            if (std::optional<QImage> needed = read(rectangle)) {
                m_picture = std::move(*needed);
                m_origin = (rectangle & QRect(QPoint(), m_area.size())).topLeft();
            }
        }
    }
    return { m_picture, m_origin };
}

std::optional<core::ColorValue> Snapshot::pixel(QPoint point)
{
    if (!QRect(QPoint(), m_area.size()).contains(point))
        return std::nullopt;
    const Part held = part(QRect(point, QSize(1, 1)));
    const QPoint inPicture = point - held.origin;
    if (!held.picture.valid(inPicture))
        return std::nullopt;
    return platform::FromQRgb(held.picture.pixel(inPicture));
}

std::optional<core::ColorValue> Snapshot::average(QPoint point, int size)
{
    if (size <= 1)
        return pixel(point);
    if (!QRect(QPoint(), m_area.size()).contains(point))
        return std::nullopt;
    const Part held = part(QRect(point - QPoint(size / 2, size / 2), QSize(size, size)));
    return AverageOf(held.picture, point - held.origin, size);
}

std::optional<core::ColorValue> AverageOf(const QImage& picture, QPoint pixel, int size)
{
    const core::PixelRows rows { reinterpret_cast<const std::uint32_t*>(picture.constBits()), picture.width(),
        picture.height(), static_cast<int>(picture.bytesPerLine() / 4) };
    return core::AverageSquare(rows, pixel.x(), pixel.y(), size);
}

core::Message ScreenUnreadableMessage()
{
    // A Wayland session never comes here: there the desktop's portal takes the picture.
    return { "The screen could not be read, so no color was picked and your colors are unchanged.",
        core::MessageIcon::Exclamation };
}

QPoint FollowPointer(QPoint last, QPoint pointer, QSize screen)
{
    QPoint followed = last;
    if (pointer.x() >= 0 && pointer.x() < screen.width())
        followed.setX(pointer.x());
    if (pointer.y() >= 0 && pointer.y() < screen.height())
        followed.setY(pointer.y());
    return followed;
}

} // namespace tw
