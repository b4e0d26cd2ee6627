#pragma once
#include "platform/qt/DBusScreenshotPortal.h"
#include "platform/qt/IniSettingsStore.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtColorDialog.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtPrompter.h"
#include "platform/qt/QtScreen.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/QtSystemColors.h"
#include "platform/qt/QtTray.h"
#include "platform/qt/XdgFileAssociations.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tw::platform {

// Every OS service of the real program on Linux, made once the application object exists: the settings in
// the user's configuration folder, the file associations and the shell for the program's own path.
struct QtServices {
    QtPrompter prompter;
    QtSystemColors systemColors;
    IniSettingsStore settings { IniSettingsStore::defaultFilePath() };
    QtClipboard clipboard;
    QtScreen screen;
    QtFileDialogs fileDialogs;
    QtTray tray;
    QtColorDialog colorDialog;
    XdgFileAssociations associations { QCoreApplication::applicationFilePath() };
    DBusScreenshotPortal portal;
    QtShell shell { QCoreApplication::applicationFilePath(), QFileInfo(settings.filePath()).absolutePath() };
};

} // namespace tw::platform
