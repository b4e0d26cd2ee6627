#pragma once
#include "model/ColorSlot.h"

#include <QObject>

namespace tw {

class CodeFrame;
class Swatch;
class WorkingColors;

// The displays of one working colour, its swatch (with the "Empty" label) and its code frame, following the
// model: every change of the colour is shown in both.
class ColorDisplay : public QObject {
    Q_OBJECT
public:
    ColorDisplay(const WorkingColors& colors, ColorSlot slot, Swatch& swatch, CodeFrame& frame);

    // Shows the colour afresh, whatever the widgets hold now.
    void show();

private:
    const WorkingColors& m_colors;
    ColorSlot m_slot;
    Swatch& m_swatch;
    CodeFrame& m_frame;
};

} // namespace tw
