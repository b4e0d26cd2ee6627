#pragma once
#include "platform/Screen.h"

namespace tw::platform {

// On X11 one read of the root window (every monitor at its place, in device pixels) and the pointer asked
// from the X server in its own pixels, since the toolkit reports positions in whole scaled pixels only;
// elsewhere each monitor's QScreen::grabWindow(0) put at its place. Failures are logged under the category
// "tw.screen" (warnings only, unless debug output is enabled).
class QtScreen : public Screen {
public:
    std::optional<QImage> grabDesktop() override;
    QPoint cursorPosition() const override;
    bool needsDesktopPortal() const override;
    void placePointer(QPoint pixel) override;
};

} // namespace tw::platform
