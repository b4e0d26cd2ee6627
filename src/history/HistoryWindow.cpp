#include "history/HistoryWindow.h"

#include "model/WorkingColors.h"
#include "platform/Prompter.h"
#include "widgets/Prompts.h"
#include "widgets/SettingsWrites.h"
#include "widgets/Swatch.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tw {

namespace {

    constexpr int kColumns = 5;

} // namespace

HistoryWindow::HistoryWindow(WorkingColors& colors, ColorHistory& history, SettingsWrites& writes,
    platform::Prompter& prompter, bool alwaysOnTop, QWidget& window)
    : QDialog(&window)
    , m_colors(colors)
    , m_history(history)
    , m_writes(writes)
    , m_prompter(prompter)
    , m_entries(history.entries())
{
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(tr("Color History"));
    if (alwaysOnTop)
        setWindowFlag(Qt::WindowStaysOnTopHint);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    lblHeading = new QLabel(tr("Displays recently used colors for Color #1 and Color #2:"), this);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    layout->addWidget(lblHeading);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(8);
    for (std::size_t index = 0; index < picHistory.size(); ++index) {
        const int row = static_cast<int>(index) / kColumns;
        const int column = static_cast<int>(index) % kColumns;
        auto* number = new QLabel(QString::number(index + 1), this);
        number->setObjectName(QStringLiteral("lblNumber%1").arg(index));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* box = new Swatch(this);
        box->setObjectName(QStringLiteral("picHistory%1").arg(index));
        box->setAccessibleName(tr("History color %1").arg(index + 1));
        box->setFixedSize(kBoxSize, kBoxSize);
        box->setColor(m_entries[index].value_or(core::kEmptyColor));
        grid->addWidget(number, row, column * 2);
        grid->addWidget(box, row, column * 2 + 1);
        connect(box, &Swatch::pressed, this, [this, index](Qt::MouseButton button) { choose(index, button); });
        picHistory[index] = box;
    }
    layout->addLayout(grid);

    lblHint = new QLabel(
        tr("Hint: Left-click a color to assign it as Color #1, right-click a color to assign it as Color #2"), this);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setWordWrap(true);
    layout->addWidget(lblHint);

    Command1 = new QPushButton(tr("Clear History"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(false);
    layout->addWidget(Command1, 0, Qt::AlignRight);
    connect(Command1, &QPushButton::clicked, this, &HistoryWindow::clearHistory);

    // Closing gives the main window back its place on top.
    if (alwaysOnTop)
        connect(this, &QDialog::finished, &window, &QWidget::raise);
}

HistoryWindow* HistoryWindow::showFor(WorkingColors& colors, ColorHistory& history, SettingsWrites& writes,
    platform::Prompter& prompter, bool alwaysOnTop, QWidget& window)
{
    auto* dialog = new HistoryWindow(colors, history, writes, prompter, alwaysOnTop, window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(true);
    dialog->show();
    return dialog;
}

void HistoryWindow::choose(std::size_t index, Qt::MouseButton button)
{
    // A box without an entry holds no colour to give.
    if (!m_entries[index])
        return;
    if (button == Qt::LeftButton)
        m_colors.take(ColorSlot::One, *m_entries[index]);
    else if (button == Qt::RightButton)
        m_colors.take(ColorSlot::Two, *m_entries[index]);
}

void HistoryWindow::clearHistory()
{
    if (!AskYesNo(m_prompter, this, tr("Are you sure you want to clear the Color History?")))
        return;
    if (!m_history.clear()) {
        // The entries are still stored: showing the boxes empty would report a clearing that did not happen.
        Tell(m_prompter, this,
            { "The Color History could not be cleared: " + m_writes.store().lastError().toStdString(),
                core::MessageIcon::Exclamation });
        return;
    }
    m_entries = {};
    for (Swatch* box : picHistory)
        box->setColor(core::kEmptyColor);
}

} // namespace tw
