#include "web/CssRows.h"

#include "model/WorkingColors.h"
#include "platform/Clipboard.h"
#include "widgets/Buttons.h"
#include "widgets/Prompts.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace tw {

namespace {

    // The names the controls carry: txtCssOklch / txtCssOklch2, cmdCssOklch / cmdCssOklch2.
    constexpr std::array<const char*, kCssRowCount> kControlNames { "Hex", "Rgb", "Hsl", "Hwb", "Lab", "Lch", "Oklab",
        "Oklch" };
    constexpr std::array<const char*, kCssRowCount> kCaptions {
        "hex:", "rgb():", "hsl():", "hwb():", "lab():", "lch():", "oklab():", "oklch():"
    };

    std::size_t IndexOf(ColorSlot slot)
    {
        return slot == ColorSlot::One ? 0 : 1;
    }

    std::size_t IndexOf(core::CssNotation notation)
    {
        return static_cast<std::size_t>(notation);
    }

} // namespace

CssRows::CssRows(WorkingColors& colors, Services services, RowItems rowItems, QWidget* parent)
    : QGroupBox(tr("CSS Color Values"), parent)
    , m_colors(colors)
    , m_services(services)
    , m_rowItems(rowItems)
{
    setObjectName(QStringLiteral("fraCss"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);
    auto* heading1 = new QLabel(tr("Color #1"), this);
    auto* heading2 = new QLabel(tr("Color #2"), this);
    grid->addWidget(heading1, 0, 1, 1, 2, Qt::AlignCenter);
    grid->addWidget(heading2, 0, 3, 1, 2, Qt::AlignCenter);

    // Wide enough for the longest text a row writes, "oklch(0.9999 0.3725 359.99)".
    const int fieldWidth = fontMetrics().horizontalAdvance(QStringLiteral("oklch(0.9999 0.3725 359.99)")) + 16;
    for (const core::CssNotation notation : core::kCssNotations) {
        const std::size_t index = IndexOf(notation);
        Row& row = m_rows[index];
        const QString name = QString::fromLatin1(kControlNames[index]);
        row.caption = new QLabel(tr(kCaptions[index]), this);
        row.caption->setObjectName(QStringLiteral("lblCss") + name);
        grid->addWidget(row.caption, static_cast<int>(index) + 1, 0);
        for (const ColorSlot slot : { ColorSlot::One, ColorSlot::Two }) {
            const std::size_t s = IndexOf(slot);
            const QString suffix = slot == ColorSlot::One ? QString() : QStringLiteral("2");
            auto* edit = new QLineEdit(this);
            edit->setObjectName(QStringLiteral("txtCss") + name + suffix);
            edit->setMinimumWidth(fieldWidth);
            edit->setAccessibleName(tr("Color #%1 as CSS %2").arg(s + 1).arg(tr(kCaptions[index]).chopped(1)));
            edit->installEventFilter(this);
            row.fields[s] = edit;
            const QString tooltip = tr("Copy Color #%1 as CSS %2 to the clipboard").arg(s + 1).arg(name.toLower());
            // Small "C" buttons, as beside the code fields.
            row.copy[s] = MakeButton(this, "", QStringLiteral("C"), tooltip);
            row.copy[s]->setFixedSize(18, 20);
            row.copy[s]->setObjectName(QStringLiteral("cmdCss") + name + suffix);
            connect(
                row.copy[s], &QPushButton::clicked, this, [this, edit] { m_services.clipboard.setText(edit->text()); });
            const int column = s == 0 ? 1 : 3;
            grid->addWidget(edit, static_cast<int>(index) + 1, column);
            grid->addWidget(row.copy[s], static_cast<int>(index) + 1, column + 1);
        }
    }
    m_clipped = new QLabel(this);
    m_clipped->setObjectName(QStringLiteral("lblCssClipped"));
    m_clipped->setTextFormat(Qt::PlainText);
    m_clipped->setWordWrap(true);
    m_clipped->hide();
    grid->addWidget(m_clipped, kCssRowCount + 1, 0, 1, 5);

    connect(&m_colors, &WorkingColors::changed, this, [this](ColorSlot slot) {
        // A colour that changes any other way than by its CSS entry is no longer the clipped one.
        if (!m_taking)
            m_clippedNotes[IndexOf(slot)].clear();
        if (isVisible())
            show(slot);
    });
    layOut();
}

void CssRows::showEvent(QShowEvent* event)
{
    QGroupBox::showEvent(event);
    show(ColorSlot::One);
    show(ColorSlot::Two);
}

QLineEdit* CssRows::field(ColorSlot slot, core::CssNotation notation) const
{
    return m_rows[IndexOf(notation)].fields[IndexOf(slot)];
}

QPushButton* CssRows::copyButton(ColorSlot slot, core::CssNotation notation) const
{
    return m_rows[IndexOf(notation)].copy[IndexOf(slot)];
}

void CssRows::show(ColorSlot slot)
{
    const bool set = m_colors.isSet(slot);
    const core::Rgb rgb = core::SplitColor(m_colors.color(slot));
    for (const core::CssNotation notation : core::kCssNotations) {
        QLineEdit* edit = field(slot, notation);
        const QString text = set ? QString::fromStdString(core::FormatCssColor(rgb, notation)) : QString();
        if (edit->text() != text)
            edit->setText(text);
        edit->setCursorPosition(0);
        copyButton(slot, notation)->setEnabled(set);
    }
    QStringList notes;
    for (const QString& note : m_clippedNotes)
        if (!note.isEmpty())
            notes.append(note);
    m_clipped->setText(notes.join(u'\n'));
    m_clipped->setVisible(!notes.isEmpty());
}

bool CssRows::confirm(ColorSlot slot, core::CssNotation notation)
{
    QLineEdit* edit = field(slot, notation);
    const QString typed = edit->text();
    const core::Rgb rgb = core::SplitColor(m_colors.color(slot));
    if (m_colors.isSet(slot) && typed == QString::fromStdString(core::FormatCssColor(rgb, notation)))
        return true;
    const core::CssParse parse = core::ParseCssColor(typed.toStdString());
    if (!parse.color) {
        Tell(m_services.prompter, window(),
            { "\"" + typed.toStdString() + "\" is not a CSS color that can be read here. " + parse.error,
                core::MessageIcon::Exclamation });
        // As in the other code fields, a refused entry is put back.
        show(slot);
        return false;
    }
    const core::ColorValue value = core::MakeColor(*parse.color);
    m_clippedNotes[IndexOf(slot)] = parse.clipped
        ? tr("%1 lies outside sRGB: Color #%2 is the nearest sRGB color, %3.")
              .arg(typed.trimmed())
              .arg(IndexOf(slot) + 1)
              .arg(QString::fromStdString(core::FormatCssColor(*parse.color, core::CssNotation::Hex)))
        : QString();
    m_taking = true;
    m_colors.take(slot, value);
    m_taking = false;
    return true;
}

bool CssRows::eventFilter(QObject* watched, QEvent* event)
{
    for (const core::CssNotation notation : core::kCssNotations) {
        for (const ColorSlot slot : { ColorSlot::One, ColorSlot::Two }) {
            if (watched != field(slot, notation))
                continue;
            if (event->type() == QEvent::KeyPress) {
                const int key = static_cast<QKeyEvent*>(event)->key();
                if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                    if (confirm(slot, notation))
                        field(slot, notation)->selectAll();
                    return true;
                }
                if (key == Qt::Key_Escape) {
                    show(slot);
                    return true;
                }
            } else if (event->type() == QEvent::FocusOut) {
                // Tab confirms the entry; leaving by the mouse or another window puts back the colour's text.
                const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
                if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
                    confirm(slot, notation);
                else if (reason != Qt::PopupFocusReason)
                    show(slot);
            }
            return QGroupBox::eventFilter(watched, event);
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void CssRows::layOut()
{
    bool any = false;
    for (const core::CssNotation notation : core::kCssNotations) {
        const bool shown = m_rowItems[IndexOf(notation)]->isChecked();
        Row& row = m_rows[IndexOf(notation)];
        row.caption->setVisible(shown);
        for (std::size_t s = 0; s < 2; ++s) {
            row.fields[s]->setVisible(shown);
            row.copy[s]->setVisible(shown);
        }
        any = any || shown;
    }
    setVisible(any);
}

} // namespace tw
