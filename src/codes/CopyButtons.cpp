#include "codes/CopyButtons.h"

#include "mainwindow/MainWindow.h"
#include "mainwindow/Swatch.h"
#include "platform/Clipboard.h"

#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

namespace tw {

CopyButtons::CopyButtons(MainWindow& window)
    : m_window(window)
{
    picCopy = new Swatch(&window);
    picCopy->setObjectName(QStringLiteral("picCopy"));
    picCopy->setFixedSize(1, 1);
    picCopy->hide();

    connect(window.cmdCopy, &QPushButton::clicked, this, [this] { copyColor(ColorSlot::One); });
    connect(window.cmdCopy2, &QPushButton::clicked, this, [this] { copyColor(ColorSlot::Two); });
    connect(window.picHover, &Swatch::doubleClicked, this, [this] { copySwatch(ColorSlot::One); });
    connect(window.picSelected, &Swatch::doubleClicked, this, [this] { copySwatch(ColorSlot::Two); });
    for (const ColorSlot slot : { ColorSlot::One, ColorSlot::Two }) {
        for (int i = 0; i < kCodeRowCount; ++i) {
            const auto row = static_cast<CodeRow>(i);
            connect(window.codeFrame(slot)->copyButton(row), &QPushButton::clicked, this,
                [this, slot, row] { copyRow(slot, row); });
        }
    }
}

void CopyButtons::copyColor(ColorSlot slot)
{
    picCopy->setColor(m_window.color(slot));
    m_window.services().clipboard.setImage(picCopy->image());
    // The button does not keep the focus.
    m_window.focusTarget();
}

void CopyButtons::copySwatch(ColorSlot slot)
{
    m_window.services().clipboard.setImage(m_window.swatch(slot)->image());
}

QString CopyButtons::rowText(ColorSlot slot, CodeRow row) const
{
    QStringList texts;
    for (const CodeField field : CodeFrame::fieldsOfRow(row))
        texts << m_window.codeFrame(slot)->field(field)->text();
    return texts.join(QStringLiteral(", "));
}

void CopyButtons::copyRow(ColorSlot slot, CodeRow row)
{
    m_window.services().clipboard.setText(rowText(slot, row));
    m_window.focusTarget();
}

} // namespace tw
