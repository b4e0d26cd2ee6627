#include "palette/PaletteFiles.h"

#include "core/PaletteText.h"
#include "mainwindow/MainWindow.h"
#include "palette/EncodedFile.h"
#include "palette/PaletteGrid.h"
#include "platform/FileDialogs.h"
#include "platform/Prompter.h"

#include <QAction>
#include <QFileInfo>

namespace tw {

namespace {
    const QString kFilter = QStringLiteral("Tintwise Color Picker Palette (*.tcpp)");
    const QString kPattern = QStringLiteral("*.tcpp");
} // namespace

PaletteFiles::PaletteFiles(MainWindow& window, PaletteGrid& grid)
    : QObject(&window)
    , m_window(window)
    , m_grid(grid)
    , m_random(core::SystemUnitRandom())
{
    const std::pair<const char*, void (PaletteFiles::*)()> commands[] = {
        { "mnuPNew", &PaletteFiles::newPalette },
        { "mnuPD", &PaletteFiles::openDefaultPalette },
        { "mnuPO", &PaletteFiles::openPalette },
        { "mnuPS", &PaletteFiles::savePaletteAs },
    };
    for (const auto& [name, command] : commands)
        window.enableCommand(name, this, [this, command] { (this->*command)(); });
}

bool PaletteFiles::confirm(const QString& question)
{
    return m_window.services().prompter.ask(&m_window,
               { question, QString::fromLatin1(kAppTitle), core::MessageIcon::Question, platform::PromptButtons::YesNo,
                   platform::PromptAnswer::Yes })
        == platform::PromptAnswer::Yes;
}

void PaletteFiles::newPalette()
{
    if (!confirm(tr("Do you want to create a new color palette? This will clear the current palette.")))
        return;
    m_grid.setPalette(core::EmptyPalette());
    m_window.setCurrentFileName({});
}

void PaletteFiles::openDefaultPalette()
{
    if (!confirm(tr("Do you want to load the default color palette? This will clear the current palette.")))
        return;
    m_grid.setPalette(core::DefaultPalette());
    m_window.setCurrentFileName({});
}

void PaletteFiles::openPalette()
{
    const QString path
        = m_window.services().fileDialogs.getOpenFileName(&m_window, tr("Open Color Palette"), kFilter, kPattern);
    if (path.isEmpty())
        return;
    const std::optional<std::string> plain = ReadEncodedFile(path);
    const std::optional<core::Palette> palette = plain ? core::ParsePaletteText(*plain) : std::nullopt;
    if (!palette) {
        m_window.showMessage(
            { "This is not a valid color palette and it cannot be read", core::MessageIcon::Exclamation });
        return;
    }
    m_grid.setPalette(*palette);
    m_window.setCurrentFileName(QFileInfo(path).fileName());
}

void PaletteFiles::savePaletteAs()
{
    const QString current = m_window.currentFileName();
    const QString defaultName = current.toLower().endsWith(QStringLiteral(".tcpp")) ? current : QString();
    const QString path = m_window.services().fileDialogs.getSaveFileName(
        &m_window, tr("Save Color Palette"), kFilter, kPattern, defaultName);
    if (path.isEmpty())
        return;
    const SaveResult result = WriteEncodedFile(path, core::BuildPaletteText(m_grid.palette()), m_random);
    if (!result.ok()) {
        m_window.showMessage(SaveFailedMessage(path, result));
        return;
    }
    m_window.setCurrentFileName(QFileInfo(path).fileName());
}

} // namespace tw
