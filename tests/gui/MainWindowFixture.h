#pragma once
#include "codes/CodeEntry.h"
#include "codes/Sliders.h"
#include "files/CurrentFile.h"
#include "mainwindow/MainWindow.h"
#include "model/WorkingColors.h"
#include "palette/PaletteGrid.h"
#include "sampling/ScreenSampler.h"
#include "tests/fakes/FakeServices.h"
#include "widgets/CodeFrame.h"
#include "widgets/Swatch.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace tw::test {

// A control of a window, found by its object name; a missing one fails the test at once.
template<typename T>
T* Find(const QObject& parent, const QString& name)
{
    T* found = name.isEmpty() ? parent.findChild<T*>() : parent.findChild<T*>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

// The controls and features of a main window, found by their object names: the window keeps them to itself.
struct Look {
    MainWindow& w;
    core::ColorValue color(ColorSlot slot) const { return w.colors().color(slot); }
    QAction* action(const char* name) const { return Find<QAction>(w, QString::fromLatin1(name)); }
    QComboBox* Combo1() const { return Find<QComboBox>(w, QStringLiteral("Combo1")); }
    PaletteGrid* fraPal() const { return Find<PaletteGrid>(w, QStringLiteral("fraPal")); }
    CodeFrame* codeFrame(ColorSlot slot) const
    {
        return Find<CodeFrame>(w, slot == ColorSlot::One ? QStringLiteral("Frame1") : QStringLiteral("Frame2"));
    }
    QScrollBar* hsbRed() const { return Find<QScrollBar>(w, QStringLiteral("hsbRed")); }
    QScrollBar* hsbGreen() const { return Find<QScrollBar>(w, QStringLiteral("hsbGreen")); }
    QScrollBar* hsbBlue() const { return Find<QScrollBar>(w, QStringLiteral("hsbBlue")); }
    Sliders* sliders() const { return Find<Sliders>(w, QStringLiteral("sliders")); }
    CodeEntry* codeEntry() const { return w.findChild<CodeEntry*>(); }
    QCheckBox* Check1() const { return Find<QCheckBox>(w, QStringLiteral("Check1")); }
    QGroupBox* Frame3() const { return Find<QGroupBox>(w, QStringLiteral("Frame3")); }
    QPushButton* cmdCopy() const { return Find<QPushButton>(w, QStringLiteral("cmdCopy")); }
    QPushButton* cmdCopy2() const { return Find<QPushButton>(w, QStringLiteral("cmdCopy2")); }
    QPushButton* cmdInvert() const { return Find<QPushButton>(w, QStringLiteral("cmdInvert")); }
    ScreenSampler* sampler() const { return Find<ScreenSampler>(w, QStringLiteral("screenSampler")); }
    Swatch* picHover() const { return Find<Swatch>(w, QStringLiteral("picHover")); }
    Swatch* picSelected() const { return Find<Swatch>(w, QStringLiteral("picSelected")); }
    QLabel* lblEmpty() const { return Find<QLabel>(w, QStringLiteral("lblEmpty")); }
    QLabel* lblEmpty2() const { return Find<QLabel>(w, QStringLiteral("lblEmpty2")); }
    void setCurrentFileName(const QString& name) const { Find<CurrentFile>(w, QString())->setName(name); }
    void setCurrentColor(ColorSlot slot) const { w.colors().setCurrent(slot); }
    bool startupFlag() const { return w.colors().startingUp(); }
};

// A main window on the fakes, started as the program starts it (not for the first time) and shown.
struct MainWindowFixture {
    FakeServices fakes;
    MainWindow window { fakes.services() };

    MainWindowFixture()
    {
        // The one-time tip of a first start would answer the prompts a test scripts: take it as seen.
        if (!fakes.settings.writeBool(QStringLiteral("Main"), QStringLiteral("blnCodesTip"), true))
            qFatal("the memory store refused a write");
        window.continueFormLoad();
        // What follows the first frame (the icons, the tray, the start-up checks) is done before a test begins.
        QSignalSpy startUp(&window, &MainWindow::startUpFinished);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("main window not exposed");
        if (!QTest::qWaitFor([&startUp] { return !startUp.isEmpty(); }, 10000))
            qFatal("the main window's start-up did not finish");
    }
    MainWindow* operator->() { return &window; }
    WorkingColors& colors() { return window.colors(); }
    template<typename T>
    T* find(const QString& name) const
    {
        return Find<T>(window, name);
    }
    template<typename T>
    T* find(const char* name) const
    {
        return Find<T>(window, QString::fromLatin1(name));
    }
    CodeFrame* frame(ColorSlot slot) const { return find<CodeFrame>(slot == ColorSlot::One ? "Frame1" : "Frame2"); }
    QLineEdit* field(ColorSlot slot, CodeField field) const { return frame(slot)->field(field); }
    QString text(ColorSlot slot, CodeField which) const { return field(slot, which)->text(); }
    core::ColorValue color(ColorSlot slot) { return colors().color(slot); }
    QAction* action(const char* name) const { return find<QAction>(name); }
};

} // namespace tw::test
