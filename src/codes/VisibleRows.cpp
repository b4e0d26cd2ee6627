#include "codes/VisibleRows.h"

#include "platform/SettingsKeys.h"
#include "widgets/Buttons.h"
#include "widgets/SettingsWrites.h"

#include <QAction>

namespace tw {

namespace {

    // Menu index 3 .. 8 is row 0 .. 5. Written as "cbocodes-N"; the store compares keys without regard to case,
    // so "cboCodes-N" is the same value.
    QString KeyOf(int row)
    {
        return QStringLiteral("cbocodes-%1").arg(row + 3);
    }

} // namespace

VisibleRows::VisibleRows(CodeFrame& frame1, CodeFrame& frame2, Menu menu, SettingsWrites& writes, QWidget& window)
    : QObject(&window)
    , m_frame1(frame1)
    , m_frame2(frame2)
    , m_menu(menu)
    , m_writes(writes)
{
    setObjectName(QStringLiteral("visibleRows"));
    EnableCommand(menu.showAll, this, [this] { choose(0); });
    EnableCommand(menu.showNone, this, [this] { choose(1); });
    for (int row = 0; row < kCodeRowCount; ++row) {
        QAction* item = menu.rows[static_cast<std::size_t>(row)];
        item->setChecked(true);
        // The check mark is toggled by the item itself before this runs.
        EnableCommand(item, this, [this, row] { choose(row + 3); });
    }
}

void VisibleRows::restoreSettings(const platform::SettingsStore& settings)
{
    for (int row = 0; row < kCodeRowCount; ++row)
        m_menu.rows[static_cast<std::size_t>(row)]->setChecked(settings.readBool(keys::kMain, KeyOf(row), true));
    layOut();
}

void VisibleRows::choose(int index)
{
    if (index == 0 || index == 1) {
        for (QAction* item : m_menu.rows)
            item->setChecked(index == 0);
    }
    QList<platform::SettingsChange> changes;
    for (int row = 0; row < kCodeRowCount; ++row)
        changes.append(platform::BoolSetting(KeyOf(row), m_menu.rows[static_cast<std::size_t>(row)]->isChecked()));
    m_writes.apply(keys::kMain, changes);
    layOut();
}

void VisibleRows::setSecondFrameAllowed(bool allowed)
{
    m_secondFrameAllowed = allowed;
    layOut();
}

bool VisibleRows::rowShown(CodeRow row) const
{
    return m_menu.rows[static_cast<std::size_t>(row)]->isChecked();
}

void VisibleRows::layOut()
{
    bool any = false;
    for (int i = 0; i < kCodeRowCount; ++i) {
        const auto row = static_cast<CodeRow>(i);
        m_frame1.setRowShown(row, rowShown(row));
        m_frame2.setRowShown(row, rowShown(row));
        any = any || rowShown(row);
    }
    m_frame1.setVisible(any);
    m_frame2.setVisible(any && m_secondFrameAllowed);
}

} // namespace tw
