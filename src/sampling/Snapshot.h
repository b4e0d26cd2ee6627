#pragma once
#include "core/ColorValue.h"
#include "core/Messages.h"

#include <QImage>
#include <QPoint>

#include <optional>

namespace tw::platform {
class Screen;
}

namespace tw {

// The whole desktop, in device pixels and in a format whose pixels read fast, or nothing when the
// screen cannot be read.
std::optional<QImage> TakeSnapshot(platform::Screen& screen);

// Shown instead of sampling when the screen cannot be read; the colours stay as they were.
core::Message ScreenUnreadableMessage();

// The colour of one snapshot pixel; the pixel must lie inside.
core::ColorValue SnapshotPixel(const QImage& snapshot, QPoint pixel);

// A pointer position moves the sampled point only along the axes on which it lies on the screen (a second
// monitor left of or above the primary one gives negative values); other axes keep the last position.
QPoint FollowPointer(QPoint last, QPoint pointer, QSize screen);

} // namespace tw
