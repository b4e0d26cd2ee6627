#include "codes/ColorCommands.h"

#include "model/WorkingColors.h"
#include "platform/SystemColors.h"
#include "widgets/FocusHome.h"
#include "widgets/Prompts.h"
#include "widgets/Swatch.h"

#include <QPushButton>

namespace tw {

ColorCommands::ColorCommands(WorkingColors& colors, Controls controls, platform::Prompter& prompter,
    platform::SystemColors& systemColors, const FocusHome& focusHome, QWidget& window)
    : QObject(&window)
    , m_colors(colors)
    , m_controls(controls)
    , m_prompter(prompter)
    , m_systemColors(systemColors)
    , m_focusHome(focusHome)
    , m_window(window)
{
    setObjectName(QStringLiteral("colorCommands"));
    connect(controls.cmdInvert, &QPushButton::clicked, this, [this] {
        invert(ColorSlot::One);
        m_focusHome.restore();
    });
    connect(controls.cmdInvert2, &QPushButton::clicked, this, [this] {
        invert(ColorSlot::Two);
        m_focusHome.restore();
    });
    connect(controls.Command17, &QPushButton::clicked, this, [this] { makeWebSafe(ColorSlot::One); });
    connect(controls.Command18, &QPushButton::clicked, this, [this] { makeWebSafe(ColorSlot::Two); });
}

void ColorCommands::invert(ColorSlot slot)
{
    (slot == ColorSlot::One ? m_controls.picHover : m_controls.picSelected)->setFocus();
    m_colors.setCurrent(slot);
    if (!m_colors.isSet(slot)) {
        Tell(m_prompter, &m_window, { "Please select a color to invert", core::MessageIcon::Exclamation });
        return;
    }
    m_colors.take(slot, core::InvertColor(m_colors.color(slot)));
}

void ColorCommands::makeWebSafe(ColorSlot slot)
{
    const QString question = slot == ColorSlot::One ? tr("Are you sure you want to make Color #1 web-safe?")
                                                    : tr("Are you sure you want to make Color #2 web-safe?");
    // Any answer but No goes on.
    const platform::PromptAnswer answer = m_prompter.ask(&m_window,
        { question, QString::fromLatin1(kAppTitle), core::MessageIcon::Question, platform::PromptButtons::YesNo,
            platform::PromptAnswer::Yes });
    if (answer == platform::PromptAnswer::No)
        return;
    const core::ColorValue safe
        = core::MakeWebSafe(m_colors.color(slot), [this](int index) { return m_systemColors.systemColor(index); });
    m_colors.take(slot, safe);
    m_focusHome.restore();
}

} // namespace tw
