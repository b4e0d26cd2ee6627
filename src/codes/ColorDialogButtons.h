#pragma once
#include "model/ColorSlot.h"

#include <QObject>

class QPushButton;

namespace tw::platform {
class ColorDialog;
class Prompter;
} // namespace tw::platform

namespace tw {

class Swatch;
class WorkingColors;

// The "Palette" buttons beside the swatches: each opens the colour dialog over the main window, starting on its
// working colour; the colour chosen becomes that working colour. Cancel changes nothing.
class ColorDialogButtons : public QObject {
    Q_OBJECT
public:
    struct Controls {
        QPushButton* Command1;
        QPushButton* Command2;
        Swatch* picHover;
        Swatch* picSelected;
    };
    ColorDialogButtons(WorkingColors& colors, Controls controls, platform::ColorDialog& colorDialog,
        platform::Prompter& prompter, QWidget& window);

    void choose(ColorSlot slot);

private:
    WorkingColors& m_colors;
    Controls m_controls;
    platform::ColorDialog& m_colorDialog;
    platform::Prompter& m_prompter;
    QWidget& m_window;
};

} // namespace tw
