#pragma once
#include "mainwindow/MainWindow.h"
#include "tests/fakes/FakeServices.h"

#include <QLineEdit>
#include <QTest>

namespace tw::test {

// A main window on the fakes, started as the program starts it (not for the first time) and shown (Combo1 only
// refreshes a visible window).
struct MainWindowFixture {
    FakeServices fakes;
    MainWindow window { fakes.services() };

    MainWindowFixture()
    {
        // The one-time tip of a first start would answer the prompts a test scripts: take it as seen.
        fakes.settings.writeBool(QStringLiteral("Main"), QStringLiteral("blnCodesTip"), true);
        window.continueFormLoad();
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("main window not exposed");
    }
    MainWindow* operator->() { return &window; }
    QString text(ColorSlot slot, CodeField field) const { return window.codeFrame(slot)->field(field)->text(); }
};

} // namespace tw::test
