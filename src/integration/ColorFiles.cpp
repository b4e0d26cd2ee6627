#include "integration/ColorFiles.h"

#include "core/PaletteText.h"
#include "mainwindow/MainWindow.h"
#include "palette/EncodedFile.h"
#include "palette/PaletteGrid.h"
#include "platform/FileDialogs.h"
#include "platform/SettingsStore.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>

namespace tw {

namespace {
    const QString kFilter = QStringLiteral("Tintwise Color Picker Color (*.tcpc)");
    const QString kPattern = QStringLiteral("*.tcpc");
} // namespace

ColorFiles::ColorFiles(MainWindow& window, PaletteGrid& grid)
    : QObject(&window)
    , m_window(window)
    , m_grid(grid)
    , m_random(core::SystemUnitRandom())
{
    const std::pair<const char*, std::function<void()>> commands[] = {
        { "mnuOpen1", [this] { openColor(ColorSlot::One); } },
        { "mnuOpen2", [this] { openColor(ColorSlot::Two); } },
        { "mnuSave1", [this] { saveColor(ColorSlot::One); } },
        { "mnuSave2", [this] { saveColor(ColorSlot::Two); } },
    };
    for (const auto& [name, command] : commands)
        window.enableCommand(name, this, command);
}

void ColorFiles::openColor(ColorSlot slot)
{
    const QString title = slot == ColorSlot::One ? tr("Open Color as Color #1") : tr("Open Color as Color #2");
    const QString path = m_window.services().fileDialogs.getOpenFileName(&m_window, title, kFilter, kPattern);
    if (path.isEmpty())
        return;
    const std::optional<std::string> plain = ReadEncodedFile(path);
    const std::optional<core::ColorText> color = plain ? core::ParseColorText(*plain) : std::nullopt;
    if (!color) {
        m_window.showMessage(
            { "This is not a valid Color file and it cannot be read", core::MessageIcon::Exclamation });
        return;
    }
    m_window.setSwatchColor(slot, color->value);
    m_window.setCurrentColor(slot);
    m_window.refresh(slot);
    m_window.History(HistoryNumberOf(slot));
    m_window.setCurrentFileName(QFileInfo(path).fileName());
}

void ColorFiles::saveColor(ColorSlot slot)
{
    const QString current = m_window.currentFileName();
    const QString defaultName = current.toLower().endsWith(QStringLiteral(".tcpc")) ? current : QString();
    const QString title = slot == ColorSlot::One ? tr("Save Color #1") : tr("Save Color #2");
    const QString path
        = m_window.services().fileDialogs.getSaveFileName(&m_window, title, kFilter, kPattern, defaultName);
    if (path.isEmpty())
        return;
    const core::ColorText text { HistoryNumberOf(slot), m_window.color(slot) };
    const SaveResult result = WriteEncodedFile(path, core::BuildColorText(text), m_random);
    if (!result.ok()) {
        m_window.showMessage(SaveFailedMessage(path, result));
        return;
    }
    m_window.setCurrentFileName(QFileInfo(path).fileName());
}

bool ColorFiles::openCommandLineFile(const QString& path)
{
    // A relative path names a file in the folder the program was started from.
    const QFileInfo file(path);
    const std::optional<std::string> plain = ReadEncodedFile(file.absoluteFilePath());
    const std::optional<core::ColorText> color = plain ? core::ParseColorText(*plain) : std::nullopt;
    const std::optional<core::Palette> palette = plain && !color ? core::ParsePaletteText(*plain) : std::nullopt;
    if (!color && !palette) {
        m_window.showMessage({ "Cannot read file due to possible data corruption.", core::MessageIcon::Critical });
        return false;
    }
    if (color && color->digit == 1) {
        m_window.setSwatchColor(ColorSlot::One, color->value);
        m_window.setCurrentColor(ColorSlot::One);
        m_window.GetRGBValue();
        m_window.GetHEXValue();
    } else if (color) {
        m_window.setSwatchColor(ColorSlot::Two, color->value);
        m_window.setCurrentColor(ColorSlot::Two);
        const bool color1Empty = !m_window.lblEmpty->isHidden();
        m_window.GetRGBValue2();
        if (color1Empty)
            m_window.lblEmpty->show();
    } else {
        m_grid.setPalette(*palette);
    }
    m_window.setCurrentFileName(file.fileName());
    return true;
}

bool ColorFiles::openHandedOverFile()
{
    // The path handed over is on the window; "Cmd" holds the same path, but a settings file that could not
    // be written may still hold an older start's, and opening that one would replace the palette unasked.
    const QString command = m_window.commandLine();
    if (command.size() < 3)
        return true;
    return openCommandLineFile(command);
}

} // namespace tw
