#pragma once
#include "platform/Screen.h"

#include <QList>

#include <limits>

namespace tw::test {

// A screen the test paints: the display is `image` (unreadable while it is null), the pointer is `cursor`
// (device pixels), wherever mouse events say it is. Every rectangle read is kept in `grabbed`.
class FakeScreen : public platform::Screen {
public:
    QRect snapshotArea() const override { return image.isNull() ? QRect() : image.rect(); }
    std::optional<QImage> grab(QRect rectangle) override
    {
        ++grabs;
        grabbed.append(rectangle);
        if (image.isNull() || rectangle.isEmpty() || !image.rect().contains(rectangle)
            || qint64(rectangle.width()) * rectangle.height() > failGrabsLargerThan)
            return std::nullopt;
        return image.copy(rectangle);
    }
    QPoint cursorPosition() const override
    {
        ++cursorReads;
        return cursor;
    }

    QImage image;
    QPoint cursor;
    int grabs = 0;
    QList<QRect> grabbed;
    // A display that gives only small parts: a grab of more pixels fails.
    qint64 failGrabsLargerThan = std::numeric_limits<qint64>::max();
    mutable int cursorReads = 0;
};

} // namespace tw::test
