#pragma once
#include "model/ColorSlot.h"

#include <QObject>

class QPushButton;

namespace tw::platform {
class Prompter;
class SystemColors;
} // namespace tw::platform

namespace tw {

class FocusHome;
class Swatch;
class WorkingColors;

// "Invert" and "Web-safe" beside each working colour.
class ColorCommands : public QObject {
    Q_OBJECT
public:
    struct Controls {
        QPushButton* cmdInvert;
        QPushButton* cmdInvert2;
        QPushButton* Command17;
        QPushButton* Command18;
        Swatch* picHover;
        Swatch* picSelected;
    };
    ColorCommands(WorkingColors& colors, Controls controls, platform::Prompter& prompter,
        platform::SystemColors& systemColors, const FocusHome& focusHome, QWidget& window);

    // Refused with a message while the colour holds nothing yet.
    void invert(ColorSlot slot);
    // Asks first; No changes nothing.
    void makeWebSafe(ColorSlot slot);

private:
    WorkingColors& m_colors;
    Controls m_controls;
    platform::Prompter& m_prompter;
    platform::SystemColors& m_systemColors;
    const FocusHome& m_focusHome;
    QWidget& m_window;
};

} // namespace tw
