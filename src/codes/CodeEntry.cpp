#include "codes/CodeEntry.h"

#include "codes/FieldNumbers.h"
#include "core/CodeChecks.h"
#include "core/Hsl.h"
#include "core/Notations.h"
#include "mainwindow/MainWindow.h"
#include "platform/SettingsStore.h"
#include "platform/SystemColors.h"

#include <QAction>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

namespace tw {

namespace {

    const QString kMain = QStringLiteral("Main");

    // The code a hex field shows for a colour.
    std::string OwnCode(CodeField field, core::ColorValue color)
    {
        const std::string vb = core::FormatVbHex(color);
        switch (field) {
        case CodeField::Html:
            return core::FormatHtmlHex(core::SplitColor(color));
        case CodeField::Vb:
            return vb;
        case CodeField::Delphi:
            return core::FormatDelphiHex(vb);
        default:
            return core::FormatCppHex(vb);
        }
    }

    // Focus that moves because another window (a message box, a menu, another program) comes up is no
    // leaving of the field: the field keeps its focus period and its entry.
    bool IsWindowSwitch(Qt::FocusReason reason)
    {
        return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    }

} // namespace

CodeEntry::CodeEntry(MainWindow& window)
    : m_window(window)
    , m_notify(window.action("mnuNotify"))
    , m_high(window.action("mnuHigh"))
{
    for (const ColorSlot slot : { ColorSlot::One, ColorSlot::Two }) {
        for (int i = 0; i < kCodeFieldCount; ++i) {
            const auto field = static_cast<CodeField>(i);
            QLineEdit* edit = window.codeFrame(slot)->field(field);
            m_places.insert(edit, { slot, field });
            edit->installEventFilter(this);
            // What the program writes into the field that has the focus (a refresh after a palette or
            // magnifier click, a spin step) is the field's value now: leaving it without an entry keeps that,
            // not the number from before. Typing marks the text modified; a programmatic write does not.
            connect(edit, &QLineEdit::textChanged, this, [this, edit](const QString& text) {
                if (edit == m_owner && !edit->isModified())
                    m_window.setFocusText(text);
            });
        }
    }
    // Both options start checked, as on a first start; the settings override them.
    for (QAction* option : { m_notify, m_high }) {
        option->setEnabled(true);
        option->setChecked(true);
    }
}

CodeEntry::~CodeEntry()
{
    for (auto it = m_places.cbegin(); it != m_places.cend(); ++it)
        it.key()->removeEventFilter(this);
}

bool CodeEntry::notifyCorrections() const
{
    return m_notify->isChecked();
}

bool CodeEntry::highlight() const
{
    return m_high->isChecked();
}

void CodeEntry::restoreSettings()
{
    const platform::SettingsStore& store = m_window.services().settings;
    m_notify->setChecked(store.readBool(kMain, QStringLiteral("notify"), true));
    m_high->setChecked(store.readBool(kMain, QStringLiteral("high"), true));
}

void CodeEntry::saveSettings(QList<platform::SettingsChange>& changes) const
{
    changes.append(platform::BoolSetting(QStringLiteral("notify"), notifyCorrections()));
    changes.append(platform::BoolSetting(QStringLiteral("high"), highlight()));
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
            // The field now shows what was confirmed and that is its focus text: typing on and then leaving
            // by mouse goes back to it, so the field never keeps a text its colour does not have.
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
    m_window.setFocusText(edit->text());
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
        restore(edit);
    m_confirmed = false;
    m_owner = nullptr;
}

void CodeEntry::restore(QLineEdit* edit)
{
    if (edit->text() != m_window.focusText())
        edit->setText(m_window.focusText());
}

void CodeEntry::confirm(ColorSlot slot, CodeField field)
{
    m_confirmed = true;
    if (IsRgbField(field) || IsHslField(field))
        checkRgbOrHsl(slot, field);
    else
        checkHex(slot, field);
    // What the field shows now is the colour; leaving the field later without confirming again goes back to
    // this, not to a text from before the entry.
    m_window.setFocusText(m_window.codeFrame(slot)->field(field)->text());
}

void CodeEntry::checkRgbOrHsl(ColorSlot slot, CodeField field)
{
    QLineEdit* edit = m_window.codeFrame(slot)->field(field);
    if (edit->text() == m_window.focusText())
        return;
    if (IsRgbField(field)) {
        m_window.applyRgbField(slot, field);
        // The colour is made current before the refresh, which writes into the current colour's fields: a
        // refused entry must not put Color #1's numbers into Color #2's fields.
        m_window.setCurrentColor(slot);
        m_window.refresh(slot);
    } else {
        applyHslField(slot, field);
    }
    m_window.setCurrentColorFlag(slot);
    m_window.applyRgbFields(slot);
    m_window.History(HistoryNumberOf(slot));
}

void CodeEntry::applyHslField(ColorSlot slot, CodeField field)
{
    if (m_window.refreshGuard())
        return;
    CodeFrame* frame = m_window.codeFrame(slot);
    QLineEdit* edit = frame->field(field);
    const auto channel = [frame](CodeField each) { return FieldInteger(frame->field(each)).value_or(-1); };
    const core::GreyLimit limit
        = core::GreyLimitOf(channel(CodeField::Red), channel(CodeField::Green), channel(CodeField::Blue));
    const core::HslFieldCheck check = core::CheckHslField(PartOf(field), edit->text().toStdString(), limit);
    if (!check.value) {
        for (const core::Message& message : check.messages)
            m_window.showMessage(message);
        restore(edit);
        return;
    }
    // The other two parts come from their fields; one that holds no number keeps the colour's own part.
    const core::Hsl shown = core::RgbToHsl(m_window.color(slot));
    const auto part = [&](CodeField each, std::int16_t fallback) {
        const int value = each == field ? *check.value : FieldInteger(frame->field(each)).value_or(fallback);
        return static_cast<std::int16_t>(std::clamp(value, -1000, 1000));
    };
    const core::Hsl hsl { part(CodeField::Hue, shown.hue), part(CodeField::Sat, shown.sat),
        part(CodeField::Lum, shown.lum) };
    m_window.setCurrentColor(slot);
    m_window.setSwatchColor(slot, core::HslToRgb(hsl));
    // The HSL fields keep what was entered; they are not recomputed from the colour rounded to RGB.
    m_window.setHslHold(true);
    m_window.refresh(slot);
    m_window.setHslHold(false);
    // Making the colour current may have refreshed the fields from the old colour: they show the triple used.
    frame->field(CodeField::Hue)->setText(QString::number(hsl.hue));
    frame->field(CodeField::Sat)->setText(QString::number(hsl.sat));
    frame->field(CodeField::Lum)->setText(QString::number(hsl.lum));
}

void CodeEntry::checkHex(ColorSlot slot, CodeField field)
{
    QLineEdit* edit = m_window.codeFrame(slot)->field(field);
    const std::string text = edit->text().toStdString();
    // The field still shows the colour's own code, as the program wrote it: nothing was entered, and checking
    // would refuse the program's own text for black in VB hex (&H0&, whose digits are all zeros).
    if (edit->text() == m_window.focusText() && text == OwnCode(field, m_window.color(slot)))
        return;
    const auto notify = notifyCorrections() ? core::NotifyCorrections::On : core::NotifyCorrections::Off;
    core::HexCodeCheck check;
    switch (field) {
    case CodeField::Html:
        check = core::CheckHtmlHex(text, notify);
        break;
    case CodeField::Vb:
        check = core::CheckVbHex(
            text, notify, [this](int index) { return m_window.services().systemColors.systemColor(index); });
        break;
    case CodeField::Delphi:
        check = core::CheckDelphiHex(text, notify);
        break;
    default:
        check = core::CheckCppHex(text, notify);
        break;
    }
    for (const core::Message& message : check.messages)
        m_window.showMessage(message);
    if (!check.color) {
        restore(edit);
        return;
    }
    edit->setText(QString::fromStdString(check.fieldText));
    m_window.setCurrentColor(slot);
    m_window.setSwatchColor(slot, *check.color);
    m_window.refresh(slot);
    m_window.setCurrentColorFlag(slot);
    m_window.applyRgbFields(slot);
    m_window.History(HistoryNumberOf(slot));
}

} // namespace tw
