#include "codes/Sliders.h"

#include "core/CodeChecks.h"
#include "core/Hsl.h"
#include "model/WorkingColors.h"
#include "platform/SettingsKeys.h"
#include "widgets/Prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace tw {

namespace {

    constexpr std::array<CodeField, 3> kChannels { CodeField::Red, CodeField::Green, CodeField::Blue };

    int ChannelOf(core::Rgb rgb, CodeField field)
    {
        return field == CodeField::Red ? rgb.red : field == CodeField::Green ? rgb.green : rgb.blue;
    }

    std::int16_t& PartOf(core::Hsl& hsl, CodeField field)
    {
        return field == CodeField::Hue ? hsl.hue : field == CodeField::Sat ? hsl.sat : hsl.lum;
    }

    core::HslPart HslPartOf(CodeField field)
    {
        return field == CodeField::Hue ? core::HslPart::Hue
            : field == CodeField::Sat  ? core::HslPart::Sat
                                       : core::HslPart::Lum;
    }

    QScrollBar* MakeSlide(QWidget* parent, const char* name)
    {
        auto* slide = new QScrollBar(Qt::Horizontal, parent);
        slide->setObjectName(QString::fromLatin1(name));
        slide->setRange(0, 255);
        slide->setSingleStep(1);
        slide->setPageStep(16);
        slide->setMinimumWidth(255);
        // A slide takes the focus when used, so that leaving it records the colour.
        slide->setFocusPolicy(Qt::StrongFocus);
        slide->setTracking(true);
        return slide;
    }

    // The whole number a field shows, halves rounded to even; nothing for a text that is none. A spin button
    // steps what its field shows, an entry not yet confirmed included. Kept in a small range, so that a typed
    // 1e300 cannot overflow the arithmetic after it.
    std::optional<int> FieldInteger(const QLineEdit* edit)
    {
        const auto number = core::ParseFieldNumber(edit->text().toStdString());
        if (!number)
            return std::nullopt;
        return core::RoundHalfEven(std::clamp(*number, -100000.0, 100000.0));
    }

    QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text)
    {
        auto* label = new QLabel(text, parent);
        label->setObjectName(QString::fromLatin1(name));
        return label;
    }

} // namespace

Sliders::Sliders(
    WorkingColors& colors, CodeFrame& frame1, CodeFrame& frame2, platform::Prompter& prompter, QWidget& window)
    : QObject(&window)
    , m_colors(colors)
    , m_frame1(frame1)
    , m_frame2(frame2)
    , m_prompter(prompter)
    , m_window(window)
{
    setObjectName(QStringLiteral("sliders"));
    m_settle = new QTimer(this);
    m_settle->setObjectName(QStringLiteral("Timer1"));
    m_settle->setInterval(kSettleInterval);
    connect(m_settle, &QTimer::timeout, this, &Sliders::onTimer1);
    m_message = new QTimer(this);
    m_message->setObjectName(QStringLiteral("tmrMsg"));
    m_message->setInterval(kMessageDelay);
    m_message->setSingleShot(true);
    connect(m_message, &QTimer::timeout, this, &Sliders::onMessageTimer);

    for (const ColorSlot slot : { ColorSlot::One, ColorSlot::Two }) {
        for (const CodeField field :
            { CodeField::Red, CodeField::Green, CodeField::Blue, CodeField::Hue, CodeField::Sat, CodeField::Lum }) {
            QScrollBar* spin = frame(slot).spinButton(field);
            m_spins.insert(spin, { slot, field });
            spin->installEventFilter(this);
            connect(spin, &QScrollBar::valueChanged, this, [this, spin](int value) { onSpinChanged(spin, value); });
            // Up and Down in the field step it as its spin button does, as in every spin box.
            QLineEdit* edit = frame(slot).field(field);
            m_fieldKeys.insert(edit, { slot, field });
            edit->installEventFilter(this);
        }
    }
    buildFrame(window);
    connect(&colors, &WorkingColors::changed, this, [this](ColorSlot slot) {
        if (slot == m_colors.current())
            showCurrent();
    });
    connect(&colors, &WorkingColors::currentChanged, this, &Sliders::showCurrent);
}

