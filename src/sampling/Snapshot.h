#pragma once
#include "core/ColorValue.h"
#include "core/Messages.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <optional>

namespace tw::platform {
class Screen;
}

namespace tw {

// A picture of the screen taken at a press, in device pixels counted from its top-left corner, which is the
// top-left corner of the screen's snapshot area. A press needs only the part its first magnified frame shows,
// and that part is read at once, quickly whatever the size of the screen; the rest is read right after the
// frame is out (readRest) or, should a use that needs it come first, at that use. Every pixel handed out is
// the screen's own: a part not read yet is read before it is used, never guessed.
class Snapshot {
public:
    // Reads the first part (clipped to the screen; a part beside it reads the top-left pixel) at once.
    // Nothing when the screen cannot be read.
    static std::optional<Snapshot> Take(platform::Screen& screen, QRect first);
    // A picture taken another way (a frozen pick's), whole from the start.
    static Snapshot Of(QImage picture);

    QSize size() const { return m_area.size(); }
    bool whole() const { return m_whole; }
    // Reads the rest of the screen now, unless it was read already. What was read first keeps its pixels: the
    // screen may have changed since (the press itself redraws parts of this program's window).
    void readRest();

    // The pixels of a rectangle of the snapshot: the picture that holds them and where that picture's top-left
    // corner lies in the snapshot. The rectangle's pixels are read first when they were not yet; a screen that
    // can no longer be read leaves them out of the picture.
    struct Part {
        const QImage& picture;
        QPoint origin;
    };
    Part part(QRect rectangle);
    // One pixel, read first when it was not yet; nothing outside the snapshot or when it cannot be read.
    std::optional<core::ColorValue> pixel(QPoint point);
    // The mean of the size x size square centred on a point, read first where it was not yet; only the
    // square's pixels on the snapshot count. Nothing for a point outside the snapshot.
    std::optional<core::ColorValue> average(QPoint point, int size);

private:
    Snapshot(platform::Screen* screen, QRect area, QImage first, QPoint firstOrigin);
    // Reads a part of the snapshot, clipped to it, as a picture whose pixels read fast.
    std::optional<QImage> read(QRect rectangle) const;
    bool holds(QRect rectangle) const;

    // Nothing for a picture taken another way.
    platform::Screen* m_screen;
    // The screen's snapshot area at the press, in the screen's own coordinates.
    QRect m_area;
    // The pixels read so far, and where they lie in the snapshot.
    QImage m_picture;
    QPoint m_origin;
    bool m_whole = false;
    bool m_restUnreadable = false;
};

// The mean of the size x size square of an RGB32 picture centred on a pixel (only its pixels on the picture
// count); nothing for a pixel outside the picture.
std::optional<core::ColorValue> AverageOf(const QImage& picture, QPoint pixel, int size);

// The whole snapshot area at once, in a format whose pixels read fast, or nothing when the screen cannot be
// read: the picture a frozen pick shows.
std::optional<QImage> TakeSnapshot(platform::Screen& screen);

// Shown instead of sampling when the screen cannot be read; the colours stay as they were.
core::Message ScreenUnreadableMessage();

// A pointer position moves the sampled point only along the axes on which it lies on the screen (a second
// monitor left of or above the primary one gives negative values); other axes keep the last position.
QPoint FollowPointer(QPoint last, QPoint pointer, QSize screen);

} // namespace tw
