#pragma once
#include "mainwindow/Services.h"
#include "tests/fakes/FakeClipboard.h"
#include "tests/fakes/FakeColorDialog.h"
#include "tests/fakes/FakeDesktopIntegration.h"
#include "tests/fakes/FakeFileDialogs.h"
#include "tests/fakes/FakePrompter.h"
#include "tests/fakes/FakeScreen.h"
#include "tests/fakes/FakeScreenshotPortal.h"
#include "tests/fakes/FakeSystemColors.h"
#include "tests/fakes/FakeTray.h"
#include "tests/fakes/MemorySettingsStore.h"

namespace tw::test {

// One set of fakes for every service the main window takes.
struct FakeServices {
    FakePrompter prompter;
    FakeSystemColors systemColors;
    platform::MemorySettingsStore settings;
    FakeClipboard clipboard;
    FakeScreen screen;
    FakeFileDialogs fileDialogs;
    FakeTray tray;
    FakeColorDialog colorDialog;
    FakeFileAssociations associations;
    FakeShell shell;
    FakeScreenshotPortal portal;

    Services services()
    {
        return { prompter, systemColors, settings, clipboard, screen, fileDialogs, tray, colorDialog, associations,
            shell, portal };
    }
};

} // namespace tw::test
