#pragma once
#include "platform/Screen.h"

namespace tw::platform {

// Every monitor at its place. On X11 a rectangle of the root window is read straight from the X server in its
// own (device) pixels, whatever scale the toolkit gives each monitor, and so is the pointer, since the
// toolkit reports positions in whole scaled pixels only; elsewhere, and with an X server whose pixels are not
// laid out as 32-bit RGB, each monitor's QScreen::grabWindow(0) is put at its place and cut to the rectangle.
// Failures are logged under the category "tw.screen" (warnings only, unless debug output is enabled).
class QtScreen : public Screen {
public:
    QRect snapshotArea() const override;
    std::optional<QImage> grab(QRect rectangle) override;
    QPoint cursorPosition() const override;
    bool needsDesktopPortal() const override;
    void placePointer(QPoint pixel) override;
};

} // namespace tw::platform
