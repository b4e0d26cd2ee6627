#pragma once
#include "history/ColorHistory.h"

#include <QObject>

class QAction;

namespace tw::platform {
class Prompter;
}

namespace tw {

class SettingsWrites;
class WorkingColors;

// Keeps the colour history: every colour the working colours ask to record becomes its newest entry, and
// "Color &History..." opens the history window. A history that cannot be written is reported once.
class HistoryRecorder : public QObject {
    Q_OBJECT
public:
    struct Menu {
        QAction* mnuHistory;
        // Always on top: the history window follows it.
        QAction* mnuTop;
    };
    HistoryRecorder(WorkingColors& colors, platform::SettingsStore& settings, SettingsWrites& writes,
        platform::Prompter& prompter, Menu menu, QWidget& window);

    ColorHistory& history() { return m_history; }
    void openWindow();

private:
    WorkingColors& m_colors;
    ColorHistory m_history;
    SettingsWrites& m_writes;
    platform::Prompter& m_prompter;
    Menu m_menu;
    QWidget& m_window;
};

} // namespace tw
