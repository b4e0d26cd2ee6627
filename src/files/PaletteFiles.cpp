#include "files/PaletteFiles.h"

#include "core/PaletteText.h"
#include "files/CurrentFile.h"
#include "files/EncodedFile.h"
#include "palette/PaletteGrid.h"
#include "platform/FileDialogs.h"
#include "widgets/Buttons.h"
#include "widgets/Prompts.h"

#include <QAction>
#include <QFileInfo>

namespace tw {

namespace {
    FileKind Kind()
    {
        return { QStringLiteral("Tintwise Color Picker Palette (*.tcpp)"), QStringLiteral("*.tcpp") };
    }
} // namespace

PaletteFiles::PaletteFiles(
    PaletteGrid& grid, CurrentFile& currentFile, Menu menu, FileServices services, QWidget& window)
    : QObject(&window)
    , m_grid(grid)
    , m_currentFile(currentFile)
    , m_services(services)
    , m_window(window)
    , m_random(core::SystemUnitRandom())
{
    setObjectName(QStringLiteral("paletteFiles"));
    EnableCommand(menu.mnuPNew, this, [this] { newPalette(); });
    EnableCommand(menu.mnuPD, this, [this] { openDefaultPalette(); });
    EnableCommand(menu.mnuPO, this, [this] { openPalette(); });
    EnableCommand(menu.mnuPS, this, [this] { savePaletteAs(); });
    grid.setNewPaletteCommand([this] { newPalette(); });
}

bool PaletteFiles::confirm(const QString& question)
{
    return AskYesNo(m_services.prompter, &m_window, question);
}

void PaletteFiles::newPalette()
{
    if (!confirm(tr("Do you want to create a new color palette? This will clear the current palette.")))
        return;
    m_grid.setPalette(core::EmptyPalette());
    m_currentFile.setName({});
}

void PaletteFiles::openDefaultPalette()
{
    if (!confirm(tr("Do you want to load the default color palette? This will clear the current palette.")))
        return;
    m_grid.setPalette(core::DefaultPalette());
    m_currentFile.setName({});
}

void PaletteFiles::openPalette()
{
    QString path;
    const std::optional<std::string> plain = AskAndRead(m_services, m_window, tr("Open Color Palette"), Kind(), path);
    if (!plain)
        return;
    const std::optional<core::Palette> palette = core::ParsePaletteText(*plain);
    if (!palette) {
        Tell(m_services.prompter, &m_window,
            { "This is not a valid color palette and it cannot be read", core::MessageIcon::Exclamation });
        return;
    }
    m_grid.setPalette(*palette);
    m_currentFile.setName(QFileInfo(path).fileName());
}

void PaletteFiles::savePaletteAs()
{
    const QString current = m_currentFile.name();
    const QString defaultName = current.toLower().endsWith(QStringLiteral(".tcpp")) ? current : QString();
    QString path;
    if (AskAndSave(m_services, m_window, tr("Save Color Palette"), Kind(), defaultName,
            core::BuildPaletteText(m_grid.palette()), m_random, path))
        m_currentFile.setName(QFileInfo(path).fileName());
}

} // namespace tw
