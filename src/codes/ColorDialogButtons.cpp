#include "codes/ColorDialogButtons.h"

#include "model/WorkingColors.h"
#include "platform/ColorDialog.h"
#include "widgets/Prompts.h"
#include "widgets/Swatch.h"

#include <QPushButton>

namespace tw {

ColorDialogButtons::ColorDialogButtons(WorkingColors& colors, Controls controls, platform::ColorDialog& colorDialog,
    platform::Prompter& prompter, QWidget& window)
    : QObject(&window)
    , m_colors(colors)
    , m_controls(controls)
    , m_colorDialog(colorDialog)
    , m_prompter(prompter)
    , m_window(window)
{
    setObjectName(QStringLiteral("colorDialogButtons"));
    connect(controls.Command1, &QPushButton::clicked, this, [this] { choose(ColorSlot::One); });
    connect(controls.Command2, &QPushButton::clicked, this, [this] { choose(ColorSlot::Two); });
}

void ColorDialogButtons::choose(ColorSlot slot)
{
    Swatch* swatch = slot == ColorSlot::One ? m_controls.picHover : m_controls.picSelected;
    if (swatch->isVisible())
        swatch->setFocus();
    const platform::ColorChoice choice = m_colorDialog.ChooseColorDialog(&m_window, m_colors.color(slot));
    switch (choice.outcome) {
    case platform::ColorDialogOutcome::Cancelled:
        return;
    case platform::ColorDialogOutcome::Failed:
        // Both buttons name "Palette #2": the text is the program's own.
        Tell(m_prompter, &m_window,
            { "An unknown error has occured and Palette #2 cannot be displayed.\nPlease use the main palette "
              "instead.",
                core::MessageIcon::Critical });
        return;
    case platform::ColorDialogOutcome::Chosen:
        // Also the colour it already had: it is recorded and shown afresh like any other choice.
        m_colors.take(slot, choice.color);
        return;
    }
}

} // namespace tw
