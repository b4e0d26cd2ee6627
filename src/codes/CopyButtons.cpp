#include "codes/CopyButtons.h"

#include "model/WorkingColors.h"
#include "platform/Clipboard.h"
#include "widgets/FocusHome.h"
#include "widgets/Swatch.h"

#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

namespace tw {

CopyButtons::CopyButtons(const WorkingColors& colors, Controls controls, platform::Clipboard& clipboard,
    const FocusHome& focusHome, QWidget& window)
    : QObject(&window)
    , m_colors(colors)
    , m_controls(controls)
    , m_clipboard(clipboard)
    , m_focusHome(focusHome)
{
    setObjectName(QStringLiteral("copyButtons"));
    m_picCopy = new Swatch(&window);
    m_picCopy->setObjectName(QStringLiteral("picCopy"));
    m_picCopy->setFixedSize(1, 1);
    m_picCopy->hide();

    connect(controls.cmdCopy, &QPushButton::clicked, this, [this] { copyColor(ColorSlot::One); });
    connect(controls.cmdCopy2, &QPushButton::clicked, this, [this] { copyColor(ColorSlot::Two); });
    connect(controls.picHover, &Swatch::doubleClicked, this, [this] { copySwatch(ColorSlot::One); });
    connect(controls.picSelected, &Swatch::doubleClicked, this, [this] { copySwatch(ColorSlot::Two); });
    for (const ColorSlot slot : { ColorSlot::One, ColorSlot::Two }) {
        CodeFrame* frame = slot == ColorSlot::One ? controls.frame1 : controls.frame2;
        for (int i = 0; i < kCodeRowCount; ++i) {
            const auto row = static_cast<CodeRow>(i);
            connect(frame->copyButton(row), &QPushButton::clicked, this, [this, slot, row] { copyRow(slot, row); });
        }
    }
}

void CopyButtons::copyColor(ColorSlot slot)
{
    m_picCopy->setColor(m_colors.color(slot));
    m_clipboard.setImage(m_picCopy->image());
    // The button does not keep the focus.
    m_focusHome.restore();
}

void CopyButtons::copySwatch(ColorSlot slot)
{
    m_clipboard.setImage((slot == ColorSlot::One ? m_controls.picHover : m_controls.picSelected)->image());
}

QString CopyButtons::rowText(ColorSlot slot, CodeRow row) const
{
    // Exactly what the fields show, an entry being typed included.
    const CodeFrame* frame = slot == ColorSlot::One ? m_controls.frame1 : m_controls.frame2;
    QStringList texts;
    for (const CodeField field : CodeFrame::fieldsOfRow(row))
        texts << frame->field(field)->text();
    return texts.join(QStringLiteral(", "));
}

void CopyButtons::copyRow(ColorSlot slot, CodeRow row)
{
    m_clipboard.setText(rowText(slot, row));
    m_focusHome.restore();
}

} // namespace tw
