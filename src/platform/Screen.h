#pragma once
#include <QImage>
#include <QPoint>

#include <optional>

namespace tw::platform {

// The primary screen, in device pixels: on a scaled (HiDPI) screen the cursor position and the snapshot
// use the same pixels, so the pixel under the cursor is the one sampled.
class Screen {
public:
    virtual ~Screen() = default;
    // A picture of the whole primary screen, or nothing when the screen cannot be read (no X11 access,
    // for example in a Wayland session): a failed grab is never handed out as a black picture.
    virtual std::optional<QImage> grabPrimaryScreen() = 0;
    virtual QPoint cursorPosition() const = 0;
};

} // namespace tw::platform
