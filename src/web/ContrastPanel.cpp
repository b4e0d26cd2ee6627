#include "web/ContrastPanel.h"

#include "core/Contrast.h"
#include "model/WorkingColors.h"
#include "widgets/Buttons.h"

#include <QGridLayout>
#include <QLabel>

namespace tw {

namespace {

    struct Grade {
        const char* name;
        const char* caption;
    };
    constexpr std::array<Grade, 5> kGrades { {
        { "lblAANormal", "AA normal text" },
        { "lblAALarge", "AA large text" },
        { "lblAAANormal", "AAA normal text" },
        { "lblAAALarge", "AAA large text" },
        { "lblNonText", "Non-text (3:1)" },
    } };

    QColor ToQColor(core::ColorValue value)
    {
        const core::Rgb rgb = core::SplitColor(value);
        return QColor(rgb.red, rgb.green, rgb.blue);
    }

} // namespace

ContrastPanel::ContrastPanel(WorkingColors& colors, QWidget* parent)
    : QGroupBox(tr("Contrast of Color #1 on Color #2"), parent)
    , m_colors(colors)
{
    setObjectName(QStringLiteral("fraContrast"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(2);

    m_ratio = new QLabel(this);
    m_ratio->setObjectName(QStringLiteral("lblContrastRatio"));
    QFont big = m_ratio->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    m_ratio->setFont(big);
    m_ratio->setToolTip(tr("WCAG 2 contrast ratio, rounded down to two decimals"));
    grid->addWidget(m_ratio, 0, 0, 2, 1, Qt::AlignCenter);
    m_apca = new QLabel(this);
    m_apca->setObjectName(QStringLiteral("lblApca"));
    m_apca->setToolTip(tr("APCA lightness contrast of Color #1 as text on Color #2: positive for dark text on a "
                          "light background, negative for light text on a dark one"));
    grid->addWidget(m_apca, 2, 0, Qt::AlignCenter);

    for (std::size_t i = 0; i < kGrades.size(); ++i) {
        m_grades[i] = new QLabel(this);
        m_grades[i]->setObjectName(QString::fromLatin1(kGrades[i].name));
        grid->addWidget(m_grades[i], static_cast<int>(i % 3), 1 + static_cast<int>(i / 3));
    }

    for (std::size_t i = 0; i < m_previews.size(); ++i) {
        auto* preview = new QLabel(i == 0 ? tr("Color #1 on Color #2") : tr("Color #2 on Color #1"), this);
        preview->setObjectName(i == 0 ? QStringLiteral("lblPreview1") : QStringLiteral("lblPreview2"));
        preview->setAutoFillBackground(true);
        preview->setAlignment(Qt::AlignCenter);
        preview->setMargin(4);
        m_previews[i] = preview;
        grid->addWidget(preview, static_cast<int>(i), 3);
    }
    m_swap = MakeButton(this, "cmdSwap", tr("Swap"), tr("Swap Color #1 and Color #2"));
    grid->addWidget(m_swap, 2, 3);
    grid->setColumnStretch(3, 1);
    connect(m_swap, &QPushButton::clicked, this, &ContrastPanel::swap);

    connect(&m_colors, &WorkingColors::changed, this, [this] {
        if (isVisible())
            refresh();
    });
}

void ContrastPanel::showEvent(QShowEvent* event)
{
    QGroupBox::showEvent(event);
    refresh();
}

void ContrastPanel::swap()
{
    if (!m_colors.isSet(ColorSlot::One) || !m_colors.isSet(ColorSlot::Two))
        return;
    const core::ColorValue first = m_colors.color(ColorSlot::One);
    const core::ColorValue second = m_colors.color(ColorSlot::Two);
    const core::Hsl firstHsl = m_colors.hsl(ColorSlot::One);
    const core::Hsl secondHsl = m_colors.hsl(ColorSlot::Two);
    TakeOptions toFirst = ShowingHsl(secondHsl, Record::No);
    toFirst.makeCurrent = MakeCurrent::No;
    TakeOptions toSecond = ShowingHsl(firstHsl, Record::No);
    toSecond.makeCurrent = MakeCurrent::No;
    m_colors.take(ColorSlot::One, second, toFirst);
    m_colors.take(ColorSlot::Two, first, toSecond);
}

void ContrastPanel::refresh()
{
    const bool both = m_colors.isSet(ColorSlot::One) && m_colors.isSet(ColorSlot::Two);
    m_swap->setEnabled(both);
    if (!both) {
        m_ratio->setText(QStringLiteral("\u2013"));
        m_apca->setText(tr("APCA Lc: \u2013"));
        for (std::size_t i = 0; i < kGrades.size(); ++i)
            m_grades[i]->setText(tr("%1: \u2013").arg(tr(kGrades[i].caption)));
        return;
    }
    const core::Rgb first = core::SplitColor(m_colors.color(ColorSlot::One));
    const core::Rgb second = core::SplitColor(m_colors.color(ColorSlot::Two));
    const double ratio = core::ContrastRatio(first, second);
    m_ratio->setText(QStringLiteral("%1:1").arg(ratio, 0, 'f', 2));
    m_apca->setText(tr("APCA Lc: %1").arg(core::ApcaContrast(first, second), 0, 'f', 1));
    const core::ContrastGrades grades = core::GradeContrast(ratio);
    const bool passes[] { grades.aaNormal, grades.aaLarge, grades.aaaNormal, grades.aaaLarge, grades.nonText };
    for (std::size_t i = 0; i < kGrades.size(); ++i)
        m_grades[i]->setText(
            tr("%1: %2").arg(tr(kGrades[i].caption), passes[i] ? tr("\u2713 Pass") : tr("\u2717 Fail")));
    const QColor colors[] { ToQColor(m_colors.color(ColorSlot::One)), ToQColor(m_colors.color(ColorSlot::Two)) };
    for (std::size_t i = 0; i < m_previews.size(); ++i) {
        QPalette palette = m_previews[i]->palette();
        palette.setColor(QPalette::WindowText, colors[i]);
        palette.setColor(QPalette::Window, colors[1 - i]);
        m_previews[i]->setPalette(palette);
    }
}

} // namespace tw
