#pragma once
#include "platform/FileDialogs.h"

namespace tw::platform {

class QtFileDialogs : public FileDialogs {
public:
    QString getOpenFileName(
        QWidget* parent, const QString& title, const QString& filterDescription, const QString& pattern) override;
    QString getSaveFileName(QWidget* parent, const QString& title, const QString& filterDescription,
        const QString& pattern, const QString& defaultName) override;
};

} // namespace tw::platform
