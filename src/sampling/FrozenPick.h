#pragma once
#include "core/ColorValue.h"
#include "core/ZoomGeometry.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QPointer>

#include <optional>
#include <vector>

class QScreen;

namespace tw::platform {
class Screen;
}

namespace tw {

class FrozenScreen;

// Picking from a still picture of the whole desktop: one full-screen window without a frame on each monitor
// shows that monitor's part of the picture at its own device pixels, so that what vanishes when the pointer
// moves (menus, tooltips) can be picked too, and so that a desktop which lets no program read the screen
// (Wayland) can be picked from a picture its portal took.
//
// The pick point follows the pointer; the arrow keys move it by one device pixel of the picture (ten with
// Shift), also where the pointer cannot be placed. A magnifier beside the pointer shows the pixels round the
// point, the square that is averaged, and the colour's notations. A button's release picks with that button,
// Enter or Space with the button of the press that started the pick (left when none did); Esc gives up.
// The zoom keys and the wheel are handed to the owner, whose magnifier sets the zoom.
class FrozenPick : public QObject {
    Q_OBJECT
public:
    // picture: the whole desktop, either in device pixels (as Screen::grab gives the snapshot area) or at any other
    // size (a portal's picture), in which case each monitor shows its share of it. screen, where given,
    // places the pointer on the device pixel the arrow keys reach.
    explicit FrozenPick(QImage picture, platform::Screen* screen = nullptr, QObject* parent = nullptr);
    ~FrozenPick() override;

    // Shows the windows with the pick point at `point` (a pixel of the picture).
    void start(QPoint point, Qt::MouseButton button = Qt::LeftButton);
    // Closes the windows without an answer.
    void close();

    // The side of the averaged square: 1, 3, 5 or 9 pixels.
    void setAverage(int size);
    int average() const { return m_average; }
    void setZoomPercent(int percent);

    const QImage& picture() const { return m_picture; }
    QPoint point() const { return m_point; }
    // The mean of the averaged square round a pixel (only its pixels inside the picture count); a point
    // outside the picture is brought to its nearest edge.
    core::ColorValue colorAt(QPoint pixel) const;
    // The pixel of the picture under the pointer before the windows show (the middle of the picture where that
    // cannot be told, as for a portal's picture in other units).
    QPoint pointerPixel() const;
    // The pixel of the picture under a global position of the pointer (in the toolkit's scaled pixels).
    QPoint pixelAt(QPointF globalPosition) const;
    // The windows, one per monitor, for tests to drive.
    std::vector<QWidget*> windows() const;

    // Moves the point by whole pixels of the picture, staying inside it.
    void nudge(QPoint step);
    // A drag that began elsewhere (a press on the target) goes on over the surface: the pointer's pixel of
    // the picture, and the release that picks.
    void followPointer(QPoint pixel);
    void pickWith(Qt::MouseButton button);

Q_SIGNALS:
    // The point moved; color is colorAt(point).
    void moved(QPoint point, tw::core::ColorValue color);
    void picked(tw::core::ColorValue color, Qt::MouseButton button);
    void cancelled();
    // A zoom key or a wheel notch: +1 in, -1 out.
    void zoomStepped(int step);

private:
    friend class FrozenScreen;
    struct Part {
        QPointer<QScreen> screen;
        core::PixelRect rect; // the monitor's share of the picture
        FrozenScreen* window = nullptr;
    };
    void pointerAt(const FrozenScreen& window, QPointF local, QPointF global);
    void setPoint(QPoint point, bool movePointer);
    void pick(Qt::MouseButton button);
    void cancel();
    void zoom(int step);
    // The part (and its index) that shows a picture pixel; nothing for a pixel between monitors.
    const Part* partOf(QPoint pixel) const;
    void repaintAll();

    QImage m_picture;
    platform::Screen* m_screen = nullptr;
    // The picture is the desktop in device pixels, the pixels the screen places the pointer on.
    bool m_devicePicture = false;
    std::vector<Part> m_parts;
    // Buttons pressed on the surface itself: only their release picks.
    Qt::MouseButtons m_pressed;
    QPoint m_point;
    Qt::MouseButton m_button = Qt::LeftButton;
    int m_average = 1;
    int m_zoomPercent = 1000;
    bool m_done = false;
    // Where the arrows last put the pointer: the move that arrives from it keeps the arrows' device pixel.
    std::optional<QPoint> m_placedPointer;
};

} // namespace tw
