#pragma once
#include "model/ColorSlot.h"

#include <QObject>

class QAction;
class QMenu;

namespace tw {

class HtmlEditor;
class Swatch;
class WorkingColors;

// mnuMenu, the menu a right press on a working colour's swatch opens: the pressed colour becomes the other
// working colour, or one of the stylesheet editor's five colours.
class SwatchMenu : public QObject {
    Q_OBJECT
public:
    struct Swatches {
        Swatch* picHover;
        Swatch* picSelected;
    };
    struct Menu {
        QMenu* mnuMenu;
        QAction* mnuSet;
        QAction* mnuMALink;
        QAction* mnuMBG;
        QAction* mnuMLink;
        QAction* mnuMText;
        QAction* mnuMVLink;
    };
    SwatchMenu(WorkingColors& colors, Swatches swatches, Menu menu, HtmlEditor& editor, QWidget& window);

    // The swatch pressed last, whose colour the items hand on.
    ColorSlot pressedSlot() const { return m_pressed; }

private:
    void press(ColorSlot slot, Qt::MouseButton button);

    WorkingColors& m_colors;
    Menu m_menu;
    ColorSlot m_pressed = ColorSlot::One;
};

} // namespace tw
