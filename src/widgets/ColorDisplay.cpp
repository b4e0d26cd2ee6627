#include "widgets/ColorDisplay.h"

#include "model/WorkingColors.h"
#include "widgets/CodeFrame.h"
#include "widgets/Swatch.h"

#include <QLabel>

namespace tw {

ColorDisplay::ColorDisplay(const WorkingColors& colors, ColorSlot slot, Swatch& swatch, CodeFrame& frame)
    : QObject(&frame)
    , m_colors(colors)
    , m_slot(slot)
    , m_swatch(swatch)
    , m_frame(frame)
{
    connect(&colors, &WorkingColors::changed, this, [this](ColorSlot changed) {
        if (changed == m_slot)
            show();
    });
}

void ColorDisplay::show()
{
    m_swatch.setColor(m_colors.color(m_slot));
    if (QLabel* empty = m_swatch.emptyLabel())
        empty->setVisible(!m_colors.isSet(m_slot));
    m_frame.show(m_colors.notations(m_slot));
}

} // namespace tw
