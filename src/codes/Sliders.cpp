#include "codes/Sliders.h"

#include "codes/FieldNumbers.h"
#include "core/CodeChecks.h"
#include "core/Hsl.h"
#include "mainwindow/MainWindow.h"
#include "platform/SettingsStore.h"

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace tw {

namespace {

    const QString kMain = QStringLiteral("Main");

} // namespace

Sliders::Sliders(MainWindow& window)
    : m_window(window)
{
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &Sliders::onTimer1);
    tmrMsg = new QTimer(this);
    tmrMsg->setObjectName(QStringLiteral("tmrMsg"));
    tmrMsg->setInterval(250);
    tmrMsg->setSingleShot(true);
    connect(tmrMsg, &QTimer::timeout, this, &Sliders::onMessageTimer);

    for (const ColorSlot slot : { ColorSlot::One, ColorSlot::Two }) {
        for (const CodeField field :
            { CodeField::Red, CodeField::Green, CodeField::Blue, CodeField::Hue, CodeField::Sat, CodeField::Lum }) {
            QScrollBar* spin = window.codeFrame(slot)->spinButton(field);
            m_spins.insert(spin, { slot, field });
            spin->installEventFilter(this);
            connect(spin, &QScrollBar::valueChanged, this, [this, spin](int value) { onSpinChanged(spin, value); });
        }
    }
    m_slides = { window.hsbRed, window.hsbGreen, window.hsbBlue };
    for (QScrollBar* slide : m_slides) {
        // A slide takes the focus when used, so that leaving it records the colour.
        slide->setFocusPolicy(Qt::StrongFocus);
        slide->setTracking(true);
        slide->installEventFilter(this);
        connect(slide, &QScrollBar::valueChanged, this, &Sliders::onSlideMoved);
    }
}

Sliders::~Sliders()
{
    for (auto it = m_spins.cbegin(); it != m_spins.cend(); ++it)
        it.key()->removeEventFilter(this);
    for (QScrollBar* slide : m_slides)
        slide->removeEventFilter(this);
}

void Sliders::restoreSettings()
{
    const int expand = m_window.services().settings.readInt(kMain, QStringLiteral("check1"), 0);
    m_window.Check1->setChecked(expand == 1);
}

void Sliders::saveSettings(QList<platform::SettingsChange>& changes) const
{
    changes.append(platform::IntSetting(QStringLiteral("check1"), m_window.Check1->isChecked() ? 1 : 0));
}

bool Sliders::eventFilter(QObject* watched, QEvent* event)
{
    if (m_spins.contains(watched)) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_spinHeld = true;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            m_spinHeld = false;
            if (!m_pendingMessage.isEmpty() && !tmrMsg->isActive())
                tmrMsg->start();
        }
        return false;
    }
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Leaving a slide ends its run: the colour it acted on is recorded. A message box or menu coming up
        // is no leaving.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            m_window.History(HistoryNumberOf(m_window.currentColor()));
    }
    return false;
}

void Sliders::putSpinBack(QScrollBar* spin)
{
    m_spinnerGuard = true;
    spin->setValue(0);
    m_spinnerGuard = false;
}

void Sliders::onSpinChanged(QScrollBar* spin, int value)
{
    if (m_spinnerGuard || value == 0)
        return;
    const Spin where = m_spins.value(spin);
    putSpinBack(spin);
    // A scroll bar's upper arrow (and the wheel turned up) lowers its value; for a spin button it steps up.
    step(where.slot, where.field, -value);
}

void Sliders::step(ColorSlot slot, CodeField field, int delta)
{
    if (IsRgbField(field))
        stepRgb(slot, field, delta);
    else
        stepHsl(slot, field, delta);
}

void Sliders::stepRgb(ColorSlot slot, CodeField field, int delta)
{
    QLineEdit* edit = m_window.codeFrame(slot)->field(field);
    // The colour is made current first: making it current refreshes its fields, which would otherwise wipe
    // out the step just written.
    m_window.setCurrentColor(slot);
    const QString before = edit->text();
    const core::Rgb rgb = core::SplitColor(m_window.color(slot));
    const int channel = field == CodeField::Red ? rgb.red : field == CodeField::Green ? rgb.green : rgb.blue;
    const int number = core::RoundHalfEven(FieldNumber(edit).value_or(channel));
    const QString stepped = QString::number(number + delta);
    const core::RgbFieldCheck check = core::CheckRgbField(stepped.toStdString());
    if (!check.value) {
        // Past 0 or 255: the field keeps its number and the message follows once the click is through.
        if (!check.messages.empty())
            deferMessage(QString::fromStdString(check.messages.front().text));
        return;
    }
    edit->setText(stepped);
    if (!m_window.applyRgbField(slot, field)) {
        edit->setText(before);
        return;
    }
    m_window.refresh(slot);
    noteChange(slot);
}

