#include "widgets/CodeFrame.h"

#include <QColor>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <optional>

namespace tw {

namespace {

    struct FieldNames {
        const char* field;
        const char* caption;
        const char* spin; // nullptr for the hex fields
    };

    // Indexed by CodeField.
    constexpr std::array<FieldNames, kCodeFieldCount> kFieldNames1 { {
        { "txtRed", "Label1", "vsRed" },
        { "txtGreen", "Label2", "vsGreen" },
        { "txtBlue", "Label3", "vsBlue" },
        { "txtHue", "Label17", "vsHue" },
        { "txtSat", "Label18", "vsSat" },
        { "txtLum", "Label19", "vsLum" },
        { "txtHex", "Label4", nullptr },
        { "txtVBHex", "Label22", nullptr },
        { "txtDelphi", "Label21", nullptr },
        { "txtC", "Label24", nullptr },
    } };
    constexpr std::array<FieldNames, kCodeFieldCount> kFieldNames2 { {
        { "txtRed2", "Label7", "vsRed2" },
        { "txtGreen2", "Label8", "vsGreen2" },
        { "txtBlue2", "Label9", "vsBlue2" },
        { "txtHue2", "Label28", "vsHue2" },
        { "txtSat2", "Label27", "vsSat2" },
        { "txtLum2", "Label26", "vsLum2" },
        { "txtHex2", "Label14", nullptr },
        { "txtVBHex2", "Label25", nullptr },
        { "txtDelphi2", "Label31", nullptr },
        { "txtC2", "Label29", nullptr },
    } };
    constexpr std::array<const char*, kCodeFieldCount> kCaptions {
        "Red:", "Green:", "Blue:", "Hue:", "Sat:", "Lum:", "HTML Hex:", "VB Hex:", "Delphi Hex:", "C++ Hex:"
    };

    struct RowNames {
        const char* button1;
        const char* button2;
        const char* tooltip;
    };
    // Indexed by CodeRow.
    constexpr std::array<RowNames, kCodeRowCount> kRowNames { {
        { "Command13", "Command16", "Copy RGB value to the clipboard" },
        { "Command14", "Command15", "Copy HSL value to the clipboard" },
        { "Command7", "Command12", "Copy C++ Hex value to the clipboard" },
        { "Command6", "Command11", "Copy Delphi Hex value to the clipboard" },
        { "Command3", "Command8", "Copy HTML value to the clipboard" },
        { "Command5", "Command10", "Copy VB Hex value to the clipboard" },
    } };

    constexpr CodeField kHexFieldOfRow[] = { CodeField::Cpp, CodeField::Delphi, CodeField::Html, CodeField::Vb };

    QColor PureChannelColor(CodeField field, int channel)
    {
        switch (field) {
        case CodeField::Red:
            return QColor(channel, 0, 0);
        case CodeField::Green:
            return QColor(0, channel, 0);
        default:
            return QColor(0, 0, channel);
        }
    }

    // The width a field needs to show text whole in its own font, with the frame and margins of the style.
    int FieldWidthFor(const QLineEdit* edit, const QString& text)
    {
        const QFontMetrics metrics = edit->fontMetrics();
        const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
        const QMargins margins = edit->textMargins();
        // QLineEdit keeps two pixels on each side inside its frame, and room for the cursor.
        return metrics.horizontalAdvance(text) + 2 * frame + margins.left() + margins.right() + 2 * 2 + 2;
    }

    // The widest hex digit in a field's font.
    QChar WidestHexDigit(const QLineEdit* edit)
    {
        const QFontMetrics metrics = edit->fontMetrics();
        QChar widest = u'0';
        int widestAdvance = metrics.horizontalAdvance(widest);
        for (const QChar digit : QStringLiteral("123456789ABCDEF")) {
            const int advance = metrics.horizontalAdvance(digit);
            if (advance > widestAdvance) {
                widest = digit;
                widestAdvance = advance;
            }
        }
        return widest;
    }

    // The longest text a hex field shows: its prefix, six of the widest hex digit, its suffix.
    QString LongestCode(QChar widest, CodeField field)
    {
        const QString digits(6, widest);
        switch (field) {
        case CodeField::Html:
            return u'#' + digits;
        case CodeField::Vb:
            return QStringLiteral("&H") + digits + u'&';
        case CodeField::Delphi:
            return QStringLiteral("$00") + digits;
        default:
            return QStringLiteral("0x") + digits;
        }
    }

