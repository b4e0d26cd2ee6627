#pragma once
#include "history/ColorHistory.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace tw::platform {
class Prompter;
}

namespace tw {

class SettingsWrites;
class Swatch;
class WorkingColors;

// frmHistory, "Color History": the ten entries of the history as colour boxes, as they were when the window
// opened. A left press on a box makes its colour Color #1, a right press Color #2; the window stays open.
class HistoryWindow : public QDialog {
    Q_OBJECT
public:
    // alwaysOnTop: the main window is always on top, so this window is too, and gives the main window its
    // place back when it closes.
    HistoryWindow(WorkingColors& colors, ColorHistory& history, SettingsWrites& writes, platform::Prompter& prompter,
        bool alwaysOnTop, QWidget& window);

    // Opens the window modally over the main window; it is deleted when closed.
    static HistoryWindow* showFor(WorkingColors& colors, ColorHistory& history, SettingsWrites& writes,
        platform::Prompter& prompter, bool alwaysOnTop, QWidget& window);

    // 33 pixels square, as the main window's palette boxes are a smaller kind of the same box.
    static constexpr int kBoxSize = 33;

    std::array<Swatch*, ColorHistory::kSize> picHistory {};
    QLabel* lblHeading = nullptr;
    QLabel* lblHint = nullptr;
    QPushButton* Command1 = nullptr;

private:
    void choose(std::size_t index, Qt::MouseButton button);
    void clearHistory();

    WorkingColors& m_colors;
    ColorHistory& m_history;
    SettingsWrites& m_writes;
    platform::Prompter& m_prompter;
    ColorHistory::Entries m_entries;
};

} // namespace tw
