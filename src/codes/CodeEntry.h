#pragma once
#include "mainwindow/CodeFrame.h"
#include "mainwindow/ColorSlot.h"

#include "platform/SettingsStore.h"

#include <QHash>
#include <QObject>

class QAction;
class QLineEdit;

namespace tw {

class MainWindow;

// Typing into the twenty code fields of Frame1 and Frame2. An entry takes effect only by Enter, or by
// leaving the field with Tab (Shift+Tab too); leaving it any other way (the mouse, a button) puts back the
// text the field had when it took the focus. Each notation is checked and auto-corrected by the core checks;
// "&Notify Me When Auto-Correcting Code" (mnuNotify) announces the corrections, "Auto &Highlight Code"
// (mnuHigh) selects a field's text when it takes the focus.
class CodeEntry : public QObject {
    Q_OBJECT
public:
    explicit CodeEntry(MainWindow& window);
    ~CodeEntry() override;

    // Checks the field's text and, when it is good, makes it the colour; a refused entry is put back after its
    // message. An RGB or HSL field whose text has not changed since it took the focus is left alone.
    void confirm(ColorSlot slot, CodeField field);

    bool notifyCorrections() const;
    bool highlight() const;

    // The settings "notify" and "high" (section "Main").
    void restoreSettings();
    // Appends this area's keys of section "Main" to the batch the window writes at shutdown.
    void saveSettings(QList<platform::SettingsChange>& changes) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Place {
        ColorSlot slot;
        CodeField field;
    };

    void onFocusIn(QLineEdit* edit, Qt::FocusReason reason);
    // Leaving the field: its entry is abandoned unless it was confirmed.
    void endFocusPeriod(QLineEdit* edit);
    void checkRgbOrHsl(ColorSlot slot, CodeField field);
    void applyHslField(ColorSlot slot, CodeField field);
    void checkHex(ColorSlot slot, CodeField field);
    void restore(QLineEdit* edit);

    MainWindow& m_window;
    QAction* m_notify = nullptr;
    QAction* m_high = nullptr;
    QHash<QObject*, Place> m_places;
    // The field whose focus period is running: the focus text and the flags below are its.
    QLineEdit* m_owner = nullptr;
    // Confirmed flag: set when a confirmation starts during the current focus period.
    bool m_confirmed = false;
};

} // namespace tw
