#pragma once
#include "core/ZoomGeometry.h"
#include "platform/ScreenshotPortal.h"
#include "platform/SettingsStore.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QPointer>

#include <array>
#include <optional>

class QAction;
class QKeyEvent;
class QPushButton;
class QWheelEvent;

namespace tw::platform {
class Clipboard;
class Prompter;
class Screen;
class ScreenshotPortal;
} // namespace tw::platform

namespace tw {

class FrozenPick;
class MiniPicker;
class TargetDrag;
class TargetPicture;
class WorkingColors;
class ZoomFrame;

// Screen sampling in the main window: the target Picture1, whose drag takes the colour under the mouse from
// a snapshot of the screen into Color #1 (left button) or Color #2 (right button) while the magnifier
// follows; the magnifier fraZoom; the zoom keys; and the button that opens the mini picker.
class ScreenSampler : public QObject {
    Q_OBJECT
public:
    struct Services {
        platform::Screen& screen;
        platform::Prompter& prompter;
        platform::Clipboard& clipboard;
        platform::ScreenshotPortal& portal;
    };
    // window: the main window, whose keys the zoom keys watch and which the mini picker stands in for.
    ScreenSampler(WorkingColors& colors, Services services, QWidget& window);
    ~ScreenSampler() override;

    // The target and the magnifier with its mini picker button, for the window to place.
    TargetPicture* target() const { return Picture1; }
    ZoomFrame* zoomFrame() const { return fraZoom; }
    QPushButton* miniButton() const { return cmdMini; }

    // The menu items "Freeze Screen While Picking" and the four "Average" sizes (1, 3, 5, 9 pixels square).
    void attachMenu(QAction* freeze, const std::array<QAction*, 4>& average);

    // Settings "newzoom", "grid", "cross", "sel", "freeze" and "average" (section "Main").
    void restoreSettings(const platform::SettingsStore& settings);
    void saveSettings(QList<platform::SettingsChange>& changes) const;
    // The magnifier at the end of start-up: scroll-bar ranges and a first (empty) view. The wheel zooms a drag
    // only from then on.
    void setUpMagnifier();

    // The target's mouse, as TargetDrag describes it.
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
    // The frozen picking surface while a pick runs on it, or nothing.
    FrozenPick* frozenPick() const;
    bool freezeScreen() const { return m_freeze; }
    int average() const { return m_average; }

    TargetPicture* Picture1 = nullptr;
    ZoomFrame* fraZoom = nullptr;
    QPushButton* cmdMini = nullptr;

    bool blnDragging() const;
    bool blnIgnoreUp() const;
    bool blnTargetColor2() const { return m_targetColor2; }
    // The snapshot of the last press as a whole (the rest of the screen is read first when it was not yet).
    std::optional<QImage> picDesk() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onDragStarted(Qt::MouseButton button);
    void onDragEnded(Qt::MouseButton button);
    // RenderZoom without taking a colour: the redraws of the options and the zoom keep both colours.
    void redraw();
    // What the view shows around a point at the current zoom, for a screen of the given size.
    core::ZoomGeometry viewGeometry(QPoint point, QSize screen) const;
    void takeLiveColor();
    bool handleKey(const QKeyEvent& event);
    void handleWheel(const QWheelEvent& event);
    void toggleSel();
    // A press on the target that picks from a still picture: on request, or where the desktop lets no
    // program read the screen (then its portal takes the picture). False when an ordinary drag should run.
    // forMini: the press was on the mini picker's target, whose own view takes the pick.
    bool takeOverPress(Qt::MouseButton button, bool forMini);
    // While the press that started a frozen pick is held on a target, its moves and release carry the pick.
    void followHeldPress(TargetPicture& target);
    // The window the pick was started from, for messages.
    QWidget* pickWindow() const;
    void onPortalAnswer(const platform::ScreenshotPortal::Result& result, Qt::MouseButton button, bool colorOnly);
    void showFrozen(QImage picture, Qt::MouseButton button, bool held, std::optional<QPoint> start);
    void endFrozen();
    void setAverage(int size);
    void tell(const char* text);

    WorkingColors& m_colors;
    Services m_services;
    QWidget& m_window;
    TargetDrag* m_drag = nullptr;
    QPointer<MiniPicker> m_mini;
    // The drag sets Color #2 (else Color #1).
    bool m_targetColor2 = false;
    // Wheel steps act only between a left or right press and its release, once start-up is over.
    bool m_wheelReady = false;
    bool m_wheelActive = false;
    int m_wheelRemainder = 0;
    bool m_sel = false;
    bool m_freeze = false;
    int m_average = 1;
    QAction* m_freezeItem = nullptr;
    std::array<QAction*, 4> m_averageItems {};
    QPointer<FrozenPick> m_frozen;
    // The press that started the frozen pick is still held on the target.
    bool m_frozenHeld = false;
    bool m_portalBusy = false;
    // The pick running or asked for was started from the mini picker.
    bool m_forMini = false;
    // The colours as they were when the frozen pick began: Esc puts them back.
    core::ColorValue m_before[2] { 0, 0 };
};

} // namespace tw
