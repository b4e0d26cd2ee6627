#include "platform/qt/QtFileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace tw::platform {

QString QtFileDialogs::getOpenFileName(
    QWidget* parent, const QString& title, const QString& filterDescription, const QString&)
{
    const QString folder = m_lastSaveFolder.isEmpty() ? QDir::currentPath() : m_lastSaveFolder;
    return QFileDialog::getOpenFileName(parent, title, folder, filterDescription);
}

QString QtFileDialogs::getSaveFileName(QWidget* parent, const QString& title, const QString& filterDescription,
    const QString& pattern, const QString& defaultName)
{
    const QString folder = m_lastSaveFolder.isEmpty() ? QDir::currentPath() : m_lastSaveFolder;
    QFileDialog dialog(parent, title, folder, filterDescription);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString(pattern).remove(QStringLiteral("*.")));
    if (!defaultName.isEmpty())
        dialog.selectFile(defaultName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    m_lastSaveFolder = QFileInfo(path).absolutePath();
    return path;
}

} // namespace tw::platform
