#include "codes/CodeEntry.h"

#include "core/CodeChecks.h"
#include "core/Hsl.h"
#include "model/WorkingColors.h"
#include "platform/SettingsKeys.h"
#include "platform/SystemColors.h"
#include "widgets/Prompts.h"

#include <QAction>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

namespace tw {

namespace {

    // Focus that moves because another window (a message box, a menu, another program) comes up is no
    // leaving of the field: the field keeps its focus period and its entry.
    bool IsWindowSwitch(Qt::FocusReason reason)
    {
        return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    }

    core::HslPart PartOf(CodeField field)
    {
        return field == CodeField::Hue ? core::HslPart::Hue
            : field == CodeField::Sat  ? core::HslPart::Sat
                                       : core::HslPart::Lum;
    }

    int& ChannelOf(core::Rgb& rgb, CodeField field)
    {
        return field == CodeField::Red ? rgb.red : field == CodeField::Green ? rgb.green : rgb.blue;
    }

    std::int16_t& PartOf(core::Hsl& hsl, CodeField field)
    {
        return field == CodeField::Hue ? hsl.hue : field == CodeField::Sat ? hsl.sat : hsl.lum;
    }

} // namespace

CodeEntry::CodeEntry(WorkingColors& colors, CodeFrame& frame1, CodeFrame& frame2, Menu menu,
    platform::Prompter& prompter, platform::SystemColors& systemColors, QWidget& window)
    : QObject(&window)
    , m_colors(colors)
    , m_frame1(frame1)
    , m_frame2(frame2)
    , m_menu(menu)
    , m_prompter(prompter)
    , m_systemColors(systemColors)
    , m_window(window)
{
    for (const ColorSlot slot : { ColorSlot::One, ColorSlot::Two }) {
        for (int i = 0; i < kCodeFieldCount; ++i) {
            const auto field = static_cast<CodeField>(i);
            QLineEdit* edit = frame(slot).field(field);
            m_places.insert(edit, { slot, field });
            edit->installEventFilter(this);
        }
    }
    // Both options start checked, as on a first start; the settings override them.
    for (QAction* option : { m_menu.notify, m_menu.highlight }) {
        option->setEnabled(true);
        option->setChecked(true);
    }
}

bool CodeEntry::notifyCorrections() const
{
    return m_menu.notify->isChecked();
}

bool CodeEntry::highlight() const
{
    return m_menu.highlight->isChecked();
}

void CodeEntry::restoreSettings(const platform::SettingsStore& settings)
{
    m_menu.notify->setChecked(settings.readBool(keys::kMain, keys::kNotify, true));
    m_menu.highlight->setChecked(settings.readBool(keys::kMain, keys::kHighlight, true));
}

void CodeEntry::saveSettings(QList<platform::SettingsChange>& changes) const
{
    changes.append(platform::BoolSetting(keys::kNotify, notifyCorrections()));
    changes.append(platform::BoolSetting(keys::kHighlight, highlight()));
}

bool CodeEntry::eventFilter(QObject* watched, QEvent* event)
{
    const auto place = m_places.constFind(watched);
    if (place == m_places.cend())
        return false;
    auto* edit = static_cast<QLineEdit*>(watched);
    switch (event->type()) {
    case QEvent::FocusIn:
        onFocusIn(edit, static_cast<QFocusEvent*>(event)->reason());
        return false;
    case QEvent::FocusOut:
        if (!IsWindowSwitch(static_cast<QFocusEvent*>(event)->reason()) && edit == m_owner)
            endFocusPeriod(edit);
        return false;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            confirm(place->slot, place->field);
            // The field now shows what was confirmed: typing on and then leaving by mouse goes back to it.
            m_confirmed = false;
            return true;
        }
        // Tab confirms on its way out: the check (and its messages) runs while the field still has the focus,
        // then the key moves the focus on as usual.
        const bool plainTab = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && plainTab)
            confirm(place->slot, place->field);
        return false;
    }
    default:
        return false;
    }
}

