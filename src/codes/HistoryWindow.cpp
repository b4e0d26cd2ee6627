#include "codes/HistoryWindow.h"

#include "mainwindow/MainWindow.h"
#include "mainwindow/Swatch.h"
#include "platform/Prompter.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tw {

namespace {

    constexpr int kColumns = 5;

    bool AlwaysOnTop(const MainWindow& window)
    {
        const QAction* top = window.action("mnuTop");
        return top && top->isChecked();
    }

} // namespace

HistoryWindow::HistoryWindow(MainWindow& window)
    : QDialog(&window)
    , m_window(window)
    , m_entries(window.colorHistory().entries())
{
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(tr("Color History"));
    if (AlwaysOnTop(window))
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
    connect(this, &QDialog::finished, this, [this] {
        if (AlwaysOnTop(m_window))
            m_window.raise();
    });
}

HistoryWindow* HistoryWindow::showFor(MainWindow& window)
{
    auto* dialog = new HistoryWindow(window);
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
    const core::ColorValue value = *m_entries[index];
    if (button == Qt::LeftButton) {
        m_window.setSwatchColor(ColorSlot::One, value);
        m_window.setCurrentColor(ColorSlot::One);
        m_window.GetRGBValue();
        m_window.GetHEXValue();
        m_window.History(1);
    } else if (button == Qt::RightButton) {
        m_window.setSwatchColor(ColorSlot::Two, value);
        m_window.setCurrentColor(ColorSlot::Two);
        m_window.GetRGBValue2();
        m_window.History(2);
    }
}

void HistoryWindow::clearHistory()
{
    const platform::PromptAnswer answer = m_window.services().prompter.ask(this,
        { tr("Are you sure you want to clear the Color History?"), QString::fromLatin1(kAppTitle),
            core::MessageIcon::Question, platform::PromptButtons::YesNo, platform::PromptAnswer::Yes });
    if (answer != platform::PromptAnswer::Yes)
        return;
    if (!m_window.colorHistory().clear()) {
        // The entries are still stored: showing the boxes empty would report a clearing that did not happen.
        m_window.showMessage({ "The Color History could not be cleared: the settings file cannot be written.",
            core::MessageIcon::Exclamation });
        return;
    }
    m_entries = {};
    for (Swatch* box : picHistory)
        box->setColor(core::kEmptyColor);
}

} // namespace tw
