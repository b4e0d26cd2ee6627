#pragma once
#include "platform/Screen.h"

#include <QList>

#include <limits>

namespace tw::test {

// A screen the test paints: the display is `image` (unreadable while it is null), the pointer is `cursor`
// (device pixels), wherever mouse events say it is. Every rectangle read is kept in `grabbed`.
class FakeScreen : public platform::Screen {
public:
    QRect snapshotArea() const override { return image.isNull() || portalOnly ? QRect() : image.rect(); }
    std::optional<QImage> grab(QRect rectangle) override
    {
        ++grabs;
        grabbed.append(rectangle);
        if (image.isNull() || portalOnly || rectangle.isEmpty() || !image.rect().contains(rectangle)
            || qint64(rectangle.width()) * rectangle.height() > failGrabsLargerThan)
            return std::nullopt;
        return image.copy(rectangle);
    }
    QPoint cursorPosition() const override
    {
        ++cursorReads;
        return cursor;
    }

    bool needsDesktopPortal() const override { return portalOnly; }
    // The pointer goes where it is put, as on X11.
    void placePointer(QPoint pixel) override
    {
        cursor = pixel;
        ++placements;
    }

    QImage image;
    // A desktop that lets no program read the screen: grabs fail and pictures come from the portal.
    bool portalOnly = false;
    QPoint cursor;
    int grabs = 0;
    int placements = 0;
    QList<QRect> grabbed;
    // A display that gives only small parts: a grab of more pixels fails.
    qint64 failGrabsLargerThan = std::numeric_limits<qint64>::max();
    mutable int cursorReads = 0;
};

} // namespace tw::test