void Sliders::buildFrame(QWidget& window)
{
    m_expand = new QCheckBox(tr("Expand"), &window);
    m_expand->setObjectName(QStringLiteral("Check1"));
    // The caption and the selector share the frame's first row: "Precision RGB Color Slides for [Color #1]".
    m_frame = new QGroupBox(&window);
    m_frame->setObjectName(QStringLiteral("Frame3"));
    auto* grid = new QGridLayout(m_frame);
    auto* header = new QHBoxLayout;
    header->addWidget(MakeLabel(m_frame, "lblSlidesFor", tr("Precision RGB Color Slides for")));
    m_combo = new QComboBox(m_frame);
    m_combo->setObjectName(QStringLiteral("Combo1"));
    m_combo->setAccessibleName(tr("Precision RGB Color Slides for"));
    m_combo->addItem(tr("Color #1"));
    m_combo->addItem(tr("Color #2"));
    header->addWidget(m_combo);
    header->addStretch();
    grid->addLayout(header, 0, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    const char* labelNames[] = { "lblRed", "lblGreen", "lblBlue" };
    const char* slideNames[] = { "hsbRed", "hsbGreen", "hsbBlue" };
    const QString captions[] = { tr("Red:"), tr("Green:"), tr("Blue:") };
    for (std::size_t i = 0; i < m_slides.size(); ++i) {
        m_slideLabels[i] = MakeLabel(m_frame, labelNames[i], captions[i]);
        m_slides[i] = MakeSlide(m_frame, slideNames[i]);
        m_slides[i]->setAccessibleName(tr("Precision slide, %1").arg(captions[i].chopped(1)));
        grid->addWidget(m_slideLabels[i], static_cast<int>(i) + 1, 0);
        grid->addWidget(m_slides[i], static_cast<int>(i) + 1, 1);
        m_slides[i]->installEventFilter(this);
        connect(m_slides[i], &QScrollBar::valueChanged, this, &Sliders::onSlideMoved);
    }
    m_frame->hide();

    // showCurrent writes the selector with its signals blocked: what arrives here is a choice of the user.
    connect(m_combo, &QComboBox::currentIndexChanged, this,
        [this](int index) { m_colors.setCurrent(SlotOfListIndex(index)); });
    connect(m_expand, &QCheckBox::toggled, this, [this](bool expanded) {
        m_frame->setVisible(expanded);
        Q_EMIT expandedChanged(expanded);
    });
}

void Sliders::restoreSettings(const platform::SettingsStore& settings)
{
    m_expand->setChecked(settings.readInt(keys::kMain, keys::kExpand, 0) == 1);
}

void Sliders::saveSettings(QList<platform::SettingsChange>& changes) const
{
    changes.append(platform::IntSetting(keys::kExpand, m_expand->isChecked() ? 1 : 0));
}

void Sliders::showCurrent()
{
    const ColorSlot slot = m_colors.current();
    {
        const QSignalBlocker quiet(m_combo);
        m_combo->setCurrentIndex(ListIndexOf(slot));
    }
    const core::Rgb rgb = core::SplitColor(m_colors.color(slot));
    for (std::size_t i = 0; i < m_slides.size(); ++i) {
        {
            // What the program shows is no move of the thumb.
            const QSignalBlocker quiet(m_slides[i]);
            m_slides[i]->setValue(ChannelOf(rgb, kChannels[i]));
        }
        QPalette palette = m_slideLabels[i]->palette();
        palette.setColor(QPalette::WindowText, frame(slot).channelColor(kChannels[i]));
        m_slideLabels[i]->setPalette(palette);
    }
}

bool Sliders::eventFilter(QObject* watched, QEvent* event)
{
    if (const auto key = m_fieldKeys.constFind(watched); key != m_fieldKeys.cend()) {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int pressed = static_cast<QKeyEvent*>(event)->key();
        if (pressed != Qt::Key_Up && pressed != Qt::Key_Down)
            return false;
        step(key->slot, key->field, pressed == Qt::Key_Up ? +1 : -1);
        return true;
    }
    if (m_spins.contains(watched)) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_spinHeld = true;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            m_spinHeld = false;
            if (!m_pendingMessage.isEmpty() && !m_message->isActive())
                m_message->start();
        }
        return false;
    }
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Leaving a slide ends its run: the colour it acted on is recorded. A message box or menu coming up
        // is no leaving.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            m_colors.record(m_colors.current());
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
    core::Rgb rgb = core::SplitColor(m_colors.color(slot));
    int& channel = field == CodeField::Red ? rgb.red : field == CodeField::Green ? rgb.green : rgb.blue;
    const int shown = FieldInteger(frame(slot).field(field)).value_or(channel);
    const core::RgbFieldCheck check = core::CheckRgbField(std::to_string(shown + delta));
    if (!check.value) {
        // Past 0 or 255: the colour stays and the message follows once the click is through.
        m_colors.setCurrent(slot);
        if (!check.messages.empty())
            deferMessage(QString::fromStdString(check.messages.front().text));
        return;
    }
    channel = *check.value;
    m_colors.take(slot, core::MakeColor(rgb), WithoutRecord());
    noteChange(slot);
}

