#pragma once
#include "platform/SettingsStore.h"
#include "sampling/TargetCursor.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QPointer>

#include <optional>

class QKeyEvent;
class QPushButton;
class QWheelEvent;

namespace tw {

class MainWindow;
class MiniPicker;
class TargetPicture;
class ZoomFrame;

// Screen sampling in the main window: the target Picture1, whose drag takes the colour under the mouse from
// a snapshot of the screen into Color #1 (left button) or Color #2 (right button) while the magnifier
// follows; the magnifier fraZoom; the zoom keys; and the button that opens the mini picker.
class ScreenSampler : public QObject {
    Q_OBJECT
public:
    explicit ScreenSampler(MainWindow& window);
    ~ScreenSampler() override;

    // Settings "newzoom", "grid", "cross" and "sel" (section "Main").
    void restoreSettings();
    // Appends this area's keys of section "Main" to the batch the window writes at shutdown.
    void saveSettings(QList<platform::SettingsChange>& changes) const;
    // The magnifier at the end of start-up: scroll-bar ranges and a first (empty) view.
    void setUpMagnifier();

    // The target's mouse: a press starts a drag (a second button pressed during it only marks the next
    // release to be ignored), moves follow the pointer (devicePixel: the pointer in screen pixels), the
    // release ends the drag and records the colour of the button released.
    void Picture1_MouseDown(Qt::MouseButton button);
    void Picture1_MouseMove(Qt::MouseButtons buttons, QPoint devicePixel);
    void Picture1_MouseUp(Qt::MouseButton button);

    // Redraws the view from the snapshot at the scroll bars' point; during a drag the snapshot's pixel at
    // that point becomes the colour of the drag.
    void RenderZoom();
    // A new zoom level: scroll-bar ranges for it, then a redraw that keeps both colours.
    void cboZoom_Click();
    // Forgets the snapshot and shows the empty view.
    void cmdClear_Click();
    // A click in the view takes the colour shown under the mouse: left for Color #1, right for Color #2.
    void picZoom_MouseDown(Qt::MouseButton button, QPoint viewPixel);
    // One step along the zoom list (+1 in, -1 out); nothing beyond either end.
    void stepZoom(int step);
    // Hides the main window and shows the mini picker.
    void cmdMini_Click();

    // The persisted flag "sel", toggled with Ctrl+J; it changes nothing else.
    bool sel() const { return m_sel; }
    // The open mini picker, or nothing.
    MiniPicker* miniPicker() const;

    TargetPicture* Picture1 = nullptr;
    ZoomFrame* fraZoom = nullptr;
    QPushButton* cmdMini = nullptr;
    // The snapshot the view draws, in screen (device) pixels; nothing before the first press or after Clear.
    std::optional<QImage> picDesk;
    // The screen's size at the last press.
    int sngScreenW = 0;
    int sngScreenH = 0;
    bool blnDragging = false;
    // A second button went down during the drag: the next release is ignored.
    bool blnIgnoreUp = false;
    // The drag sets Color #2 (else Color #1).
    bool blnTargetColor2 = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // RenderZoom without taking a colour: the redraws of the options and the zoom keep both colours.
    void redraw();
    void takeLiveColor();
    void endDragPointer();
    bool handleKey(const QKeyEvent& event);
    void handleWheel(const QWheelEvent& event);
    void toggleSel();

    MainWindow& m_window;
    QPointer<MiniPicker> m_mini;
    // The button whose press started the drag.
    Qt::MouseButton m_pressedButton = Qt::NoButton;
    // The target pointer of a left or right drag; the pointer comes back when it is reset.
    std::optional<OverrideCursor> m_dragPointer;
    // Wheel steps act only between a left or right press and its release.
    bool m_wheelActive = false;
    int m_wheelRemainder = 0;
    bool m_sel = false;
};

} // namespace tw
