#pragma once
#include "platform/FileDialogs.h"

#include <QString>

namespace tw::platform {

class QtFileDialogs : public FileDialogs {
public:
    QString getOpenFileName(
        QWidget* parent, const QString& title, const QString& filterDescription, const QString& pattern) override;
    QString getSaveFileName(QWidget* parent, const QString& title, const QString& filterDescription,
        const QString& pattern, const QString& defaultName) override;

private:
    // The save dialog leaves the next dialog in the folder of the file just chosen; the open dialog does not.
    QString m_lastSaveFolder;
};

} // namespace tw::platform
