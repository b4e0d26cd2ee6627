#include "files/FileCommands.h"

#include "files/EncodedFile.h"
#include "platform/FileDialogs.h"
#include "widgets/Prompts.h"

namespace tw {

std::optional<std::string> AskAndRead(
    const FileServices& services, QWidget& window, const QString& title, const FileKind& kind, QString& path)
{
    path = services.fileDialogs.getOpenFileName(&window, title, kind.filter, kind.pattern);
    if (path.isEmpty())
        return std::nullopt;
    ReadResult read = ReadEncodedFile(path);
    if (const auto failed = ReadFailedMessage(path, read)) {
        Tell(services.prompter, &window, *failed);
        return std::nullopt;
    }
    // A file that was read but holds no encoded text is for the caller to refuse, in its own words.
    return read.plain ? std::move(read.plain) : std::optional<std::string>(std::string());
}

bool AskAndSave(const FileServices& services, QWidget& window, const QString& title, const FileKind& kind,
    const QString& defaultName, std::string_view plain, const core::UnitRandom& random, QString& path)
{
    path = services.fileDialogs.getSaveFileName(&window, title, kind.filter, kind.pattern, defaultName);
    if (path.isEmpty())
        return false;
    const SaveResult result = WriteEncodedFile(path, plain, random);
    if (!result.ok()) {
        Tell(services.prompter, &window, SaveFailedMessage(path, result));
        return false;
    }
    return true;
}

} // namespace tw
