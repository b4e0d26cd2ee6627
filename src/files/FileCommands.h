#pragma once
#include "core/FileText.h"

#include <QString>

#include <optional>
#include <string>

class QWidget;

namespace tw::platform {
class FileDialogs;
class Prompter;
} // namespace tw::platform

namespace tw {

// The services the file commands use.
struct FileServices {
    platform::Prompter& prompter;
    platform::FileDialogs& fileDialogs;
};

// One kind of file of the program: the dialogs' filter and pattern.
struct FileKind {
    QString filter;
    QString pattern;
};

// Asks for a file to open and reads it. Nothing when the dialog was cancelled, or when the file could not be
// read, which the user was told (with the path and what happened). path is the file chosen.
std::optional<std::string> AskAndRead(
    const FileServices& services, QWidget& window, const QString& title, const FileKind& kind, QString& path);

// Asks where to save and writes plain there, encoded. False when the dialog was cancelled or the save failed,
// which the user was told; a failed save leaves any file at the path as it was. path is the file chosen.
bool AskAndSave(const FileServices& services, QWidget& window, const QString& title, const FileKind& kind,
    const QString& defaultName, std::string_view plain, const core::UnitRandom& random, QString& path);

} // namespace tw
