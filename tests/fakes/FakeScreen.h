#pragma once
#include "platform/Screen.h"

namespace tw::test {

// A screen the test paints: the snapshot is `image` (nothing while it is null), the pointer is `cursor`
// (device pixels), wherever mouse events say it is.
class FakeScreen : public platform::Screen {
public:
    std::optional<QImage> grabPrimaryScreen() override
    {
        ++grabs;
        if (image.isNull())
            return std::nullopt;
        return image;
    }
    QPoint cursorPosition() const override
    {
        ++cursorReads;
        return cursor;
    }

    QImage image;
    QPoint cursor;
    int grabs = 0;
    mutable int cursorReads = 0;
};

} // namespace tw::test
