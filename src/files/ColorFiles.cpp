#include "files/ColorFiles.h"

#include "core/PaletteText.h"
#include "files/CurrentFile.h"
#include "files/EncodedFile.h"
#include "model/WorkingColors.h"
#include "palette/PaletteGrid.h"
#include "platform/FileDialogs.h"
#include "widgets/Buttons.h"
#include "widgets/Prompts.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QLoggingCategory>

namespace tw {

namespace {
    Q_LOGGING_CATEGORY(lcFiles, "tw.files", QtWarningMsg)

    FileKind Kind()
    {
        return { QStringLiteral("Tintwise Color Picker Color (*.tcpc)"), QStringLiteral("*.tcpc") };
    }
} // namespace

ColorFiles::ColorFiles(WorkingColors& colors, PaletteGrid& grid, CurrentFile& currentFile, Menu menu,
    FileServices services, QWidget& window)
    : QObject(&window)
    , m_colors(colors)
    , m_grid(grid)
    , m_currentFile(currentFile)
    , m_services(services)
    , m_window(window)
    , m_random(core::SystemUnitRandom())
{
    setObjectName(QStringLiteral("colorFiles"));
    EnableCommand(menu.mnuOpen1, this, [this] { openColor(ColorSlot::One); });
    EnableCommand(menu.mnuOpen2, this, [this] { openColor(ColorSlot::Two); });
    EnableCommand(menu.mnuSave1, this, [this] { saveColor(ColorSlot::One); });
    EnableCommand(menu.mnuSave2, this, [this] { saveColor(ColorSlot::Two); });
}

void ColorFiles::openColor(ColorSlot slot)
{
    const QString title = slot == ColorSlot::One ? tr("Open Color as Color #1") : tr("Open Color as Color #2");
    QString path;
    const std::optional<std::string> plain = AskAndRead(m_services, m_window, title, Kind(), path);
    if (!plain)
        return;
    const std::optional<core::ColorText> color = core::ParseColorText(*plain);
    if (!color) {
        Tell(m_services.prompter, &m_window,
            { "This is not a valid Color file and it cannot be read", core::MessageIcon::Exclamation });
        return;
    }
    m_colors.take(slot, color->value);
    m_currentFile.setName(QFileInfo(path).fileName());
}

void ColorFiles::saveColor(ColorSlot slot)
{
    const QString current = m_currentFile.name();
    const QString defaultName = current.toLower().endsWith(QStringLiteral(".tcpc")) ? current : QString();
    const QString title = slot == ColorSlot::One ? tr("Save Color #1") : tr("Save Color #2");
    const core::ColorText text { HistoryNumberOf(slot), m_colors.color(slot) };
    QString path;
    if (AskAndSave(m_services, m_window, title, Kind(), defaultName, core::BuildColorText(text), m_random, path))
        m_currentFile.setName(QFileInfo(path).fileName());
}

bool ColorFiles::openCommandLineFile(const QString& path)
{
    // The path exactly as it came, percent-encoded so that any byte shows on one line.
    qCDebug(
        lcFiles, "opening the file named on the command line: %s", path.toUtf8().toPercentEncoding("/").constData());
    // A relative path names a file in the folder the program was started from.
    const QFileInfo file(path);
    const ReadResult read = ReadEncodedFile(file.absoluteFilePath());
    if (auto failed = ReadFailedMessage(file.absoluteFilePath(), read)) {
        failed->icon = core::MessageIcon::Critical;
        Tell(m_services.prompter, &m_window, *failed);
        return false;
    }
    const std::optional<std::string>& plain = read.plain;
    const std::optional<core::ColorText> color = plain ? core::ParseColorText(*plain) : std::nullopt;
    const std::optional<core::Palette> palette = plain && !color ? core::ParsePaletteText(*plain) : std::nullopt;
    if (!color && !palette) {
        Tell(m_services.prompter, &m_window,
            { "Cannot read file due to possible data corruption.", core::MessageIcon::Critical });
        return false;
    }
    if (color)
        m_colors.take(color->digit == 1 ? ColorSlot::One : ColorSlot::Two, color->value, WithoutRecord());
    else
        m_grid.setPalette(*palette);
    m_currentFile.setName(file.fileName());
    return true;
}

bool ColorFiles::openHandedOverFile(const QString& path)
{
    // The path handed over, not "Cmd": a settings file that could not be written may still hold an older
    // start's, and opening that one would replace the palette unasked.
    if (path.size() < 3)
        return true;
    return openCommandLineFile(path);
}

} // namespace tw
