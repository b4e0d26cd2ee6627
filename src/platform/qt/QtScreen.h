#pragma once
#include "platform/Screen.h"

namespace tw::platform {

// QScreen::grabWindow(0) of the primary screen; positions converted to its device pixels.
class QtScreen : public Screen {
public:
    std::optional<QImage> grabPrimaryScreen() override;
    QPoint cursorPosition() const override;
    QPoint devicePosition(QPointF globalPosition) const override;
};

} // namespace tw::platform