void CodeEntry::onFocusIn(QLineEdit* edit, Qt::FocusReason reason)
{
    // Back from a message box or another window: the same focus period goes on.
    if (edit == m_owner)
        return;
    // The focus may have moved while the window was inactive (a Tab right after a message box, before the
    // window manager gave the window back), and then no field was told it lost it: that field's period ends
    // now.
    if (m_owner)
        endFocusPeriod(m_owner);
    m_owner = edit;
    m_confirmed = false;
    // The selection is made once the click or key that brought the focus is through, or it would undo it.
    // The line edit itself selects everything when tabbed into; without the option that is taken back.
    const bool tabbed = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
    if (highlight() && !edit->text().isEmpty())
        QTimer::singleShot(0, edit, [edit] {
            if (edit->hasFocus())
                edit->selectAll();
        });
    else if (tabbed)
        QTimer::singleShot(0, edit, [edit] { edit->deselect(); });
}

void CodeEntry::endFocusPeriod(QLineEdit* edit)
{
    if (!m_confirmed)
        restore(m_places.value(edit).slot);
    m_confirmed = false;
    m_owner = nullptr;
}

void CodeEntry::restore(ColorSlot slot)
{
    frame(slot).show(m_colors.notations(slot));
}

void CodeEntry::tell(const std::vector<core::Message>& messages)
{
    for (const core::Message& message : messages)
        Tell(m_prompter, &m_window, message);
}

void CodeEntry::confirm(ColorSlot slot, CodeField field)
{
    m_confirmed = true;
    // A field that still shows the colour's own text holds no entry: checking it would refuse the program's
    // own text where a check is stricter than what the program writes, and would record the colour again.
    const QString text = frame(slot).field(field)->text();
    if (text == QString::fromStdString(NotationOf(m_colors.notations(slot), field)))
        return;
    if (IsRgbField(field))
        checkRgb(slot, field);
    else if (IsHslField(field))
        checkHsl(slot, field);
    else
        checkHex(slot, field);
}

void CodeEntry::checkRgb(ColorSlot slot, CodeField field)
{
    const core::RgbFieldCheck check = core::CheckRgbField(frame(slot).field(field)->text().toStdString());
    if (!check.value) {
        tell(check.messages);
        restore(slot);
        // The entry ends as an accepted one does: its colour is current and recorded as it now is (a repeat
        // of the newest entry is not stored again).
        m_colors.setCurrent(slot);
        m_colors.record(slot);
        return;
    }
    // The field sets its own channel; the other two are the colour's.
    core::Rgb rgb = core::SplitColor(m_colors.color(slot));
    ChannelOf(rgb, field) = *check.value;
    m_colors.take(slot, core::MakeColor(rgb));
}

void CodeEntry::checkHsl(ColorSlot slot, CodeField field)
{
    const core::Rgb rgb = core::SplitColor(m_colors.color(slot));
    const core::GreyLimit limit = core::GreyLimitOf(rgb.red, rgb.green, rgb.blue);
    const core::HslFieldCheck check
        = core::CheckHslField(PartOf(field), frame(slot).field(field)->text().toStdString(), limit);
    if (!check.value) {
        tell(check.messages);
        restore(slot);
        m_colors.setCurrent(slot);
        m_colors.record(slot);
        return;
    }
    // The other two parts are the ones the fields show; the fields keep what was entered rather than what the
    // colour, rounded to RGB, would give back.
    core::Hsl hsl = m_colors.hsl(slot);
    PartOf(hsl, field) = static_cast<std::int16_t>(std::clamp(*check.value, -1000, 1000));
    m_colors.take(slot, core::HslToRgb(hsl), ShowingHsl(hsl));
}

void CodeEntry::checkHex(ColorSlot slot, CodeField field)
{
    const std::string text = frame(slot).field(field)->text().toStdString();
    const auto notify = notifyCorrections() ? core::NotifyCorrections::On : core::NotifyCorrections::Off;
    core::HexCodeCheck check;
    switch (field) {
    case CodeField::Html:
        check = core::CheckHtmlHex(text, notify);
        break;
    case CodeField::Vb:
        check = core::CheckVbHex(text, notify, [this](int index) { return m_systemColors.systemColor(index); });
        break;
    case CodeField::Delphi:
        check = core::CheckDelphiHex(text, notify);
        break;
    default:
        check = core::CheckCppHex(text, notify);
        break;
    }
    tell(check.messages);
    if (!check.color) {
        restore(slot);
        return;
    }
    m_colors.take(slot, *check.color);
}

} // namespace tw
