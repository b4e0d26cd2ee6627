#pragma once
#include "platform/Screen.h"

namespace tw::platform {

// The primary screen. On X11 the screen is read straight from the X server in its own (device) pixels, and
// so is the pointer, since the toolkit reports positions in whole scaled pixels only; elsewhere, and with an
// X server whose pixels are not laid out as 32-bit RGB, QScreen::grabWindow of the whole screen is cut to
// the rectangle. Failures are logged under the category "tw.screen" (warnings only, unless debug output is
// enabled).
class QtScreen : public Screen {
public:
    QRect snapshotArea() const override;
    std::optional<QImage> grab(QRect rectangle) override;
    QPoint cursorPosition() const override;
};

} // namespace tw::platform
