#pragma once
#include "core/Messages.h"
#include "model/ColorSlot.h"
#include "platform/SettingsStore.h"
#include "widgets/CodeFrame.h"

#include <QHash>
#include <QObject>

#include <vector>

class QAction;
class QLineEdit;

namespace tw::platform {
class Prompter;
class SystemColors;
} // namespace tw::platform

namespace tw {

class WorkingColors;

// Typing into the twenty code fields of Frame1 and Frame2. An entry takes effect only by Enter, or by
// leaving the field with Tab (Shift+Tab too); leaving it any other way (the mouse, a button) puts back what
// the colour shows. Each notation is checked and auto-corrected by the core checks; "&Notify Me When
// Auto-Correcting Code" (mnuNotify) announces the corrections, "Auto &Highlight Code" (mnuHigh) selects a
// field's text when it takes the focus.
class CodeEntry : public QObject {
    Q_OBJECT
public:
    struct Menu {
        QAction* notify;
        QAction* highlight;
    };
    CodeEntry(WorkingColors& colors, CodeFrame& frame1, CodeFrame& frame2, Menu menu, platform::Prompter& prompter,
        platform::SystemColors& systemColors, QWidget& window);

    // Checks the field's text and, when it is good, makes it the colour; a refused entry is put back after its
    // message. A field whose text is still the colour's own is left alone.
    void confirm(ColorSlot slot, CodeField field);

    bool notifyCorrections() const;
    bool highlight() const;

    // The settings "notify" and "high" (section "Main").
    void restoreSettings(const platform::SettingsStore& settings);
    // Appends this area's keys of section "Main" to the batch the window writes at shutdown.
    void saveSettings(QList<platform::SettingsChange>& changes) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Place {
        ColorSlot slot;
        CodeField field;
    };

    CodeFrame& frame(ColorSlot slot) const { return slot == ColorSlot::One ? m_frame1 : m_frame2; }
    void onFocusIn(QLineEdit* edit, Qt::FocusReason reason);
    // Leaving the field: its entry is abandoned unless it was confirmed.
    void endFocusPeriod(QLineEdit* edit);
    void checkRgb(ColorSlot slot, CodeField field);
    void checkHsl(ColorSlot slot, CodeField field);
    void checkHex(ColorSlot slot, CodeField field);
    // Puts back what the colour shows, in every field of its frame.
    void restore(ColorSlot slot);
    void tell(const std::vector<core::Message>& messages);

    WorkingColors& m_colors;
    CodeFrame& m_frame1;
    CodeFrame& m_frame2;
    Menu m_menu;
    platform::Prompter& m_prompter;
    platform::SystemColors& m_systemColors;
    QWidget& m_window;
    QHash<QObject*, Place> m_places;
    // The field whose focus period is running.
    QLineEdit* m_owner = nullptr;
    // Confirmed flag: set when a confirmation starts during the current focus period.
    bool m_confirmed = false;
};

} // namespace tw
