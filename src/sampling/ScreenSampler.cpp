#include "sampling/ScreenSampler.h"

#include "core/ZoomGeometry.h"
#include "mainwindow/MainWindow.h"
#include "platform/Prompter.h"
#include "platform/Screen.h"
#include "platform/SettingsStore.h"
#include "sampling/MiniPicker.h"
#include "sampling/Snapshot.h"
#include "sampling/TargetPicture.h"
#include "sampling/ZoomFrame.h"
#include "sampling/ZoomView.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

namespace tw {

namespace {

    constexpr int kViewSize = 176;
    // One notch of a mouse wheel; finer wheels and touchpads add up to it.
    constexpr int kWheelNotch = 120;

    const QString kMain = QStringLiteral("Main");

    // A check box setting is 0 or 1; anything else reads as the default.
    bool ReadCheck(const platform::SettingsStore& settings, const QString& key, bool defaultValue)
    {
        const int value = settings.readInt(kMain, key, -1);
        if (value == 0 || value == 1)
            return value == 1;
        return defaultValue;
    }

    // The texts of the hidden keys; plain message boxes without an icon.
    constexpr const char* kSelOff = "Ctrl+J: the hidden switch is now off.";
    constexpr const char* kSelOn = "Ctrl+J: the hidden switch is now on.";
    constexpr const char* kTabSecret = "You found the hidden Ctrl+Shift+Alt+Tab message. Happy color picking!";
    constexpr const char* kScrollLockSecret
        = "You found the hidden Ctrl+Shift+Alt+Scroll Lock message. Happy color picking!";

} // namespace

ScreenSampler::ScreenSampler(MainWindow& window)
    : QObject(&window)
    , m_window(window)
{
    setObjectName(QStringLiteral("screenSampler"));

    QBoxLayout* targetArea = window.targetArea();
    auto* targetFrame = targetArea->parentWidget();
    Picture1 = new TargetPicture(targetFrame);
    targetArea->insertWidget(0, Picture1, 0, Qt::AlignHCenter);
    window.setFocusTarget(Picture1);

    fraZoom = new ZoomFrame(kViewSize, window.centralWidget());
    window.zoomArea()->addWidget(fraZoom);
    cmdMini = new QPushButton(tr("Mini Color Picker"), window.centralWidget());
    cmdMini->setObjectName(QStringLiteral("cmdMini"));
    window.zoomArea()->addWidget(cmdMini);

    connect(Picture1, &TargetPicture::pressed, this, &ScreenSampler::Picture1_MouseDown);
    connect(Picture1, &TargetPicture::moved, this, [this](Qt::MouseButtons buttons) {
        // Reading the pointer is a round trip to the display server: only a drag with a button held uses it.
        const bool sampling = blnDragging && buttons != Qt::NoButton;
        Picture1_MouseMove(buttons, sampling ? m_window.services().screen.cursorPosition() : QPoint());
    });
    connect(Picture1, &TargetPicture::released, this, &ScreenSampler::Picture1_MouseUp);

    connect(fraZoom->vsbZoomY, &QScrollBar::valueChanged, this, &ScreenSampler::RenderZoom);
    connect(fraZoom->hsbZoomX, &QScrollBar::valueChanged, this, &ScreenSampler::RenderZoom);
    connect(fraZoom->cboZoom, &QComboBox::currentIndexChanged, this, &ScreenSampler::cboZoom_Click);
    connect(fraZoom->chkGrid, &QCheckBox::toggled, this, &ScreenSampler::redraw);
    connect(fraZoom->chkCross, &QCheckBox::toggled, this, &ScreenSampler::redraw);
    connect(fraZoom->cmdClear, &QPushButton::clicked, this, &ScreenSampler::cmdClear_Click);
    connect(fraZoom->picZoom, &ZoomView::pressed, this, &ScreenSampler::picZoom_MouseDown);
    connect(cmdMini, &QPushButton::clicked, this, &ScreenSampler::cmdMini_Click);

    // The zoom keys and Ctrl+J act wherever the focus is in the main window, unless the focused control
    // takes the key itself (a code field takes "-" as text).
    window.installEventFilter(this);
}

ScreenSampler::~ScreenSampler()
{
    // The mini picker is a window of its own; it goes with the main window.
    delete m_mini;
}

void ScreenSampler::restoreSettings()
{
    const platform::SettingsStore& settings = m_window.services().settings;
    int zoom = settings.readInt(kMain, QStringLiteral("newzoom"), core::kDefaultZoomIndex);
    if (zoom < 0 || zoom >= fraZoom->cboZoom->count())
        zoom = core::kDefaultZoomIndex;
    fraZoom->cboZoom->setCurrentIndex(zoom);
    fraZoom->chkGrid->setChecked(ReadCheck(settings, QStringLiteral("grid"), false));
    fraZoom->chkCross->setChecked(ReadCheck(settings, QStringLiteral("cross"), true));
    m_sel = settings.readBool(kMain, QStringLiteral("sel"), false);
}

void ScreenSampler::saveSettings(QList<platform::SettingsChange>& changes) const
{
    changes.append(platform::IntSetting(QStringLiteral("newzoom"), fraZoom->cboZoom->currentIndex()));
    changes.append(platform::IntSetting(QStringLiteral("grid"), fraZoom->chkGrid->isChecked() ? 1 : 0));
    changes.append(platform::IntSetting(QStringLiteral("cross"), fraZoom->chkCross->isChecked() ? 1 : 0));
    changes.append(platform::BoolSetting(QStringLiteral("sel"), m_sel));
}

void ScreenSampler::setUpMagnifier()
{
    cboZoom_Click();
}

void ScreenSampler::Picture1_MouseDown(Qt::MouseButton button)
{
    if (blnDragging) {
        blnIgnoreUp = true;
        return;
    }
    // The snapshot comes first: a screen that cannot be read starts no drag and changes nothing.
    std::optional<QImage> snapshot = TakeSnapshot(m_window.services().screen);
    if (!snapshot) {
        m_window.showMessage(ScreenUnreadableMessage());
        return;
    }

    blnDragging = true;
    m_pressedButton = button;
    blnTargetColor2 = button == Qt::RightButton;
    m_window.setCurrentColor(blnTargetColor2 ? ColorSlot::Two : ColorSlot::One);
    if (button == Qt::LeftButton || button == Qt::RightButton) {
        m_dragPointer.emplace(TargetCursor(Picture1->devicePixelRatioF()));
        Picture1->setImageShown(false);
        m_wheelActive = true;
        m_wheelRemainder = 0;
        qApp->installEventFilter(this);
    }

    picDesk = std::move(snapshot);
    sngScreenW = picDesk->width();
    sngScreenH = picDesk->height();
    fraZoom->vsbZoomY->setEnabled(true);
    fraZoom->hsbZoomX->setEnabled(true);
    cboZoom_Click();
}

void ScreenSampler::Picture1_MouseMove(Qt::MouseButtons buttons, QPoint devicePixel)
{
    if (blnDragging && buttons == Qt::NoButton) {
        // Every button is up but no release came (another program took the mouse away): the drag ends as
        // the release of its button would have ended it, so the pointer never stays a target.
        blnIgnoreUp = false;
        Picture1_MouseUp(blnTargetColor2 ? Qt::RightButton : m_pressedButton);
    }
    if (blnDragging) {
        // Both scroll bars take the new point, then the view is drawn once for it.
        const QPoint last(fraZoom->hsbZoomX->value(), fraZoom->vsbZoomY->value());
        const QPoint point = FollowPointer(last, devicePixel, QSize(sngScreenW, sngScreenH));
        for (QScrollBar* bar : { fraZoom->vsbZoomY, fraZoom->hsbZoomX }) {
            const QSignalBlocker quiet(bar);
            bar->setValue(bar == fraZoom->hsbZoomX ? point.x() : point.y());
        }
        RenderZoom();
    }
    // With both buttons held the drag serves Color #1; once only the right one is left, Color #2.
    blnTargetColor2 = buttons == Qt::RightButton;
    m_window.setCurrentColor(blnTargetColor2 ? ColorSlot::Two : ColorSlot::One);
}

void ScreenSampler::Picture1_MouseUp(Qt::MouseButton button)
{
    // A release whose press started no drag (the screen could not be read) has nothing to end.
    if (!blnDragging)
        return;
    if (blnIgnoreUp) {
        blnIgnoreUp = false;
        return;
    }
    blnDragging = false;
    // The pointer comes back whichever button ends the drag, also the middle one after a left press.
    endDragPointer();
    // The colour already sits in the swatch from the drag's last move; the screen is not read again.
    if (button == Qt::LeftButton) {
        m_window.GetRGBValue();
        m_window.GetHEXValue();
        m_window.History(1);
    } else if (button == Qt::RightButton) {
        m_window.GetRGBValue2();
        m_window.GetHEXValue();
        m_window.History(2);
    }
}

void ScreenSampler::endDragPointer()
{
    m_dragPointer.reset();
    Picture1->setImageShown(true);
    if (m_wheelActive) {
        m_wheelActive = false;
        qApp->removeEventFilter(this);
    }
}

void ScreenSampler::RenderZoom()
{
    redraw();
    if (blnDragging)
        takeLiveColor();
}

void ScreenSampler::redraw()
{
    const int percent = fraZoom->zoomPercent();
    const bool gridChecked = fraZoom->chkGrid->isChecked();
    const int side = fraZoom->picZoom->viewSize();
    const core::ZoomGeometry geometry = core::ComputeZoomGeometry({ side, side, core::ZoomFactor(percent, gridChecked),
        fraZoom->hsbZoomX->value(), fraZoom->vsbZoomY->value(), sngScreenW, sngScreenH });
    fraZoom->picZoom->render(picDesk ? &*picDesk : nullptr, geometry,
        { core::GridShown(percent, gridChecked), fraZoom->chkCross->isChecked() });
}

void ScreenSampler::takeLiveColor()
{
    const QPoint point(fraZoom->hsbZoomX->value(), fraZoom->vsbZoomY->value());
    if (!picDesk || !picDesk->valid(point))
        return;
    // The snapshot's own pixel, at every zoom level: a reduced view no longer shows every pixel.
    const core::ColorValue value = SnapshotPixel(*picDesk, point);
    if (blnTargetColor2) {
        m_window.setSwatchColor(ColorSlot::Two, value);
        m_window.GetRGBValue2();
    } else {
        m_window.setSwatchColor(ColorSlot::One, value);
        m_window.GetRGBValue();
        m_window.GetHEXValue();
    }
}

void ScreenSampler::cboZoom_Click()
{
    const double z = core::ZoomFactor(fraZoom->zoomPercent(), fraZoom->chkGrid->isChecked());
    const int side = fraZoom->picZoom->viewSize();
    const std::pair<QScrollBar*, int> bars[] = { { fraZoom->vsbZoomY, sngScreenH }, { fraZoom->hsbZoomX, sngScreenW } };
    for (const auto& [bar, screenSize] : bars) {
        const QSignalBlocker quiet(bar);
        bar->setRange(0, std::max(0, screenSize - 1));
        bar->setPageStep(core::ZoomPageStep(side, z));
    }
    redraw();
}

void ScreenSampler::cmdClear_Click()
{
    picDesk.reset();
    fraZoom->vsbZoomY->setEnabled(false);
    fraZoom->hsbZoomX->setEnabled(false);
    redraw();
}

void ScreenSampler::picZoom_MouseDown(Qt::MouseButton button, QPoint viewPixel)
{
    const core::ColorValue value = fraZoom->picZoom->colorAt(viewPixel);
    if (button == Qt::LeftButton) {
        blnTargetColor2 = false;
        m_window.setCurrentColor(ColorSlot::One);
        m_window.setSwatchColor(ColorSlot::One, value);
        m_window.History(1);
        m_window.GetRGBValue();
        m_window.GetHEXValue();
    } else if (button == Qt::RightButton) {
        blnTargetColor2 = true;
        m_window.setCurrentColor(ColorSlot::Two);
        m_window.setSwatchColor(ColorSlot::Two, value);
        m_window.History(2);
        // Taking Color #2 never clears Color #1's "Empty" marker.
        const bool emptyShown = !m_window.lblEmpty->isHidden();
        m_window.GetRGBValue2();
        if (emptyShown)
            m_window.lblEmpty->show();
    }
}

void ScreenSampler::stepZoom(int step)
{
    QComboBox* box = fraZoom->cboZoom;
    const int index = box->currentIndex() + step;
    if (index >= 0 && index < box->count())
        box->setCurrentIndex(index);
}

void ScreenSampler::cmdMini_Click()
{
    m_window.hide();
    if (!m_mini)
        m_mini = new MiniPicker(m_window);
    m_mini->show();
    m_mini->raise();
    m_mini->activateWindow();
}

MiniPicker* ScreenSampler::miniPicker() const
{
    return m_mini;
}

bool ScreenSampler::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel && m_wheelActive) {
        handleWheel(*static_cast<QWheelEvent*>(event));
        event->accept();
        return true;
    }
    if (watched == &m_window && event->type() == QEvent::KeyPress)
        return handleKey(*static_cast<QKeyEvent*>(event));
    return QObject::eventFilter(watched, event);
}

