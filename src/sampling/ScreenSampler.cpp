#include "sampling/ScreenSampler.h"

#include "core/Desktop.h"
#include "core/ZoomGeometry.h"
#include "model/WorkingColors.h"
#include "platform/Screen.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "sampling/FrozenPick.h"
#include "sampling/MiniPicker.h"
#include "sampling/Snapshot.h"
#include "sampling/TargetDrag.h"
#include "sampling/TargetPicture.h"
#include "sampling/ZoomFrame.h"
#include "sampling/ZoomView.h"
#include "widgets/Prompts.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

namespace tw {

namespace {

    constexpr int kViewSize = 176;
    // One notch of a mouse wheel; finer wheels and touchpads add up to it.
    constexpr int kWheelNotch = 120;

    // A check box setting is 0 or 1; anything else reads as the default.
    bool ReadCheck(const platform::SettingsStore& settings, const QString& key, bool defaultValue)
    {
        const int value = settings.readInt(keys::kMain, key, -1);
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

    // What the user is told when the desktop's screenshot service gives no picture; the colours stay.
    core::Message PortalMessage(const platform::ScreenshotPortal::Result& result)
    {
        using Outcome = platform::ScreenshotPortal::Outcome;
        std::string text;
        switch (result.outcome) {
        case Outcome::Refused:
            text = "The desktop did not allow a picture of the screen to be taken, so no color was picked and "
                   "your colors are unchanged.";
            break;
        case Outcome::Missing:
            text = "This desktop does not let programs read the screen, and its screenshot service (the desktop "
                   "portal) is missing, so no color was picked and your colors are unchanged.\n\n"
                   "Install the desktop portal of your desktop (the package xdg-desktop-portal with the one for "
                   "GNOME, KDE or wlroots) to pick colors from the screen.";
            break;
        case Outcome::NoAnswer:
            text = "The desktop did not answer the request for a picture of the screen, so no color was picked "
                   "and your colors are unchanged.";
            break;
        case Outcome::Failed:
        case Outcome::Taken:
            text = "The desktop could not take a picture of the screen, so no color was picked and your colors "
                   "are unchanged.";
            if (!result.detail.isEmpty())
                text += "\n\nThe desktop said: " + result.detail.toStdString();
            break;
        }
        return { text, core::MessageIcon::Exclamation };
    }

    ColorSlot SlotOf(Qt::MouseButton button)
    {
        return button == Qt::RightButton ? ColorSlot::Two : ColorSlot::One;
    }

} // namespace

ScreenSampler::ScreenSampler(WorkingColors& colors, Services services, QWidget& window)
    : QObject(&window)
    , m_colors(colors)
    , m_services(services)
    , m_window(window)
{
    setObjectName(QStringLiteral("screenSampler"));

    Picture1 = new TargetPicture(&window);
    Picture1->setAccessibleName(tr("Target: drag it over the screen to pick a color"));
    m_drag = new TargetDrag(*Picture1, services.screen, services.prompter, window);
    fraZoom = new ZoomFrame(kViewSize, &window);
    // A press draws the view around the scroll bars' point first.
    m_drag->setFirstPart([this](QSize screen) {
        const QPoint point(fraZoom->hsbZoomX->value(), fraZoom->vsbZoomY->value());
        const core::PixelRect source = viewGeometry(point, screen).source;
        return QRect(source.x, source.y, source.width, source.height) | QRect(point, QSize(1, 1));
    });
    cmdMini = new QPushButton(tr("Mini Color Picker"), &window);
    cmdMini->setObjectName(QStringLiteral("cmdMini"));

    connect(m_drag, &TargetDrag::started, this, &ScreenSampler::onDragStarted);
    connect(m_drag, &TargetDrag::moved, this, [this](Qt::MouseButtons, QPoint point) {
        // Both scroll bars take the new point, then the view is drawn once for it.
        for (QScrollBar* bar : { fraZoom->vsbZoomY, fraZoom->hsbZoomX }) {
            const QSignalBlocker quiet(bar);
            bar->setValue(bar == fraZoom->hsbZoomX ? point.x() : point.y());
        }
        RenderZoom();
    });
    connect(m_drag, &TargetDrag::ended, this, &ScreenSampler::onDragEnded);
    m_drag->setPressTakeOver([this](Qt::MouseButton button) { return takeOverPress(button, false); });
    followHeldPress(*Picture1);
    // Every move over the target, with or without a drag: with both buttons held the drag serves Color #1;
    // once only the right one is left, Color #2.
    connect(Picture1, &TargetPicture::moved, this, [this](Qt::MouseButtons buttons) {
        m_targetColor2 = buttons == Qt::RightButton;
        m_colors.setCurrent(m_targetColor2 ? ColorSlot::Two : ColorSlot::One);
    });

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
    delete m_frozen;
    // The mini picker is a window of its own; it goes with the main window.
    delete m_mini;
}

void ScreenSampler::restoreSettings(const platform::SettingsStore& settings)
{
    int zoom = settings.readInt(keys::kMain, keys::kZoom, core::kDefaultZoomIndex);
    if (zoom < 0 || zoom >= fraZoom->cboZoom->count())
        zoom = core::kDefaultZoomIndex;
    fraZoom->cboZoom->setCurrentIndex(zoom);
    fraZoom->chkGrid->setChecked(ReadCheck(settings, keys::kGrid, false));
    fraZoom->chkCross->setChecked(ReadCheck(settings, keys::kCross, true));
    m_sel = settings.readBool(keys::kMain, keys::kSel, false);
    m_freeze = settings.readBool(keys::kMain, keys::kFreeze, false);
    if (m_freezeItem)
        m_freezeItem->setChecked(m_freeze);
    setAverage(settings.readInt(keys::kMain, keys::kAverage, 1));
}

void ScreenSampler::attachMenu(QAction* freeze, const std::array<QAction*, 4>& average)
{
    m_freezeItem = freeze;
    m_averageItems = average;
    freeze->setEnabled(true);
    freeze->setChecked(m_freeze);
    connect(freeze, &QAction::toggled, this, [this](bool on) { m_freeze = on; });
    for (std::size_t i = 0; i < average.size(); ++i) {
        average[i]->setEnabled(true);
        const int size = core::kAverageSizes[i];
        connect(average[i], &QAction::triggered, this, [this, size] { setAverage(size); });
    }
    setAverage(m_average);
}

void ScreenSampler::setAverage(int size)
{
    m_average = core::IsAverageSize(size) ? size : 1;
    for (std::size_t i = 0; i < m_averageItems.size(); ++i)
        if (m_averageItems[i])
            m_averageItems[i]->setChecked(core::kAverageSizes[i] == m_average);
    if (m_frozen)
        m_frozen->setAverage(m_average);
    // The magnifier outlines the new square round the point it shows.
    if (m_drag && m_drag->snapshot())
        redraw();
}

void ScreenSampler::saveSettings(QList<platform::SettingsChange>& changes) const
{
    changes.append(platform::IntSetting(keys::kZoom, fraZoom->cboZoom->currentIndex()));
    changes.append(platform::IntSetting(keys::kGrid, fraZoom->chkGrid->isChecked() ? 1 : 0));
    changes.append(platform::IntSetting(keys::kCross, fraZoom->chkCross->isChecked() ? 1 : 0));
    changes.append(platform::BoolSetting(keys::kSel, m_sel));
    changes.append(platform::BoolSetting(keys::kFreeze, m_freeze));
    changes.append(platform::IntSetting(keys::kAverage, m_average));
}

void ScreenSampler::setUpMagnifier()
{
    m_wheelReady = true;
    cboZoom_Click();
}

void ScreenSampler::Picture1_MouseDown(Qt::MouseButton button)
{
    m_drag->press(button);
}

void ScreenSampler::Picture1_MouseMove(Qt::MouseButtons buttons, QPoint devicePixel)
{
    m_drag->move(buttons, devicePixel);
    m_targetColor2 = buttons == Qt::RightButton;
    m_colors.setCurrent(m_targetColor2 ? ColorSlot::Two : ColorSlot::One);
}

void ScreenSampler::Picture1_MouseUp(Qt::MouseButton button)
{
    m_drag->release(button);
}

bool ScreenSampler::blnDragging() const
{
    return m_drag->dragging();
}

bool ScreenSampler::blnIgnoreUp() const
{
    return m_drag->ignoreUp();
}

std::optional<QImage> ScreenSampler::picDesk() const
{
    Snapshot* snapshot = m_drag->snapshot();
    if (!snapshot)
        return std::nullopt;
    snapshot->readRest();
    const Snapshot::Part whole = snapshot->part(QRect(QPoint(), snapshot->size()));
    return whole.picture;
}

void ScreenSampler::onDragStarted(Qt::MouseButton button)
{
    m_targetColor2 = button == Qt::RightButton;
    m_colors.setCurrent(m_targetColor2 ? ColorSlot::Two : ColorSlot::One);
    if (button == Qt::LeftButton || button == Qt::RightButton) {
        m_wheelActive = true;
        m_wheelRemainder = 0;
        qApp->installEventFilter(this);
    }
    fraZoom->vsbZoomY->setEnabled(true);
    fraZoom->hsbZoomX->setEnabled(true);
    cboZoom_Click();
}

void ScreenSampler::onDragEnded(Qt::MouseButton button)
{
    if (m_wheelActive) {
        m_wheelActive = false;
        qApp->removeEventFilter(this);
    }
    // The colour already is the one of the drag's last move; the screen is not read again.
    if (button == Qt::LeftButton || button == Qt::RightButton) {
        const ColorSlot slot = m_targetColor2 ? ColorSlot::Two : ColorSlot::One;
        m_colors.take(slot, m_colors.color(slot));
    }
}

void ScreenSampler::RenderZoom()
{
    redraw();
    if (m_drag->dragging())
        takeLiveColor();
}

core::ZoomGeometry ScreenSampler::viewGeometry(QPoint point, QSize screen) const
{
    const int side = fraZoom->picZoom->viewSize();
    const double z = core::ZoomFactor(fraZoom->zoomPercent(), fraZoom->chkGrid->isChecked());
    return core::ComputeZoomGeometry({ side, side, z, point.x(), point.y(), screen.width(), screen.height() });
}

void ScreenSampler::redraw()
{
    const int percent = fraZoom->zoomPercent();
    const core::ZoomGeometry geometry
        = viewGeometry({ fraZoom->hsbZoomX->value(), fraZoom->vsbZoomY->value() }, m_drag->screenSize());
    const ZoomOverlay overlay { core::GridShown(percent, fraZoom->chkGrid->isChecked()), fraZoom->chkCross->isChecked(),
        m_average };
    Snapshot* snapshot = m_drag->snapshot();
    if (!snapshot) {
        fraZoom->picZoom->render(nullptr, {}, geometry, overlay);
        return;
    }
    const core::PixelRect& source = geometry.source;
    const Snapshot::Part part = snapshot->part(QRect(source.x, source.y, source.width, source.height));
    fraZoom->picZoom->render(&part.picture, part.origin, geometry, overlay);
}

void ScreenSampler::takeLiveColor()
{
    const QPoint point(fraZoom->hsbZoomX->value(), fraZoom->vsbZoomY->value());
    Snapshot* snapshot = m_drag->snapshot();
    const std::optional<core::ColorValue> value = snapshot ? snapshot->average(point, m_average) : std::nullopt;
    if (!value)
        return;
    // The snapshot's own pixels (the mean of the square the user chose), at every zoom level: a reduced view
    // no longer shows every pixel. The release records the colour; the moves before it do not.
    m_colors.take(m_targetColor2 ? ColorSlot::Two : ColorSlot::One, *value, WithoutRecord());
}

void ScreenSampler::cboZoom_Click()
{
    const double z = core::ZoomFactor(fraZoom->zoomPercent(), fraZoom->chkGrid->isChecked());
    const int side = fraZoom->picZoom->viewSize();
    const QSize screen = m_drag->screenSize();
    const std::pair<QScrollBar*, int> bars[]
        = { { fraZoom->vsbZoomY, screen.height() }, { fraZoom->hsbZoomX, screen.width() } };
    for (const auto& [bar, screenSize] : bars) {
        const QSignalBlocker quiet(bar);
        bar->setRange(0, std::max(0, screenSize - 1));
        bar->setPageStep(core::ZoomPageStep(side, z));
    }
    redraw();
}

void ScreenSampler::cmdClear_Click()
{
    m_drag->forgetSnapshot();
    fraZoom->vsbZoomY->setEnabled(false);
    fraZoom->hsbZoomX->setEnabled(false);
    redraw();
}

void ScreenSampler::picZoom_MouseDown(Qt::MouseButton button, QPoint viewPixel)
{
    const core::ColorValue value = fraZoom->picZoom->colorAt(viewPixel);
    if (button == Qt::LeftButton) {
        m_targetColor2 = false;
        m_colors.take(ColorSlot::One, value);
    } else if (button == Qt::RightButton) {
        m_targetColor2 = true;
        m_colors.take(ColorSlot::Two, value);
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
    if (!m_mini) {
        m_mini = new MiniPicker(m_colors, { m_services.screen, m_services.prompter, m_services.clipboard }, m_window);
        m_mini->setPressTakeOver([this](Qt::MouseButton button) { return takeOverPress(button, true); });
        followHeldPress(*m_mini->Picture1);
    }
    // A window without a parent would open on the primary monitor: it opens over the main window, on the
    // main window's monitor, wholly inside that monitor's free area.
    if (QScreen* screen = m_window.screen()) {
        m_mini->setScreen(screen);
        m_mini->adjustSize();
        QRect placed(QPoint(), m_mini->frameGeometry().size());
        placed.moveCenter(m_window.frameGeometry().center());
        const QRect free = screen->availableGeometry();
        placed.moveLeft(std::clamp(placed.left(), free.left(), std::max(free.left(), free.right() - placed.width())));
        placed.moveTop(std::clamp(placed.top(), free.top(), std::max(free.top(), free.bottom() - placed.height())));
        m_mini->move(placed.topLeft());
    }
    m_window.hide();
    m_mini->show();
    m_mini->raise();
    m_mini->activateWindow();
}

MiniPicker* ScreenSampler::miniPicker() const
{
    return m_mini;
}

FrozenPick* ScreenSampler::frozenPick() const
{
    return m_frozen;
}

void ScreenSampler::followHeldPress(TargetPicture& target)
{
    // The target keeps the mouse while the button that started the frozen pick is held on it.
    connect(&target, &TargetPicture::moved, this, [this](Qt::MouseButtons buttons) {
        if (m_frozen && m_frozenHeld && buttons != Qt::NoButton)
            m_frozen->followPointer(m_services.screen.cursorPosition());
    });
    connect(&target, &TargetPicture::released, this, [this](Qt::MouseButton button) {
        if (m_frozen && m_frozenHeld) {
            m_frozenHeld = false;
            m_frozen->pickWith(button);
        }
    });
}

QWidget* ScreenSampler::pickWindow() const
{
    if (m_forMini && m_mini)
        return m_mini;
    return &m_window;
}

bool ScreenSampler::takeOverPress(Qt::MouseButton button, bool forMini)
{
    const bool portal = m_services.screen.needsDesktopPortal();
    if (!m_freeze && !portal)
        return false;
    // A second press while a pick waits for its picture or runs changes nothing.
    if (m_frozen || m_portalBusy)
        return true;
    if (button != Qt::LeftButton && button != Qt::RightButton && button != Qt::MiddleButton)
        return true;
    m_forMini = forMini;
    if (!forMini) {
        m_targetColor2 = button == Qt::RightButton;
        m_colors.setCurrent(SlotOf(button));
    }
    if (!portal) {
        std::optional<QImage> snapshot = TakeSnapshot(m_services.screen);
        if (!snapshot) {
            Tell(m_services.prompter, pickWindow(), ScreenUnreadableMessage());
            return true;
        }
        showFrozen(std::move(*snapshot), button, true, m_services.screen.cursorPosition());
        return true;
    }
    m_portalBusy = true;
    const QPointer<ScreenSampler> self(this);
    m_services.portal.takeScreenshot([self, button](const platform::ScreenshotPortal::Result& result) {
        if (self)
            self->onPortalAnswer(result, button, false);
    });
    return true;
}

void ScreenSampler::onPortalAnswer(
    const platform::ScreenshotPortal::Result& result, Qt::MouseButton button, bool colorOnly)
{
    using Outcome = platform::ScreenshotPortal::Outcome;
    if (result.outcome == Outcome::Taken && result.color) {
        m_portalBusy = false;
        if (m_forMini && m_mini) {
            m_mini->takePick(*result.color, button);
            return;
        }
        m_colors.take(SlotOf(button), *result.color, button == Qt::MiddleButton ? WithoutRecord() : TakeOptions {});
        return;
    }
    if (result.outcome == Outcome::Taken && !result.image.isNull() && !colorOnly) {
        m_portalBusy = false;
        showFrozen(result.image, button, false, std::nullopt);
        return;
    }
    // A desktop whose portal picks colours but takes no screenshots still gives a single pick.
    if (!colorOnly && (result.outcome == Outcome::Failed || result.outcome == Outcome::Missing)) {
        const QPointer<ScreenSampler> self(this);
        m_services.portal.pickColor([self, button, first = result](const platform::ScreenshotPortal::Result& answer) {
            if (!self)
                return;
            // The message names what went wrong with the screenshot, unless the user refused the pick.
            if (answer.outcome == platform::ScreenshotPortal::Outcome::Taken
                || answer.outcome == platform::ScreenshotPortal::Outcome::Refused)
                self->onPortalAnswer(answer, button, true);
            else
                self->onPortalAnswer(first, button, true);
        });
        return;
    }
    m_portalBusy = false;
    Tell(m_services.prompter, pickWindow(), PortalMessage(result));
}

void ScreenSampler::showFrozen(QImage picture, Qt::MouseButton button, bool held, std::optional<QPoint> start)
{
    m_frozenHeld = held;
    m_frozen = new FrozenPick(std::move(picture), &m_services.screen);
    m_frozen->setAverage(m_average);
    m_frozen->setZoomPercent(fraZoom->zoomPercent());
    connect(m_frozen, &FrozenPick::zoomStepped, this, [this](int step) {
        stepZoom(step);
        if (m_frozen)
            m_frozen->setZoomPercent(fraZoom->zoomPercent());
    });
    if (m_forMini && m_mini) {
        // The mini picker's view takes the pick; the working colours wait for its "Done".
        connect(m_frozen, &FrozenPick::picked, this, [this](core::ColorValue color, Qt::MouseButton with) {
            if (m_mini && m_frozen)
                m_mini->takePick(m_frozen->picture(), m_frozen->point(), color, with);
            endFrozen();
        });
        connect(m_frozen, &FrozenPick::cancelled, this, &ScreenSampler::endFrozen);
        m_frozen->start(start.value_or(m_frozen->pointerPixel()), button);
        return;
    }
    m_before[0] = m_colors.color(ColorSlot::One);
    m_before[1] = m_colors.color(ColorSlot::Two);
    // The main window's magnifier shows the same picture, and keeps it after the pick as after a drag.
    m_drag->setSnapshot(m_frozen->picture());
    fraZoom->vsbZoomY->setEnabled(true);
    fraZoom->hsbZoomX->setEnabled(true);
    cboZoom_Click();

    connect(m_frozen, &FrozenPick::moved, this, [this, button](QPoint point, core::ColorValue color) {
        for (QScrollBar* bar : { fraZoom->vsbZoomY, fraZoom->hsbZoomX }) {
            const QSignalBlocker quiet(bar);
            bar->setValue(bar == fraZoom->hsbZoomX ? point.x() : point.y());
        }
        redraw();
        m_colors.take(SlotOf(button), color, WithoutRecord());
    });
    connect(m_frozen, &FrozenPick::picked, this, [this](core::ColorValue color, Qt::MouseButton with) {
        // Left or right picks and records that colour; the middle button only looks, as in a drag.
        if (with == Qt::LeftButton || with == Qt::RightButton) {
            m_targetColor2 = with == Qt::RightButton;
            m_colors.take(SlotOf(with), color);
        }
        endFrozen();
    });
    connect(m_frozen, &FrozenPick::cancelled, this, [this] {
        m_colors.take(ColorSlot::Two, m_before[1], WithoutRecord());
        m_colors.take(ColorSlot::One, m_before[0], WithoutRecord());
        m_colors.setCurrent(m_targetColor2 ? ColorSlot::Two : ColorSlot::One);
        endFrozen();
    });
    const QPoint point = start.value_or(m_frozen->pointerPixel());
    m_frozen->start(point, button);
}

void ScreenSampler::endFrozen()
{
    m_frozenHeld = false;
    if (m_frozen)
        m_frozen->deleteLater();
    m_frozen = nullptr;
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
    if (!m_wheelReady)
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
    // During a drag the arrows move the pointer by one device pixel (ten with Shift); the move that follows
    // samples there as a move of the mouse would.
    if (m_drag->dragging()) {
        const int step = (modifiers & Qt::ShiftModifier) ? 10 : 1;
        const std::pair<int, QPoint> arrows[] = { { Qt::Key_Left, QPoint(-step, 0) },
            { Qt::Key_Right, QPoint(step, 0) }, { Qt::Key_Up, QPoint(0, -step) }, { Qt::Key_Down, QPoint(0, step) } };
        for (const auto& [key, move] : arrows) {
            if (event.key() == key) {
                m_services.screen.placePointer(m_drag->point() + move);
                return true;
            }
        }
    }
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
        tell(kTabSecret);
        return true;
    case Qt::Key_ScrollLock:
        if (modifiers != all)
            return false;
        tell(kScrollLockSecret);
        return true;
    default:
        return false;
    }
}

void ScreenSampler::tell(const char* text)
{
    Tell(m_services.prompter, &m_window, { text, core::MessageIcon::None });
}

void ScreenSampler::toggleSel()
{
    if (m_sel) {
        tell(kSelOff);
        m_sel = false;
    } else {
        tell(kSelOn);
        m_sel = true;
    }
}

} // namespace tw