void Sliders::stepHsl(ColorSlot slot, CodeField field, int delta)
{
    CodeFrame* frame = m_window.codeFrame(slot);
    QLineEdit* edit = frame->field(field);
    const int maximum = field == CodeField::Hue ? 239 : 240;
    const auto number = FieldNumber(edit);
    // A field outside its range (a Hue of 240, which the conversion can give) does not step.
    if (!number || *number < 0 || *number > maximum)
        return;
    const auto channel = [frame](CodeField each) {
        const auto value = FieldNumber(frame->field(each));
        return value ? core::RoundHalfEven(*value) : -1;
    };
    const std::string refusal = core::GreyRefusalText(
        PartOf(field), core::GreyLimitOf(channel(CodeField::Red), channel(CodeField::Green), channel(CodeField::Blue)));
    if (!refusal.empty()) {
        deferMessage(QString::fromStdString(refusal));
        return;
    }
    m_window.setCurrentColor(slot);
    const int stepped = core::RoundHalfEven(*number) + delta;
    if (stepped < 0 || stepped > maximum) {
        // The end of the range: the field shows its limit and the colour stays.
        edit->setText(QString::number(std::clamp(stepped, 0, maximum)));
        return;
    }
    edit->setText(QString::number(stepped));
    const core::Hsl shown = core::RgbToHsl(m_window.color(slot));
    const auto part = [&](CodeField each, std::int16_t fallback) {
        const auto value = each == field ? std::optional<double>(stepped) : FieldNumber(frame->field(each));
        return static_cast<std::int16_t>(value ? std::clamp(core::RoundHalfEven(*value), -1000, 1000) : fallback);
    };
    const core::Hsl hsl { part(CodeField::Hue, shown.hue), part(CodeField::Sat, shown.sat),
        part(CodeField::Lum, shown.lum) };
    m_window.setSwatchColor(slot, core::HslToRgb(hsl));
    // The HSL fields keep the stepped numbers, so stepping walks evenly although the colour is rounded to RGB.
    m_window.setHslHold(true);
    m_window.refresh(slot);
    m_window.setHslHold(false);
    m_window.setCurrentColorFlag(slot);
    m_window.applyRgbFields(slot);
    noteChange(slot);
}

void Sliders::onSlideMoved()
{
    if (m_window.refreshGuard())
        return;
    const ColorSlot slot = m_window.currentColor();
    m_window.setSwatchColor(
        slot, core::MakeColor(m_window.hsbRed->value(), m_window.hsbGreen->value(), m_window.hsbBlue->value()));
    // The refresh writes the slide values into the fields of the current colour.
    m_window.refresh(slot);
    m_window.setCurrentColorFlag(slot);
    m_window.applyRgbFields(slot);
    noteChange(slot);
}

void Sliders::noteChange(ColorSlot slot)
{
    ++m_changes;
    m_recordSlot = slot;
    if (!Timer1->isActive())
        Timer1->start();
}

void Sliders::onTimer1()
{
    if (m_changes == m_seenChanges) {
        Timer1->stop();
        m_window.History(HistoryNumberOf(m_recordSlot));
        return;
    }
    m_seenChanges = m_changes;
}

void Sliders::deferMessage(const QString& text)
{
    m_pendingMessage = text;
    if (!tmrMsg->isActive())
        tmrMsg->start();
}

void Sliders::onMessageTimer()
{
    // While the spin button is still held its release restarts the timer. The button state itself is asked
    // too, in case the release went elsewhere (the spin button was hidden under the pointer).
    m_spinHeld = m_spinHeld && QGuiApplication::mouseButtons() != Qt::NoButton;
    if (m_spinHeld || m_pendingMessage.isEmpty())
        return;
    const QString text = std::exchange(m_pendingMessage, QString());
    m_window.showMessage({ text.toStdString(), core::MessageIcon::Information });
}

} // namespace tw