void ScreenSampler::handleWheel(const QWheelEvent& event)
{
    if (!m_window.blnStarted)
        return;
    // Away from the user zooms in, towards the user zooms out, one list step per notch.
    m_wheelRemainder += event.angleDelta().y();
    while (m_wheelRemainder >= kWheelNotch) {
        m_wheelRemainder -= kWheelNotch;
        stepZoom(+1);
    }
    while (m_wheelRemainder <= -kWheelNotch) {
        m_wheelRemainder += kWheelNotch;
        stepZoom(-1);
    }
}

bool ScreenSampler::handleKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers
        = event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const Qt::KeyboardModifiers all = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    switch (event.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        stepZoom(+1);
        return true;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        stepZoom(-1);
        return true;
    case Qt::Key_J:
        if (modifiers != Qt::ControlModifier)
            return false;
        toggleSel();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (modifiers != all)
            return false;
        m_window.showMessage({ kTabSecret, core::MessageIcon::None });
        return true;
    case Qt::Key_ScrollLock:
        if (modifiers != all)
            return false;
        m_window.showMessage({ kScrollLockSecret, core::MessageIcon::None });
        return true;
    default:
        return false;
    }
}

void ScreenSampler::toggleSel()
{
    if (m_sel) {
        m_window.showMessage({ kSelOff, core::MessageIcon::None });
        m_sel = false;
    } else {
        m_window.showMessage({ kSelOn, core::MessageIcon::None });
        m_sel = true;
    }
}

} // namespace tw
