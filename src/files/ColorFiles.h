#pragma once
#include "core/FileText.h"
#include "files/FileCommands.h"
#include "model/ColorSlot.h"

#include <QObject>

class QAction;

namespace tw {

class CurrentFile;
class PaletteGrid;
class WorkingColors;

// Colour files (".tcpc"): the four colour commands of the "&File" menu, and the opening of a colour or
// palette file named on the command line, at start-up or handed over by a second start.
class ColorFiles : public QObject {
    Q_OBJECT
public:
    struct Menu {
        QAction* mnuOpen1;
        QAction* mnuOpen2;
        QAction* mnuSave1;
        QAction* mnuSave2;
    };
    ColorFiles(WorkingColors& colors, PaletteGrid& grid, CurrentFile& currentFile, Menu menu, FileServices services,
        QWidget& window);

    // A file saved from either colour opens as either colour; the history records the colour.
    void openColor(ColorSlot slot);
    void saveColor(ColorSlot slot);

    // Opens a colour file (either digit) or a palette file without recording any history. Anything else,
    // or a path that names no readable file, is refused with the corruption message and changes nothing.
    // True when the file was opened.
    bool openCommandLineFile(const QString& path);
    // The hand-over of a second start: opens the file it handed over, unless the path is shorter than three
    // characters. False when a file was named but refused: the window then stays where it is.
    bool openHandedOverFile(const QString& path);

private:
    WorkingColors& m_colors;
    PaletteGrid& m_grid;
    CurrentFile& m_currentFile;
    FileServices m_services;
    QWidget& m_window;
    core::UnitRandom m_random;
};

} // namespace tw