    QScrollBar* MakeSpinButton(QWidget* parent, const char* name)
    {
        // Up steps +1, down steps -1; the handler puts the value back to 0 after every step.
        auto* spin = new QScrollBar(Qt::Vertical, parent);
        spin->setObjectName(QString::fromLatin1(name));
        spin->setRange(-1, 1);
        spin->setValue(0);
        spin->setInvertedAppearance(true);
        spin->setInvertedControls(true);
        spin->setFocusPolicy(Qt::NoFocus);
        spin->setFixedSize(12, 22);
        return spin;
    }

} // namespace

CodeFrame::CodeFrame(ColorSlot slot, QWidget* parent)
    : QGroupBox(parent)
    , m_slot(slot)
{
    const bool first = slot == ColorSlot::One;
    setObjectName(first ? QStringLiteral("Frame1") : QStringLiteral("Frame2"));
    setTitle(first ? tr("Color #1 Code Values") : tr("Color #2 Code Values"));
    const auto& names = first ? kFieldNames1 : kFieldNames2;

    // The inner panel carries the rows; the colour schemes paint it with the frame.
    auto* panel = new QWidget(this);
    panel->setObjectName(first ? QStringLiteral("Picture2") : QStringLiteral("Picture3"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->addWidget(panel);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);

    // Every field has the frame's font: the widest digit is looked for once.
    std::optional<QChar> widest;
    for (int i = 0; i < kCodeFieldCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        auto* caption = new QLabel(tr(kCaptions[index]), panel);
        caption->setObjectName(QString::fromLatin1(names[index].caption));
        auto* edit = new QLineEdit(panel);
        edit->setObjectName(QString::fromLatin1(names[index].field));
        m_captions[index] = caption;
        m_fields[index] = edit;
        // "Red of Color #1": the caption without its colon, and the colour it serves.
        const QString what = tr(kCaptions[index]).chopped(1) + (first ? tr(" of Color #1") : tr(" of Color #2"));
        edit->setAccessibleName(what);
        if (names[index].spin) {
            m_spinButtons[index] = MakeSpinButton(panel, names[index].spin);
            m_spinButtons[index]->setAccessibleName(tr("Step %1").arg(what));
            edit->setFixedWidth(std::max(34, FieldWidthFor(edit, QStringLiteral("255"))));
            edit->setMaxLength(32);
        } else {
            if (!widest)
                widest = WidestHexDigit(edit);
            edit->setMinimumWidth(FieldWidthFor(edit, LongestCode(*widest, static_cast<CodeField>(i))));
        }
        if (first && IsRgbField(static_cast<CodeField>(i)))
            edit->setToolTip(tr("Press Enter to confirm a new color code value"));
    }

    for (int r = 0; r < kCodeRowCount; ++r) {
        const auto& row = kRowNames[static_cast<std::size_t>(r)];
        auto* button = new QPushButton(QStringLiteral("C"), panel);
        button->setObjectName(QString::fromLatin1(first ? row.button1 : row.button2));
        button->setToolTip(tr(row.tooltip));
        button->setAccessibleName(tr(row.tooltip) + (first ? tr(" (Color #1)") : tr(" (Color #2)")));
        button->setFixedSize(18, 20);
        button->setFocusPolicy(Qt::NoFocus);
        m_copyButtons[static_cast<std::size_t>(r)] = button;
    }

    // Rows top-down: RGB and HSL take two grid rows (captions over each field with its spin button); a hex
    // row is its caption beside its field. Every row ends in its copy button in the last column.
    int gridRow = 0;
    for (const int first3 : { 0, 3 }) {
        for (int i = 0; i < 3; ++i) {
            const auto index = static_cast<std::size_t>(first3 + i);
            auto* unit = new QHBoxLayout;
            unit->setSpacing(0);
            unit->addWidget(m_fields[index]);
            unit->addWidget(m_spinButtons[index]);
            grid->addWidget(m_captions[index], gridRow, i);
            grid->addLayout(unit, gridRow + 1, i);
        }
        grid->addWidget(m_copyButtons[first3 == 0 ? 0 : 1], gridRow + 1, 3);
        gridRow += 2;
    }
    for (int r = 0; r < 4; ++r) {
        const auto index = static_cast<std::size_t>(kHexFieldOfRow[r]);
        auto* row = new QHBoxLayout;
        row->setSpacing(2);
        m_captions[index]->setMinimumWidth(70);
        row->addWidget(m_captions[index]);
        row->addWidget(m_fields[index], 1);
        grid->addLayout(row, gridRow, 0, 1, 3);
        grid->addWidget(m_copyButtons[static_cast<std::size_t>(r + 2)], gridRow, 3);
        ++gridRow;
    }

    // Tab follows the rows as they stand: RGB, HSL, then the hex rows top-down. A hidden row is skipped.
    QWidget* previous = m_fields[0];
    const CodeField order[] = { CodeField::Green, CodeField::Blue, CodeField::Hue, CodeField::Sat, CodeField::Lum,
        kHexFieldOfRow[0], kHexFieldOfRow[1], kHexFieldOfRow[2], kHexFieldOfRow[3] };
    for (const CodeField next : order) {
        setTabOrder(previous, field(next));
        previous = field(next);
    }
}

void CodeFrame::setRowShown(CodeRow row, bool shown)
{
    for (const CodeField each : fieldsOfRow(row)) {
        field(each)->setVisible(shown);
        caption(each)->setVisible(shown);
        if (QScrollBar* spin = spinButton(each))
            spin->setVisible(shown);
    }
    copyButton(row)->setVisible(shown);
}

bool CodeFrame::rowShown(CodeRow row) const
{
    return !copyButton(row)->isHidden();
}

QLineEdit* CodeFrame::firstField() const
{
    return field(CodeField::Red);
}

QLineEdit* CodeFrame::lastField() const
{
    return field(kHexFieldOfRow[3]);
}

QScrollBar* CodeFrame::spinButton(CodeField field) const
{
    const auto index = static_cast<std::size_t>(field);
    return index < m_spinButtons.size() ? m_spinButtons[index] : nullptr;
}

const std::string& NotationOf(const core::Notations& notations, CodeField field)
{
    switch (field) {
    case CodeField::Red:
        return notations.red;
    case CodeField::Green:
        return notations.green;
    case CodeField::Blue:
        return notations.blue;
    case CodeField::Hue:
        return notations.hue;
    case CodeField::Sat:
        return notations.sat;
    case CodeField::Lum:
        return notations.lum;
    case CodeField::Html:
        return notations.html;
    case CodeField::Vb:
        return notations.vb;
    case CodeField::Delphi:
        return notations.delphi;
    case CodeField::Cpp:
        break;
    }
    return notations.cpp;
}

void CodeFrame::show(const core::Notations& notations)
{
    for (int i = 0; i < kCodeFieldCount; ++i) {
        const auto which = static_cast<CodeField>(i);
        QLineEdit* edit = field(which);
        const QString text = QString::fromStdString(NotationOf(notations, which));
        // Writing an unchanged text would still reset the cursor and emit signals.
        if (edit->text() != text)
            edit->setText(text);
        if (IsRgbField(which))
            paintChannel(which, text.toInt());
    }
}

void CodeFrame::paintChannel(CodeField which, int channel)
{
    QLineEdit* edit = field(which);
    const QColor background = PureChannelColor(which, channel);
    QPalette palette = edit->palette();
    if (palette.color(QPalette::Base) == background)
        return;
    palette.setColor(QPalette::Base, background);
    // The number must stay readable on a dark channel colour.
    palette.setColor(QPalette::Text, channel < 128 ? Qt::white : Qt::black);
    edit->setPalette(palette);
}

QColor CodeFrame::channelColor(CodeField which) const
{
    return field(which)->palette().color(QPalette::Base);
}

std::vector<CodeField> CodeFrame::fieldsOfRow(CodeRow row)
{
    switch (row) {
    case CodeRow::Rgb:
        return { CodeField::Red, CodeField::Green, CodeField::Blue };
    case CodeRow::Hsl:
        return { CodeField::Hue, CodeField::Sat, CodeField::Lum };
    case CodeRow::Cpp:
        return { CodeField::Cpp };
    case CodeRow::Delphi:
        return { CodeField::Delphi };
    case CodeRow::Html:
        return { CodeField::Html };
    case CodeRow::Vb:
        return { CodeField::Vb };
    }
    return {};
}

} // namespace tw
