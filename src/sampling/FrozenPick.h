#pragma once
#include "core/ColorValue.h"

#include <QImage>
#include <QWidget>

namespace tw {

// One pick from a still picture of the screen: a full-screen window without a frame shows the picture at its
// own device pixels, with a crosshair pointer, so that what vanishes when the pointer moves (menus, tooltips)
// can be picked too. A click picks the pixel under the pointer; Enter or Space does the same from the keyboard,
// the arrow keys move the pointer by one device pixel (ten with Shift), and Esc gives up.
class FrozenPick : public QWidget {
    Q_OBJECT
public:
    explicit FrozenPick(QImage snapshot, QWidget* parent = nullptr);

    // The colour of a device pixel of the picture; a point outside it is brought to its nearest edge.
    core::ColorValue colorAt(QPoint devicePixel) const;
    // The device pixel under a global position of the pointer.
    QPoint devicePixelOf(QPointF globalPosition) const;

Q_SIGNALS:
    void picked(tw::core::ColorValue color);
    void cancelled();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pickAt(QPoint devicePixel);

    QImage m_snapshot;
    bool m_done = false;
};

} // namespace tw