void Sliders::stepHsl(ColorSlot slot, CodeField field, int delta)
{
    const int maximum = field == CodeField::Hue ? 239 : 240;
    // The three parts the fields show; a field that holds no number keeps the colour's own part.
    core::Hsl hsl = m_colors.hsl(slot);
    for (const CodeField each : { CodeField::Hue, CodeField::Sat, CodeField::Lum }) {
        if (const auto shown = FieldInteger(frame(slot).field(each)))
            PartOf(hsl, each) = static_cast<std::int16_t>(std::clamp(*shown, -1000, 1000));
    }
    std::int16_t& part = PartOf(hsl, field);
    // A field that holds no number, or one outside its range (a Hue of 240, which the conversion can give),
    // does not step.
    if (!FieldInteger(frame(slot).field(field)) || part < 0 || part > maximum)
        return;
    const core::Rgb rgb = core::SplitColor(m_colors.color(slot));
    const std::string refusal
        = core::GreyRefusalText(HslPartOf(field), core::GreyLimitOf(rgb.red, rgb.green, rgb.blue));
    if (!refusal.empty()) {
        deferMessage(QString::fromStdString(refusal));
        return;
    }
    const int stepped = part + delta;
    if (stepped < 0 || stepped > maximum) {
        // The end of the range: the field shows its limit and the colour stays.
        m_colors.setCurrent(slot);
        frame(slot).field(field)->setText(QString::number(std::clamp(stepped, 0, maximum)));
        return;
    }
    part = static_cast<std::int16_t>(stepped);
    // The HSL fields keep the stepped numbers, so stepping walks evenly although the colour is rounded to RGB.
    m_colors.take(slot, core::HslToRgb(hsl), ShowingHsl(hsl, Record::No));
    noteChange(slot);
}

void Sliders::onSlideMoved()
{
    const ColorSlot slot = m_colors.current();
    m_colors.take(
        slot, core::MakeColor(m_slides[0]->value(), m_slides[1]->value(), m_slides[2]->value()), WithoutRecord());
    noteChange(slot);
}

void Sliders::noteChange(ColorSlot slot)
{
    ++m_changes;
    m_recordSlot = slot;
    if (!m_settle->isActive())
        m_settle->start();
}

void Sliders::onTimer1()
{
    if (m_changes == m_seenChanges) {
        m_settle->stop();
        m_colors.record(m_recordSlot);
        return;
    }
    m_seenChanges = m_changes;
}

void Sliders::deferMessage(const QString& text)
{
    m_pendingMessage = text;
    if (!m_message->isActive())
        m_message->start();
}

void Sliders::onMessageTimer()
{
    // While the spin button is still held its release restarts the timer. The button state itself is asked
    // too, in case the release went elsewhere (the spin button was hidden under the pointer).
    m_spinHeld = m_spinHeld && QGuiApplication::mouseButtons() != Qt::NoButton;
    if (m_spinHeld || m_pendingMessage.isEmpty())
        return;
    const QString text = std::exchange(m_pendingMessage, QString());
    Tell(m_prompter, &m_window, { text.toStdString(), core::MessageIcon::Information });
}

} // namespace tw
