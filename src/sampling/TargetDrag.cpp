#include "sampling/TargetDrag.h"

#include "platform/Screen.h"
#include "sampling/Snapshot.h"
#include "sampling/TargetPicture.h"
#include "widgets/Prompts.h"

#include <QCoreApplication>
#include <QEvent>

namespace tw {

namespace {

    // Reads the rest of the snapshot of a press.
    const QEvent::Type kReadRest = static_cast<QEvent::Type>(QEvent::registerEventType());

    constexpr int kFirstPartSide = 128;

} // namespace

TargetDrag::TargetDrag(TargetPicture& target, platform::Screen& screen, platform::Prompter& prompter, QWidget& window)
    : QObject(&target)
    , m_target(target)
    , m_screen(screen)
    , m_prompter(prompter)
    , m_window(window)
{
    connect(&target, &TargetPicture::pressed, this, &TargetDrag::press);
    connect(&target, &TargetPicture::moved, this, [this](Qt::MouseButtons buttons) {
        // Reading the pointer is a round trip to the display server: only a drag with a button held uses it.
        const bool sampling = m_dragging && buttons != Qt::NoButton;
        move(buttons, sampling ? m_screen.cursorPosition() : QPoint());
    });
    connect(&target, &TargetPicture::released, this, &TargetDrag::release);
}

TargetDrag::~TargetDrag() = default;

void TargetDrag::press(Qt::MouseButton button)
{
    if (m_dragging) {
        m_ignoreUp = true;
        return;
    }
    if (m_takeOver && m_takeOver(button))
        return;
    // The snapshot comes first: a screen that cannot be read starts no drag and changes nothing.
    const QSize screen = m_screen.snapshotArea().size();
    const QRect first = m_firstPart
        ? m_firstPart(screen)
        : QRect(m_point - QPoint(kFirstPartSide / 2, kFirstPartSide / 2), QSize(kFirstPartSide, kFirstPartSide));
    std::optional<Snapshot> snapshot = Snapshot::Take(m_screen, first);
    if (!snapshot) {
        Tell(m_prompter, &m_window, ScreenUnreadableMessage());
        return;
    }
    m_dragging = true;
    m_button = button;
    if (button == Qt::LeftButton || button == Qt::RightButton) {
        m_pointer.emplace(TargetCursor(m_target.devicePixelRatioF()));
        m_target.setImageShown(false);
    }
    m_snapshot = std::move(snapshot);
    m_screenSize = m_snapshot->size();
    Q_EMIT started(button);
    // The rest of the screen is read once the first frame is out: the repaint that the press asked for was
    // posted at the same low priority before this, and goes to the window system first.
    QCoreApplication::postEvent(this, new QEvent(kReadRest), Qt::LowEventPriority);
}

void TargetDrag::customEvent(QEvent* event)
{
    if (event->type() == kReadRest && m_snapshot)
        m_snapshot->readRest();
    QObject::customEvent(event);
}

void TargetDrag::move(Qt::MouseButtons buttons, QPoint devicePixel)
{
    if (!m_dragging)
        return;
    if (buttons == Qt::NoButton) {
        m_ignoreUp = false;
        release(m_button);
        return;
    }
    m_point = FollowPointer(m_point, devicePixel, screenSize());
    Q_EMIT moved(buttons, m_point);
}

void TargetDrag::release(Qt::MouseButton button)
{
    // A release whose press started no drag (the screen could not be read) has nothing to end.
    if (!m_dragging)
        return;
    if (m_ignoreUp) {
        m_ignoreUp = false;
        return;
    }
    m_dragging = false;
    // The pointer comes back whichever button ends the drag, also the middle one after a left press.
    m_pointer.reset();
    m_target.setImageShown(true);
    Q_EMIT ended(button);
}

} // namespace tw
