#pragma once
#include "sampling/TargetCursor.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace tw {

class MainWindow;
class Swatch;
class TargetPicture;
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
    explicit MiniPicker(MainWindow& window);
    ~MiniPicker() override;

    void Picture1_MouseDown(Qt::MouseButton button);
    // buttons: every button held; devicePixel: the pointer, read only while a drag holds a button.
    void Picture1_MouseMove(Qt::MouseButtons buttons, QPoint devicePixel);
    void Picture1_MouseUp();
    // Redraws the view around ptCursor and takes the snapshot's pixel there into picColor and lblRGB.
    void RenderMiniZoom();
    // A click in the view takes the colour shown there into picColor (lblRGB keeps the dragged colour).
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

    std::optional<QImage> picDesk;
    int sngScreenW = 0;
    int sngScreenH = 0;
    bool blnDragging = false;
    // The colour is for Color #2 (else Color #1).
    bool blnColor2 = false;
    // The last pointer position, in screen pixels; the first press samples the screen's top-left pixel.
    QPoint ptCursor;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    MainWindow& m_window;
    std::optional<OverrideCursor> m_dragPointer;
    // picColor holds a picked colour (it starts as the empty colour, which a pick may also give).
    bool m_picked = false;
};

} // namespace tw
