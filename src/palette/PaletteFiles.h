#pragma once
#include "core/FileText.h"

#include <QObject>

namespace tw {

class MainWindow;
class PaletteGrid;

// The palette commands of the "&File" menu: New Color Palette, Open Default Color Palette, Open Color
// Palette... and Save Color Palette As.... Each one that succeeds sets the current file name and caption.
class PaletteFiles : public QObject {
    Q_OBJECT
public:
    PaletteFiles(MainWindow& window, PaletteGrid& grid);

    // Each asks first; a No changes nothing.
    void newPalette();
    void openDefaultPalette();
    // A file that is not a palette is refused with a message and changes nothing.
    void openPalette();
    // A save that fails says so and leaves the file name, the caption and any file at the path as they were.
    void savePaletteAs();

private:
    bool confirm(const QString& question);

    MainWindow& m_window;
    PaletteGrid& m_grid;
    core::UnitRandom m_random;
};

} // namespace tw
