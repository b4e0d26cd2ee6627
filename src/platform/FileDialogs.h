#pragma once
#include <QString>

class QWidget;

namespace tw::platform {

// The open and save dialogs of the palette and colour files. Each shows one filter entry, for example
// "Tintwise Color Picker Palette (*.tcpp)" with the pattern "*.tcpp".
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The full path of the chosen file, or the empty text when cancelled.
    virtual QString getOpenFileName(
        QWidget* parent, const QString& title, const QString& filterDescription, const QString& pattern)
        = 0;
    // Asks before an existing file is replaced; the empty text when cancelled.
    virtual QString getSaveFileName(QWidget* parent, const QString& title, const QString& filterDescription,
        const QString& pattern, const QString& defaultName)
        = 0;
};

} // namespace tw::platform
