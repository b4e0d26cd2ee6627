#pragma once
#include "platform/Screen.h"

namespace tw::test {

// A screen the test paints: the snapshot is `image` (nothing while it is null). The pointer is wherever
// the test puts `cursor`, in device pixels; positions that mouse events report are ignored, so a test can
// sample any pixel without moving a real mouse there.
class FakeScreen : public platform::Screen {
public:
    std::optional<QImage> grabPrimaryScreen() override
    {
        ++grabs;
        if (image.isNull())
            return std::nullopt;
        return image;
    }
    QPoint cursorPosition() const override { return cursor; }
    QPoint devicePosition(QPointF) const override { return cursor; }

    QImage image;
    QPoint cursor;
    int grabs = 0;
};

} // namespace tw::test
