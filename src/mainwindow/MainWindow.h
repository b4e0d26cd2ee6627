#pragma once
#include "core/ColorValue.h"
#include "core/Hsl.h"
#include "core/Messages.h"
#include "mainwindow/CodeFrame.h"
#include "mainwindow/ColorSlot.h"
#include "mainwindow/Services.h"

#include <QMainWindow>

#include <functional>

#include <memory>

class QAction;
class QBoxLayout;
class QCloseEvent;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace tw {

class ColorFiles;
class PaletteFiles;
class PaletteGrid;
class CodeEntry;
class CopyButtons;
class ScreenSampler;
class Sliders;
class ColorHistory;
class Swatch;

inline constexpr const char* kAppTitle = "Tintwise Color Picker";
// The caption carries one trailing space when no file is current; a second start looks for it.
inline constexpr const char* kPlainCaption = "Tintwise Color Picker ";

// frmColour: holds the two working colours (the swatches' colours), shows each in six notations and is the
// path every colour change ends in: write the swatch, make the colour current in Combo1, refresh, apply the
// RGB fields, record with History.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Services services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The second half of start-up, in its fixed order: restore the settings, fill Combo1, set both colours
    // to black, open the command-line file, end the start-up phase, set up the magnifier.
    void continueFormLoad();
    // Reads every setting the main window keeps (start-up) / writes those written at shutdown.
    void restoreSettings();
    void saveSettings();
    // The hand-over from a second start: opens the file named by the setting "Cmd" and brings the window
    // forward.
    void OpenHer();
    // The file path given on this start's command line (empty when none); opened during start-up.
    void setCommandLine(const QString& path) { m_commandLine = path; }
    QString commandLine() const { return m_commandLine; }

    // Refresh operations. GetRGBValue writes Color #1's channels into the fields of the current colour,
    // the slides and (unless held) the HSL fields; GetRGBValue2 refreshes every display of Color #2, hex
    // fields included; GetHEXValue rebuilds the four hex fields of the current colour.
    void GetRGBValue();
    void GetRGBValue2();
    void GetHEXValue();
    // GetRGBValue + GetHEXValue for Color #1, GetRGBValue2 for Color #2.
    void refresh(ColorSlot slot);

    // Sets a colour from another window: colorText is a decimal colour value. A text that is no colour
    // value changes nothing and answers false.
    bool setColor(const QString& colorText, bool forColor2);

    // Records Color #1 (1) or Color #2 (any other number) as the newest history entry.
    void History(int which);

Q_SIGNALS:
    // Raised by every History call outside start-up, before the entry is stored.
    void historyRecorded(int which);

public:
    // The apply step of the RGB fields: runs the RGB check of each of the colour's three fields, in the
    // order red, green, blue, but only while the current-colour flag names that colour.
    void applyRgbFields(ColorSlot slot);
    // One RGB field: on success sets its channel of the swatch and paints the field in that channel.
    bool applyRgbField(ColorSlot slot, CodeField field);

    void invert(ColorSlot slot);
    void makeWebSafe(ColorSlot slot);

    core::ColorValue color(ColorSlot slot) const;
    void setSwatchColor(ColorSlot slot, core::ColorValue value);
    ColorSlot currentColor() const;
    // Sets Combo1's list index, which runs its selection behaviour when the index changes.
    void setCurrentColor(ColorSlot slot);
    void setCurrentColorFlag(ColorSlot slot) { m_currentColorFlag = slot == ColorSlot::Two; }
    ColorSlot currentColorFlag() const { return m_currentColorFlag ? ColorSlot::Two : ColorSlot::One; }

    Swatch* swatch(ColorSlot slot) const;
    CodeFrame* codeFrame(ColorSlot slot) const;
    QAction* action(const char* name) const;
    // Enables the menu item and runs command whenever it is chosen, for as long as context lives.
    QAction* enableCommand(const char* name, QObject* context, std::function<void()> command) const;
    const Services& services() const { return m_services; }

    // Shows one message box with the application's title and an OK button.
    void showMessage(const core::Message& message);

    // The focus goes to the target after a button was used, so a button never keeps it.
    void focusTarget();
    void setFocusTarget(QWidget* target) { m_focusTarget = target; }

