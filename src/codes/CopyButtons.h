#pragma once
#include "model/ColorSlot.h"
#include "widgets/CodeFrame.h"

#include <QObject>

class QPushButton;

namespace tw::platform {
class Clipboard;
}

namespace tw {

class FocusHome;
class Swatch;
class WorkingColors;

// Copying to the clipboard: "Copy" puts the colour as a one-pixel picture, a double-click on a swatch puts
// a swatch-sized picture, and the "C" button of a row puts that row's code as text, exactly as the fields
// show it (the RGB and HSL rows join their three parts with ", "). Every copy replaces what the clipboard
// held.
class CopyButtons : public QObject {
    Q_OBJECT
public:
    struct Controls {
        QPushButton* cmdCopy;
        QPushButton* cmdCopy2;
        Swatch* picHover;
        Swatch* picSelected;
        CodeFrame* frame1;
        CodeFrame* frame2;
    };
    CopyButtons(const WorkingColors& colors, Controls controls, platform::Clipboard& clipboard,
        const FocusHome& focusHome, QWidget& window);

    void copyColor(ColorSlot slot);
    void copySwatch(ColorSlot slot);
    void copyRow(ColorSlot slot, CodeRow row);
    // The text a row's button copies.
    QString rowText(ColorSlot slot, CodeRow row) const;

private:
    const WorkingColors& m_colors;
    Controls m_controls;
    platform::Clipboard& m_clipboard;
    const FocusHome& m_focusHome;
    // picCopy: the hidden one-pixel picture that "Copy" fills with the colour.
    Swatch* m_picCopy = nullptr;
};

} // namespace tw
