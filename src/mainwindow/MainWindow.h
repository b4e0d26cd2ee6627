#pragma once
#include "mainwindow/Services.h"
#include "model/ColorSlot.h"

#include <QMainWindow>

#include <memory>

class QCloseEvent;

namespace tw {

class WorkingColors;

// frmColour: composes the features around the two working colours and shows each colour in its swatch and
// six notations. It keeps its widgets and features to itself; tests find controls by their object names.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Services services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The second half of start-up, in its fixed order: restore the settings, set both colours to black, open
    // the command-line file, end the start-up phase, set up the magnifier.
    void continueFormLoad();
    // Reads every setting the main window keeps (start-up) / writes those written at shutdown, as one batch.
    void restoreSettings();
    bool saveSettings();
    // Saves the settings table, empties "Cap" and ends the program; runs once, from Exit, closing the window
    // or a request of the system to end.
    void shutdown();

    // The file path given on this start's command line (empty when none); opened during start-up.
    void setCommandLine(const QString& path);
    QString commandLine() const;
    // The hand-over from a second start: the path it was handed becomes "Cmd" and the command line, then
    // OpenHer opens it and brings the window forward.
    void receiveHandOver(const QString& path);
    void OpenHer();

    WorkingColors& colors();
    // The bare name of the palette or colour file last opened or saved.
    QString currentFileName() const;

    // Named operations: GetRGBValue and GetRGBValue2 show Color #1 / Color #2 afresh in all their displays,
    // GetHEXValue the current colour's.
    void GetRGBValue();
    void GetRGBValue2();
    void GetHEXValue();
    // Sets a colour from another window: colorText is a decimal colour value or a system colour constant. A
    // text that is neither changes nothing and answers false.
    bool setColor(const QString& colorText, bool forColor2);
    // Records Color #1 (1) or Color #2 (any other number) as the newest history entry.
    void History(int which);

Q_SIGNALS:
    // The window is on the screen and the checks that follow its first paint are through.
    void startUpFinished();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Removes the tray icon and ends the event loop; nothing is written (the uninstaller calls it directly).
    void endProgram();
    struct Parts;
    void buildUi();
    void showColor(ColorSlot slot);
    void showCodesTipOnce();
    void layOutCompact(bool compact);

    Services m_services;
    std::unique_ptr<Parts> d;
};

} // namespace tw
