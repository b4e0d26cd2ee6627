#pragma once
#include <QCursor>
#include <QPixmap>

namespace tw {

// The target: the picture the target box shows and the mouse pointer while a drag samples the screen. Its
// rings and centre dot are drawn in kTargetRed, a red used nowhere else in the window.
inline constexpr QRgb kTargetRed = 0xFFCC0000;
inline constexpr int kTargetSize = 32;

// ratio: device pixels per pixel of the screen it is shown on, so the picture stays sharp when scaled.
QPixmap TargetImage(qreal ratio = 1.0);
// ratio: as for TargetImage. The image is the target at that ratio, in device pixels, and the hot spot is the
// centre of the target in the same device pixels, so the pixel under the bullseye is the pixel sampled.
QCursor TargetCursor(qreal ratio = 1.0);

// Replaces the mouse pointer of the whole application for the life of the object.
class OverrideCursor {
public:
    explicit OverrideCursor(const QCursor& cursor);
    ~OverrideCursor();
    OverrideCursor(const OverrideCursor&) = delete;
    OverrideCursor& operator=(const OverrideCursor&) = delete;
};

} // namespace tw
