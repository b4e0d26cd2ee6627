#pragma once
#include "core/FileText.h"
#include "files/FileCommands.h"

#include <QObject>

class QAction;

namespace tw {

class CurrentFile;
class PaletteGrid;

// The palette commands of the "&File" menu: New Color Palette, Open Default Color Palette, Open Color
// Palette... and Save Color Palette As.... Each one that succeeds sets the current file name and caption.
class PaletteFiles : public QObject {
    Q_OBJECT
public:
    struct Menu {
        QAction* mnuPNew;
        QAction* mnuPD;
        QAction* mnuPO;
        QAction* mnuPS;
    };
    PaletteFiles(PaletteGrid& grid, CurrentFile& currentFile, Menu menu, FileServices services, QWidget& window);

    // Each asks first; a No changes nothing.
    void newPalette();
    void openDefaultPalette();
    // A file that is not a palette is refused with a message and changes nothing.
    void openPalette();
    // A save that fails says so and leaves the file name, the caption and any file at the path as they were.
    void savePaletteAs();

private:
    bool confirm(const QString& question);

    PaletteGrid& m_grid;
    CurrentFile& m_currentFile;
    FileServices m_services;
    QWidget& m_window;
    core::UnitRandom m_random;
};

} // namespace tw
