#include "history/HistoryRecorder.h"

#include "history/HistoryWindow.h"
#include "model/WorkingColors.h"
#include "widgets/Buttons.h"
#include "widgets/SettingsWrites.h"

#include <QAction>

namespace tw {

HistoryRecorder::HistoryRecorder(WorkingColors& colors, platform::SettingsStore& settings, SettingsWrites& writes,
    platform::Prompter& prompter, Menu menu, QWidget& window)
    : QObject(&window)
    , m_colors(colors)
    , m_history(settings)
    , m_writes(writes)
    , m_prompter(prompter)
    , m_menu(menu)
    , m_window(window)
{
    setObjectName(QStringLiteral("historyRecorder"));
    connect(&colors, &WorkingColors::recorded, this,
        [this](ColorSlot, core::ColorValue value) { m_writes.check(m_history.record(value)); });
    EnableCommand(menu.mnuHistory, this, [this] { openWindow(); });
}

void HistoryRecorder::openWindow()
{
    const bool onTop = m_menu.mnuTop && m_menu.mnuTop->isChecked();
    HistoryWindow::showFor(m_colors, m_history, m_writes, m_prompter, onTop, m_window);
}

} // namespace tw
