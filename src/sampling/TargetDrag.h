#pragma once
#include "sampling/Snapshot.h"
#include "sampling/TargetCursor.h"

#include <QObject>
#include <QPoint>
#include <QRect>

#include <functional>
#include <optional>

namespace tw::platform {
class Prompter;
class Screen;
} // namespace tw::platform

namespace tw {

class TargetPicture;

// The drag of a target over the screen, for the main window's target and the mini picker's alike. A press
// takes a snapshot of the screen (a screen that cannot be read starts no drag and says so) and, for the left
// or right button, makes the pointer a target. The snapshot reads the part that the first frame shows at the
// press and the rest once that frame is on its way to the screen; moves with a button held follow the pointer over the
// snapshot; the release ends the drag. A second button pressed during a drag only marks its release to be
// ignored. A move that arrives with every button up ends the drag as its release would have (another program
// took the mouse away), so the pointer never stays a target.
class TargetDrag : public QObject {
    Q_OBJECT
public:
    TargetDrag(TargetPicture& target, platform::Screen& screen, platform::Prompter& prompter, QWidget& window);
    ~TargetDrag() override;

    void press(Qt::MouseButton button);
    // devicePixel: the pointer in screen pixels; read only while a drag holds a button.
    void move(Qt::MouseButtons buttons, QPoint devicePixel);
    void release(Qt::MouseButton button);

    bool dragging() const { return m_dragging; }
    bool ignoreUp() const { return m_ignoreUp; }
    // The button whose press started the drag.
    Qt::MouseButton button() const { return m_button; }
    // The part of the screen the first frame of a press shows, given the size of the screen (device pixels);
    // read at the press. By default a square around the sampled point.
    void setFirstPart(std::function<QRect(QSize screen)> firstPart) { m_firstPart = std::move(firstPart); }
    // The snapshot of the last press, in screen (device) pixels; nothing before the first press or after
    // forgetSnapshot.
    Snapshot* snapshot() { return m_snapshot ? &*m_snapshot : nullptr; }
    void forgetSnapshot() { m_snapshot.reset(); }
    // A picture taken another way (the frozen surface's), for the magnifier to show after that pick.
    void setSnapshot(QImage snapshot) { m_snapshot = Snapshot::Of(std::move(snapshot)); }
    // Asked first at each press that would start a drag: true when it took the press over (a pick on the
    // frozen surface), so that no drag starts.
    void setPressTakeOver(std::function<bool(Qt::MouseButton)> takeOver) { m_takeOver = std::move(takeOver); }
    QSize screenSize() const { return m_snapshot ? m_snapshot->size() : m_screenSize; }
    // The sampled point, in snapshot pixels. The first press samples the top-left pixel.
    QPoint point() const { return m_point; }
    void setPoint(QPoint point) { m_point = point; }

Q_SIGNALS:
    // A press took its snapshot (a second button's press starts nothing).
    void started(Qt::MouseButton button);
    // The point followed the pointer.
    void moved(Qt::MouseButtons buttons, QPoint point);
    void ended(Qt::MouseButton button);

protected:
    void customEvent(QEvent* event) override;

private:
    TargetPicture& m_target;
    platform::Screen& m_screen;
    platform::Prompter& m_prompter;
    QWidget& m_window;
    std::function<QRect(QSize)> m_firstPart;
    std::function<bool(Qt::MouseButton)> m_takeOver;
    std::optional<Snapshot> m_snapshot;
    QSize m_screenSize;
    QPoint m_point;
    std::optional<OverrideCursor> m_pointer;
    Qt::MouseButton m_button = Qt::NoButton;
    bool m_dragging = false;
    bool m_ignoreUp = false;
};

} // namespace tw
