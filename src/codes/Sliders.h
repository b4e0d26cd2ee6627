#pragma once
#include "model/ColorSlot.h"
#include "platform/SettingsStore.h"
#include "widgets/CodeFrame.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QScrollBar;
class QTimer;

namespace tw::platform {
class Prompter;
}

namespace tw {

class WorkingColors;

// The twelve spin buttons beside the RGB and HSL fields (one step each) and the precision slides frame
// Frame3 with its selector Combo1, which show the current colour and set its red, green and blue while the
// thumb moves; "Expand" (Check1) shows the frame. A run of changes is recorded in the history once, when it
// has been still for one tick of Timer1; a message raised during a spin step waits for tmrMsg, so the spin
// button finishes its mouse handling first. Both timers run only while there is something to do.
class Sliders : public QObject {
    Q_OBJECT
public:
    Sliders(WorkingColors& colors, CodeFrame& frame1, CodeFrame& frame2, platform::Prompter& prompter, QWidget& window);

    // Frame3 and Check1, for the window to place.
    QGroupBox* slidesFrame() const { return m_frame; }
    QCheckBox* expandBox() const { return m_expand; }

    // "Expand" (Check1): the setting "check1", 0 or 1.
    void restoreSettings(const platform::SettingsStore& settings);
    void saveSettings(QList<platform::SettingsChange>& changes) const;

    // One step of a spin button: +1 up, -1 down.
    void step(ColorSlot slot, CodeField field, int delta);

    static constexpr int kSettleInterval = 500;
    static constexpr int kMessageDelay = 250;

Q_SIGNALS:
    // "Expand" was switched: the window grows or shrinks by the slides' frame.
    void expandedChanged(bool expanded);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Spin {
        ColorSlot slot;
        CodeField field;
    };

    CodeFrame& frame(ColorSlot slot) const { return slot == ColorSlot::One ? m_frame1 : m_frame2; }
    void buildFrame(QWidget& window);
    void onSpinChanged(QScrollBar* spin, int value);
    void stepRgb(ColorSlot slot, CodeField field, int delta);
    void stepHsl(ColorSlot slot, CodeField field, int delta);
    void onSlideMoved();
    // The slides and their captions follow the current colour.
    void showCurrent();
    // A change of a run: Timer1 records the colour once the run is still.
    void noteChange(ColorSlot slot);
    void onTimer1();
    void deferMessage(const QString& text);
    void onMessageTimer();
    void putSpinBack(QScrollBar* spin);

    WorkingColors& m_colors;
    CodeFrame& m_frame1;
    CodeFrame& m_frame2;
    platform::Prompter& m_prompter;
    QWidget& m_window;
    QGroupBox* m_frame = nullptr;
    QCheckBox* m_expand = nullptr;
    QComboBox* m_combo = nullptr;
    std::array<QScrollBar*, 3> m_slides {};
    std::array<QLabel*, 3> m_slideLabels {};
    QTimer* m_settle = nullptr;
    QTimer* m_message = nullptr;
    QHash<QObject*, Spin> m_spins;
    QHash<QObject*, Spin> m_fieldKeys;
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
