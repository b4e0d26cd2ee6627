#pragma once
#include <QColor>

class QPainter;
class QRect;

namespace tw {

// The one-pixel frame of every colour box (swatches, palette and history boxes): drawn in black, white or grey,
// whichever stands out most against both the box's colour and the background around it, so that a box is
// visible on any colour and any colour scheme, also when it has the background's own colour.
QColor BoxFrameColor(const QColor& box, const QColor& background);
void DrawBoxFrame(QPainter& painter, const QRect& box, const QColor& color, const QColor& background);

} // namespace tw