    // Set near the end of start-up; the wheel zoom of a drag acts only after it.
    bool blnStarted = false;

    // The form-level flags other features read and set.
    bool refreshGuard() const { return m_refreshGuard; }
    void setHslHold(bool hold) { m_hslHold = hold; }
    bool startupFlag() const { return m_startupFlag; }
    void setStartupFlag(bool on) { m_startupFlag = on; }
    core::Hsl lastHsl() const { return m_hsl; }
    // The text a code field held when it last took the focus; a refused entry is put back to it.
    QString focusText() const { return m_focusText; }
    void setFocusText(const QString& text) { m_focusText = text; }

    // Places for the feature areas: the target, the magnifier and the palette.
    QBoxLayout* targetArea() const { return m_targetArea; }
    QBoxLayout* zoomArea() const { return m_zoomArea; }
    QBoxLayout* paletteArea() const { return m_paletteArea; }

    Swatch* picHover = nullptr;
    Swatch* picSelected = nullptr;
    QLabel* lblEmpty = nullptr;
    QLabel* lblEmpty2 = nullptr;
    CodeFrame* Frame1 = nullptr;
    CodeFrame* Frame2 = nullptr;
    QComboBox* Combo1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QScrollBar* hsbRed = nullptr;
    QScrollBar* hsbGreen = nullptr;
    QScrollBar* hsbBlue = nullptr;
    QLabel* lblRed = nullptr;
    QLabel* lblGreen = nullptr;
    QLabel* lblBlue = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdCopy2 = nullptr;
    QPushButton* cmdInvert = nullptr;
    QPushButton* cmdInvert2 = nullptr;
    QPushButton* Command17 = nullptr;
    QPushButton* Command18 = nullptr;

    // Feature areas; each is built by the constructor and lives as long as the window.

    // Code entry: typing, spin buttons and precision slides, copy buttons.
    // Members, not child objects: they go before the fields whose events they watch.
    std::unique_ptr<CodeEntry> codeEntry;
    std::unique_ptr<Sliders> sliders;
    std::unique_ptr<CopyButtons> copyButtons;

    // History and the settings of the window.
    ColorHistory& colorHistory() const { return *m_colorHistory; }
    // Saves the settings table, empties "Cap" and ends the program; runs once, from Exit or closing the window.
    void shutdown();

    // Screen sampling: the target, the magnifier, the mini picker.
    ScreenSampler* sampler = nullptr;

    // The palette grid, palette files and colour files.
    PaletteGrid* fraPal = nullptr;
    PaletteFiles* paletteFiles = nullptr;
    ColorFiles* colorFiles = nullptr;
    // The bare name of the palette or colour file last opened or saved; empty after a new or default palette.
    QString currentFileName() const { return m_currentFileName; }
    // Sets the name and the caption that shows it ("Tintwise Color Picker - " + name, or the plain caption
    // when the name is empty) and stores the caption as "Cap", by which a second start finds this window.
    void setCurrentFileName(const QString& name);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildUi();
    void onCombo1Selected(int index);
    void onExpandToggled();
    void refreshColor1Fields(ColorSlot target);
    void writeHslFields(CodeFrame* frame, core::ColorValue value);
    void paintChannelField(CodeFrame* frame, CodeField field, int channel);
    void colorSlideLabels(ColorSlot slot);

    Services m_services;
    QWidget* m_focusTarget = nullptr;
    QBoxLayout* m_targetArea = nullptr;
    QBoxLayout* m_zoomArea = nullptr;
    QBoxLayout* m_paletteArea = nullptr;

    // Refresh guard: True while a refresh writes the fields and slides, whose change handlers then stay
    // quiet.
    bool m_refreshGuard = false;
    // Current-colour flag: which colour's RGB fields the apply step serves (false: Color #1).
    bool m_currentColorFlag = false;
    // HSL hold flag: while an HSL spin button drives the colour, the refresh leaves the HSL fields alone.
    bool m_hslHold = false;
    // Start-up flag: True while continueFormLoad runs; History records nothing then.
    bool m_startupFlag = false;
    core::Hsl m_hsl;
    QString m_focusText;
    QString m_commandLine;
    QString m_currentFileName;
    std::unique_ptr<ColorHistory> m_colorHistory;
    bool m_shutDown = false;
};

} // namespace tw
