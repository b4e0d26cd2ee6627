#pragma once
#include "mainwindow/CodeFrame.h"
#include "mainwindow/ColorSlot.h"

#include <QObject>

namespace tw {

class MainWindow;
class Swatch;

// Copying to the clipboard: "Copy" puts the colour as a one-pixel picture, a double-click on a swatch puts
// a swatch-sized picture, and the "C" button of a row puts that row's code as text, exactly as the fields
// show it (the RGB and HSL rows join their three fields with ", "). Every copy replaces what the clipboard
// held.
class CopyButtons : public QObject {
    Q_OBJECT
public:
    explicit CopyButtons(MainWindow& window);

    void copyColor(ColorSlot slot);
    void copySwatch(ColorSlot slot);
    void copyRow(ColorSlot slot, CodeRow row);
    // The text a row's button copies.
    QString rowText(ColorSlot slot, CodeRow row) const;

    // picCopy: the hidden one-pixel picture that "Copy" fills with the colour.
    Swatch* picCopy = nullptr;

private:
    MainWindow& m_window;
};

} // namespace tw
