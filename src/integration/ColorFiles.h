#pragma once
#include "core/FileText.h"
#include "mainwindow/ColorSlot.h"

#include <QObject>

namespace tw {

class MainWindow;
class PaletteGrid;

// Colour files (".tcpc"): the four colour commands of the "&File" menu, and the opening of a colour or
// palette file named on the command line, at start-up or handed over by a second start.
class ColorFiles : public QObject {
    Q_OBJECT
public:
    ColorFiles(MainWindow& window, PaletteGrid& grid);

    // A file saved from either colour opens as either colour; the history records the colour.
    void openColor(ColorSlot slot);
    void saveColor(ColorSlot slot);

    // Opens a colour file (either digit) or a palette file without recording any history. Anything else,
    // or a path that names no readable file, is refused with the corruption message and changes nothing.
    // True when the file was opened.
    bool openCommandLineFile(const QString& path);
    // The hand-over of a second start: opens the file it handed over (also stored as "Cmd"), unless the path
    // is shorter than three characters. False when a file was named but refused: the window then stays where it is.
    bool openHandedOverFile();

private:
    MainWindow& m_window;
    PaletteGrid& m_grid;
    core::UnitRandom m_random;
};

} // namespace tw
