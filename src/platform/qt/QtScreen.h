#pragma once
#include "platform/Screen.h"

namespace tw::platform {

// QScreen::grabWindow(0) of the primary screen; the pointer asked from the X server in its own (device)
// pixels where there is one, since the toolkit reports positions in whole scaled pixels only. Failures are
// logged under the category "tw.screen" (warnings only, unless debug output is enabled).
class QtScreen : public Screen {
public:
    std::optional<QImage> grabPrimaryScreen() override;
    QPoint cursorPosition() const override;
};

} // namespace tw::platform
