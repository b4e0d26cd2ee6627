#pragma once
#include "platform/Screen.h"

namespace tw::test {

// A screen the test paints: the snapshot is `image` (nothing while it is null), the pointer is `cursor`
// (device pixels), wherever mouse events say it is.
class FakeScreen : public platform::Screen {
public:
    std::optional<QImage> grabDesktop() override
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
    mutable int cursorReads = 0;
};

} // namespace tw::test
