#pragma once
#include "mainwindow/CodeFrame.h"
#include "mainwindow/ColorSlot.h"

#include "platform/SettingsStore.h"

#include <QHash>
#include <QObject>
#include <QString>

class QScrollBar;
class QTimer;

namespace tw {

class MainWindow;

// The twelve spin buttons beside the RGB and HSL fields (one step each) and the three precision slides,
// which set red, green and blue of the colour chosen in Combo1 and follow the thumb while it is dragged.
// A run of changes is recorded in the history once, when it has been still for one tick of Timer1; a
// message raised during a spin step waits for tmrMsg, so the spin button finishes its mouse handling first.
// Both timers run only while there is something to do.
class Sliders : public QObject {
    Q_OBJECT
public:
    explicit Sliders(MainWindow& window);
    ~Sliders() override;

    // "Expand" (Check1): the setting "check1", 0 or 1.
    void restoreSettings();
    // Appends this area's keys of section "Main" to the batch the window writes at shutdown.
    void saveSettings(QList<platform::SettingsChange>& changes) const;

    // One step of a spin button: +1 up, -1 down.
    void step(ColorSlot slot, CodeField field, int delta);

    QTimer* Timer1 = nullptr;
    QTimer* tmrMsg = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Spin {
        ColorSlot slot;
        CodeField field;
    };

    void onSpinChanged(QScrollBar* spin, int value);
    void stepRgb(ColorSlot slot, CodeField field, int delta);
    void stepHsl(ColorSlot slot, CodeField field, int delta);
    void onSlideMoved();
    // A change of a run: Timer1 records the colour once the run is still.
    void noteChange(ColorSlot slot);
    void onTimer1();
    void deferMessage(const QString& text);
    void onMessageTimer();
    void putSpinBack(QScrollBar* spin);

    MainWindow& m_window;
    QHash<QObject*, Spin> m_spins;
    QList<QScrollBar*> m_slides;
    // Spinner guard: True while a handler writes a spin button back to 0.
    bool m_spinnerGuard = false;
    // Changes of the current run and the count seen at the previous tick of Timer1.
    quint64 m_changes = 0;
    quint64 m_seenChanges = 0;
    // The colour the latest change acted on, which Timer1 records.
    ColorSlot m_recordSlot = ColorSlot::One;
    QString m_pendingMessage;
    // A spin button held down; a deferred message waits for its release.
    bool m_spinHeld = false;
};

} // namespace tw
