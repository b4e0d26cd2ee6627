#pragma once
#include "core/ColorValue.h"
#include "core/ZoomGeometry.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace tw::platform {
class Clipboard;
class Prompter;
class Screen;
} // namespace tw::platform

namespace tw {

class Swatch;
class TargetDrag;
class TargetPicture;
class WorkingColors;
class ZoomView;

// frmMini, "Mini Color Picker": a small always-on-top window that stands in for the main window while the
// user picks one colour. Its target samples the screen into picColor through a fixed 450 % view; "Done"
// hands the colour to the main window as Color #1 or Color #2 (the button of the last drag decides). The
// main window is shown again however the mini picker closes; the window deletes itself when closed. It has
// no parent window: while the main window is hidden it is the program's only window, with its own entry in
// the task bar, so that minimising it never loses it.
class MiniPicker : public QWidget {
    Q_OBJECT
public:
    struct Services {
        platform::Screen& screen;
        platform::Prompter& prompter;
        platform::Clipboard& clipboard;
    };
    // mainWindow: hidden while the mini picker stands in for it, shown again when it closes.
    MiniPicker(WorkingColors& colors, Services services, QWidget& mainWindow);
    ~MiniPicker() override;

    // Redraws the view around the sampled point and takes the snapshot's pixel there as the picked colour.
    void RenderMiniZoom();
    // Asked first at each press on the target: true when the press was taken over (a pick from a still
    // picture of the screen), so that no drag starts.
    void setPressTakeOver(std::function<bool(Qt::MouseButton)> takeOver);
    // A pick made another way: by a button (left: Color #1, right: Color #2, middle: as before) from a still
    // picture, which the view then shows round the picked point, or, without a picture, by the desktop.
    void takePick(core::ColorValue value, Qt::MouseButton button);
    void takePick(const QImage& picture, QPoint point, core::ColorValue value, Qt::MouseButton button);
    // A click in the view picks the colour shown there.
    void picZoom_MouseDown(QPoint viewPixel);
    void chkTop_Click();
    void cmdCopy_Click();
    void cmdDone_Click();

    TargetPicture* Picture1 = nullptr;
    ZoomView* picZoom = nullptr;
    Swatch* picColor = nullptr;
    QLabel* lblRGB = nullptr;
    QCheckBox* chkTop = nullptr;
    QPushButton* cmdMin = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdDone = nullptr;

    bool blnDragging() const;
    // The colour is for Color #2 (else Color #1).
    bool blnColor2 = false;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // What the view shows around a point, for a screen of the given size.
    core::ZoomGeometry viewGeometry(QPoint point, QSize screen) const;
    // One pick, one colour: shown in picColor and lblRGB, copied by "C" and handed over by "Done" alike.
    void pick(core::ColorValue value);

    WorkingColors& m_colors;
    Services m_services;
    QWidget& m_mainWindow;
    // Where the main window stood when the mini picker took its place; it comes back exactly there.
    QPoint m_mainPosition;
    TargetDrag* m_drag = nullptr;
    // Whether a colour was picked (picColor starts as the empty colour, which a pick may also give).
    bool m_picked = false;
};

} // namespace tw
