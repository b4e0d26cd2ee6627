#include "html/SwatchMenu.h"

#include "html/HtmlEditor.h"
#include "model/WorkingColors.h"
#include "widgets/Buttons.h"
#include "widgets/Swatch.h"

#include <QCursor>
#include <QMenu>

namespace tw {

namespace {

    ColorSlot OtherSlot(ColorSlot slot)
    {
        return slot == ColorSlot::One ? ColorSlot::Two : ColorSlot::One;
    }

} // namespace

SwatchMenu::SwatchMenu(WorkingColors& colors, Swatches swatches, Menu menu, HtmlEditor& editor, QWidget& window)
    : QObject(&window)
    , m_colors(colors)
    , m_menu(menu)
{
    setObjectName(QStringLiteral("swatchMenu"));
    connect(
        swatches.picHover, &Swatch::pressed, this, [this](Qt::MouseButton button) { press(ColorSlot::One, button); });
    connect(swatches.picSelected, &Swatch::pressed, this,
        [this](Qt::MouseButton button) { press(ColorSlot::Two, button); });

    // The other working colour takes the pressed one's, as any new colour does: current, shown and recorded.
    EnableCommand(menu.mnuSet, this, [this] { m_colors.take(OtherSlot(m_pressed), m_colors.color(m_pressed)); });
    // Each feeds the stylesheet editor through its operation, loading the editor hidden when it is not loaded.
    using Apply = void (HtmlWindow::*)(core::ColorValue);
    const std::pair<QAction*, Apply> items[] = {
        { menu.mnuMALink, &HtmlWindow::ApplyALink },
        { menu.mnuMBG, &HtmlWindow::ApplyBG },
        { menu.mnuMLink, &HtmlWindow::ApplyLink },
        { menu.mnuMText, &HtmlWindow::ApplyText },
        { menu.mnuMVLink, &HtmlWindow::ApplyVLink },
    };
    for (const auto& [item, apply] : items)
        EnableCommand(
            item, this, [this, &editor, apply = apply] { (editor.load().*apply)(m_colors.color(m_pressed)); });
}

void SwatchMenu::press(ColorSlot slot, Qt::MouseButton button)
{
    m_menu.mnuSet->setText(slot == ColorSlot::One ? tr("Set as Color #2") : tr("Set as Color #1"));
    if (button != Qt::RightButton)
        return;
    m_pressed = slot;
    m_menu.mnuMenu->popup(QCursor::pos());
}

} // namespace tw
