#include "mainwindow/MainWindow.h"

#include "codes/CodeEntry.h"
#include "codes/ColorCommands.h"
#include "codes/ColorDialogButtons.h"
#include "codes/CopyButtons.h"
#include "codes/Sliders.h"
#include "codes/VisibleRows.h"
#include "files/ColorFiles.h"
#include "files/CurrentFile.h"
#include "files/PaletteFiles.h"
#include "history/HistoryRecorder.h"
#include "html/HtmlEditor.h"
#include "html/SwatchMenu.h"
#include "integration/Associations.h"
#include "integration/HelpCommands.h"
#include "mainwindow/MainMenu.h"
#include "mainwindow/StartUp.h"
#include "model/WorkingColors.h"
#include "palette/PaletteGrid.h"
#include "platform/Prompter.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "platform/SystemColors.h"
#include "sampling/ScreenSampler.h"
#include "sampling/TargetPicture.h"
#include "sampling/ZoomFrame.h"
#include "web/WebSection.h"
#include "widgets/AppIcon.h"
#include "widgets/Buttons.h"
#include "widgets/CodeFrame.h"
#include "widgets/ColorDisplay.h"
#include "widgets/FocusHome.h"
#include "widgets/Prompts.h"
#include "widgets/SettingsWrites.h"
#include "widgets/Swatch.h"
#include "window/TrayIcon.h"
#include "window/WindowOptions.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace tw {

namespace {

    QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text)
    {
        auto* label = new QLabel(text, parent);
        label->setObjectName(QString::fromLatin1(name));
        return label;
    }

} // namespace

// Everything the window is made of. Features are children of the window (Qt deletes them); the members that
// are not QObjects, and the model the features refer to, live here and go after the features.
struct MainWindow::Parts {
    Parts(Services services)
        : writes(services.settings, services.prompter)
    {
    }

    WorkingColors colors;
    SettingsWrites writes;
    FocusHome focusHome;
    MainMenu menu;
    CurrentFile* currentFile = nullptr;
    QString commandLine;
    bool shutDown = false;

    Swatch* picHover = nullptr;
    Swatch* picSelected = nullptr;
    CodeFrame* Frame1 = nullptr;
    CodeFrame* Frame2 = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdCopy2 = nullptr;
    QPushButton* cmdInvert = nullptr;
    QPushButton* cmdInvert2 = nullptr;
    QPushButton* Command17 = nullptr;
    QPushButton* Command18 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QGroupBox* fraTarget = nullptr;
    QVBoxLayout* leftColumn = nullptr;
    QVBoxLayout* rightColumn = nullptr;
    QVBoxLayout* bottomRow = nullptr;
    QBoxLayout* topRow = nullptr;

    ColorDisplay* display1 = nullptr;
    ColorDisplay* display2 = nullptr;
    CodeEntry* codeEntry = nullptr;
    Sliders* sliders = nullptr;
    CopyButtons* copyButtons = nullptr;
    ColorCommands* colorCommands = nullptr;
    ColorDialogButtons* colorDialogButtons = nullptr;
    HtmlEditor* htmlEditor = nullptr;
    SwatchMenu* swatchMenu = nullptr;
    HistoryRecorder* history = nullptr;
    ScreenSampler* sampler = nullptr;
    PaletteGrid* fraPal = nullptr;
    PaletteFiles* paletteFiles = nullptr;
    ColorFiles* colorFiles = nullptr;
    VisibleRows* visibleRows = nullptr;
    WindowOptions* windowOptions = nullptr;
    TrayIcon* tray = nullptr;
    Associations* associations = nullptr;
    HelpCommands* help = nullptr;
    WebSection* web = nullptr;
    QWidget* Line1 = nullptr;
};

MainWindow::MainWindow(Services services, QWidget* parent)
    : QMainWindow(parent)
    , m_services(services)
    , d(std::make_unique<Parts>(services))
{
    setObjectName(QStringLiteral("frmColour"));
    setWindowTitle(CurrentFile::captionOf({}));
    d->writes.setWindow(this);
    d->menu = BuildMainMenu(*this);
    // The menu bar keeps the desktop's colours under every scheme, as menus elsewhere do.
    QPalette menuColours = QApplication::palette(menuBar());
    menuColours.setResolveMask(~QPalette::ResolveMask(0));
    menuBar()->setPalette(menuColours);
    buildUi();

    // Every view of the two colours follows the model: the swatches and code frames here (first, so that the
    // slides' captions take the fields' new channel colours), the slides in their feature.
    d->display1 = new ColorDisplay(d->colors, ColorSlot::One, *d->picHover, *d->Frame1);
    d->display2 = new ColorDisplay(d->colors, ColorSlot::Two, *d->picSelected, *d->Frame2);

    d->codeEntry = new CodeEntry(d->colors, *d->Frame1, *d->Frame2, { d->menu.mnuNotify, d->menu.mnuHigh },
        services.prompter, services.systemColors, *this);
    d->sliders = new Sliders(d->colors, *d->Frame1, *d->Frame2, services.prompter, *this);
    d->copyButtons
        = new CopyButtons(d->colors, { d->cmdCopy, d->cmdCopy2, d->picHover, d->picSelected, d->Frame1, d->Frame2 },
            services.clipboard, d->focusHome, *this);
    d->colorCommands = new ColorCommands(d->colors,
        { d->cmdInvert, d->cmdInvert2, d->Command17, d->Command18, d->picHover, d->picSelected }, services.prompter,
        services.systemColors, d->focusHome, *this);
    d->colorDialogButtons = new ColorDialogButtons(d->colors, { d->Command1, d->Command2, d->picHover, d->picSelected },
        services.colorDialog, services.prompter, *this);
    d->htmlEditor = new HtmlEditor(
        { services.prompter, services.clipboard, services.colorDialog, services.systemColors, d->writes },
        { d->menu.mnuHTML, d->menu.mnuTop }, *this);
    d->swatchMenu = new SwatchMenu(d->colors, { d->picHover, d->picSelected },
        { d->menu.mnuMenu, d->menu.mnuSet, d->menu.mnuMALink, d->menu.mnuMBG, d->menu.mnuMLink, d->menu.mnuMText,
            d->menu.mnuMVLink },
        *d->htmlEditor, *this);
    d->history = new HistoryRecorder(
        d->colors, services.settings, d->writes, services.prompter, { d->menu.mnuHistory, d->menu.mnuTop }, *this);
    EnableCommand(d->menu.mnuExit, this, [this] { close(); });

    d->sampler = new ScreenSampler(
        d->colors, { services.screen, services.prompter, services.clipboard, services.portal }, *this);
    d->sampler->attachMenu(d->menu.mnuFreeze, { d->menu.mnuAvg0, d->menu.mnuAvg1, d->menu.mnuAvg2, d->menu.mnuAvg3 });
    d->focusHome.setTarget(d->sampler->target());

    d->fraPal = new PaletteGrid(d->colors, { d->menu.mnuEP, d->menu.mnuEP1, d->menu.mnuEP2, d->menu.mnuEPDel },
        services.prompter, d->writes, *this, d->picSelected);
    d->currentFile = new CurrentFile(d->writes, this);
    connect(d->currentFile, &CurrentFile::captionChanged, this, &QWidget::setWindowTitle);
    d->paletteFiles = new PaletteFiles(*d->fraPal, *d->currentFile,
        { d->menu.mnuPNew, d->menu.mnuPD, d->menu.mnuPO, d->menu.mnuPS }, { services.prompter, services.fileDialogs },
        *this);
    d->colorFiles = new ColorFiles(d->colors, *d->fraPal, *d->currentFile,
        { d->menu.mnuOpen1, d->menu.mnuOpen2, d->menu.mnuSave1, d->menu.mnuSave2 },
        { services.prompter, services.fileDialogs }, *this);

    d->visibleRows = new VisibleRows(*d->Frame1, *d->Frame2,
        { d->menu.mnuVCode0, d->menu.mnuVCode1,
            { d->menu.mnuVCode3, d->menu.mnuVCode4, d->menu.mnuVCode5, d->menu.mnuVCode6, d->menu.mnuVCode7,
                d->menu.mnuVCode8 } },
        d->writes, *this);
    d->windowOptions
        = new WindowOptions({ d->menu.mnuStick, d->menu.mnuTop, d->menu.mnuHide,
                                { d->menu.mnuTP0, d->menu.mnuTP1, d->menu.mnuTP2, d->menu.mnuTP3, d->menu.mnuTP4 },
                                { d->menu.mnuScheme0, d->menu.mnuScheme1, d->menu.mnuScheme2, d->menu.mnuScheme3,
                                    d->menu.mnuScheme4, d->menu.mnuScheme5 } },
            { d->picHover, d->picSelected, d->Line1 }, services.systemColors, *this);
    connect(d->windowOptions, &WindowOptions::compactChanged, this, &MainWindow::layOutCompact);
    connect(d->sliders, &Sliders::expandedChanged, this, [this] { layOutCompact(d->windowOptions->compact()); });
    d->tray = new TrayIcon(
        { d->menu.mnuExitMin, d->menu.mnuPop, d->menu.mnuPOpen, d->menu.mnuPMini, d->menu.mnuPExit },
        { services.tray, services.prompter, services.settings }, d->writes, [this] { d->sampler->cmdMini_Click(); },
        *this);
    // The tray's Open brings back the stylesheet editor too when it was minimised.
    d->tray->setRestoreAlso([this] { d->htmlEditor->restoreMinimized(); });
    d->associations = new Associations({ services.associations, services.prompter }, *this);
    d->help = new HelpCommands(
        { services.shell, services.associations, services.settings, services.prompter, services.clipboard },
        { d->menu.mnuTips, d->menu.mnuCheck, d->menu.mnuAbout, d->menu.mnuUninstall, d->menu.mnuTop }, *this);
    // Uninstalled: the program ends at once, and writes no settings that would leave a trace.
    connect(d->help, &HelpCommands::uninstalled, this, [this] { endProgram(); });
    d->web = new WebSection(d->colors, { services.prompter, services.clipboard, d->writes },
        { d->menu.mnuVCode0, d->menu.mnuVCode1,
            { d->menu.mnuVCss0, d->menu.mnuVCss1, d->menu.mnuVCss2, d->menu.mnuVCss3, d->menu.mnuVCss4,
                d->menu.mnuVCss5, d->menu.mnuVCss6, d->menu.mnuVCss7 },
            d->menu.mnuTemplates },
        *this);

    // The features' own widgets take their places.
    auto* targetLayout = static_cast<QVBoxLayout*>(d->fraTarget->layout());
    targetLayout->insertWidget(0, d->sampler->target(), 0, Qt::AlignHCenter);
    auto* toggles = new QHBoxLayout;
    toggles->addWidget(d->sliders->expandBox());
    toggles->addWidget(d->web->toggle());
    toggles->addStretch();
    d->leftColumn->addLayout(toggles);
    // The palette lies below the code frames: hiding rows moves it up and makes the window shorter.
    d->leftColumn->addWidget(d->fraPal, 0, Qt::AlignHCenter);
    d->leftColumn->addStretch();
    // The slides' frame lies below everything, so that "Expand" makes the window taller by it.
    d->bottomRow->addWidget(d->sliders->slidesFrame());
    // The contrast, CSS and template section lies below the slides, so that it makes the window taller.
    d->bottomRow->addWidget(d->web->section());
    d->rightColumn->addWidget(d->sampler->zoomFrame());
    d->rightColumn->addWidget(d->sampler->miniButton());
    d->rightColumn->addStretch();
    connect(d->sliders, &Sliders::expandedChanged, this, [this] { d->focusHome.restore(); });

    // The program sets the window's size: it follows what is shown ("Expand", and the rows and modes that
    // change the layout), and the user cannot drag it out of shape or maximise it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

MainWindow::~MainWindow()
{
    // The features and widgets refer to the model and the other parts: they go before them, so that no event
    // of a widget being torn down (a field losing the focus) reaches a feature whose model is gone.
    const QObject* features[] = { d->codeEntry, d->sliders, d->copyButtons, d->colorCommands, d->colorDialogButtons,
        d->swatchMenu, d->htmlEditor, d->history, d->sampler, d->paletteFiles, d->colorFiles, d->currentFile,
        d->visibleRows, d->windowOptions, d->tray, d->associations, d->help, d->web };
    for (const QObject* feature : features)
        delete feature;
    delete takeCentralWidget();
}

void MainWindow::buildUi()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Picture6"));
    setCentralWidget(central);
    auto* rows = new QVBoxLayout(central);
    rows->setContentsMargins(6, 6, 6, 6);
    rows->setSpacing(6);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(6);
    rows->addLayout(columns);
    d->bottomRow = new QVBoxLayout;
    rows->addLayout(d->bottomRow);

    d->leftColumn = new QVBoxLayout;
    columns->addLayout(d->leftColumn);

    // Top row: the target frame beside the two swatches with their buttons.
    auto* top = new QHBoxLayout;
    d->topRow = top;
    d->leftColumn->addLayout(top);
    d->fraTarget = new QGroupBox(tr("Target:"), central);
    d->fraTarget->setObjectName(QStringLiteral("fraTarget"));
    d->fraTarget->setToolTip(tr("Left-click Target for Color #1 or right-click Target for Color #2."));
    auto* targetArea = new QVBoxLayout(d->fraTarget);
    targetArea->setContentsMargins(6, 4, 6, 4);
    targetArea->addStretch();
    auto* hint = MakeLabel(d->fraTarget, "lblTargetHint", tr("(use to select colors)"));
    hint->setAlignment(Qt::AlignCenter);
    targetArea->addWidget(hint);
    top->addWidget(d->fraTarget);

    auto* swatches = new QWidget(central);
    swatches->setObjectName(QStringLiteral("Picture4"));
    auto* swatchGrid = new QGridLayout(swatches);
    swatchGrid->setContentsMargins(0, 0, 0, 0);
    swatchGrid->setHorizontalSpacing(0);
    swatchGrid->setVerticalSpacing(2);
    d->picHover = new Swatch(swatches);
    d->picHover->setObjectName(QStringLiteral("picHover"));
    d->picHover->setAccessibleName(tr("Color #1 swatch"));
    d->picHover->setToolTip(tr("Double-click to copy color; right-click to set as an Html Stylesheet color; "
                               "right-click to set as Color #2"));
    d->picHover->addEmptyLabel(QStringLiteral("lblEmpty"));
    d->picSelected = new Swatch(swatches);
    d->picSelected->setObjectName(QStringLiteral("picSelected"));
    d->picSelected->setAccessibleName(tr("Color #2 swatch"));
    d->picSelected->setToolTip(tr("Double-click to copy color; right-click to set as an Html Stylesheet color; "
                                  "right-click to set as Color #1"));
    d->picSelected->addEmptyLabel(QStringLiteral("lblEmpty2"));
    d->focusHome.setFallback(d->picHover);
    d->cmdCopy = MakeButton(swatches, "cmdCopy", tr("Copy"), tr("Copy Color #1 to the clipboard"));
    d->cmdCopy2 = MakeButton(swatches, "cmdCopy2", tr("Copy"), tr("Copy Color #2 to the clipboard"));
    d->cmdInvert = MakeButton(swatches, "cmdInvert", tr("Invert"), tr("Invert Color #1"));
    d->cmdInvert2 = MakeButton(swatches, "cmdInvert2", tr("Invert"), tr("Invert Color #2"));
    d->Command17 = MakeButton(swatches, "Command17", tr("Web-safe"), tr("Make Color #1 web-safe"));
    d->Command18 = MakeButton(swatches, "Command18", tr("Web-safe"), tr("Make Color #2 web-safe"));
    d->Command1 = MakeButton(swatches, "Command1", tr("Palette"), tr("Display the palette and gradients for Color #1"));
    d->Command2 = MakeButton(swatches, "Command2", tr("Palette"), tr("Display the palette and gradients for Color #2"));
    swatchGrid->addWidget(MakeLabel(swatches, "lblColor1", tr("Color #1")), 0, 0, 1, 2, Qt::AlignCenter);
    swatchGrid->addWidget(MakeLabel(swatches, "lblColor2", tr("Color #2")), 0, 3, 1, 2, Qt::AlignCenter);
    // Line1 stands between the swatches while they are apart ("Stick Color Boxes Together" unchecked).
    auto* line = new QFrame(swatches);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::VLine);
    line->setFixedWidth(8);
    line->hide();
    d->Line1 = line;
    swatchGrid->addWidget(d->picHover, 1, 1, 3, 1, Qt::AlignRight | Qt::AlignTop);
    swatchGrid->addWidget(d->Line1, 1, 2, 3, 1);
    swatchGrid->addWidget(d->picSelected, 1, 3, 3, 1, Qt::AlignLeft | Qt::AlignTop);
    swatchGrid->addWidget(d->cmdCopy, 1, 0);
    swatchGrid->addWidget(d->cmdInvert, 2, 0);
    swatchGrid->addWidget(d->Command17, 3, 0);
    swatchGrid->addWidget(d->cmdCopy2, 1, 4);
    swatchGrid->addWidget(d->cmdInvert2, 2, 4);
    swatchGrid->addWidget(d->Command18, 3, 4);
    swatchGrid->addWidget(d->Command1, 4, 0);
    swatchGrid->addWidget(d->Command2, 4, 4);
    swatchGrid->setColumnMinimumWidth(0, 64);
    swatchGrid->setColumnMinimumWidth(4, 64);
    top->addWidget(swatches, 1);

    // The two code frames side by side.
    auto* frames = new QHBoxLayout;
    d->leftColumn->addLayout(frames);
    d->Frame1 = new CodeFrame(ColorSlot::One, central);
    d->Frame2 = new CodeFrame(ColorSlot::Two, central);
    frames->addWidget(d->Frame1);
    frames->addWidget(d->Frame2);
    setTabOrder(d->Frame1->lastField(), d->Frame2->firstField());

    // The right column: the magnifier above the palette.
    d->rightColumn = new QVBoxLayout;
    columns->addLayout(d->rightColumn);
}

void MainWindow::showColor(ColorSlot slot)
{
    (slot == ColorSlot::One ? d->display1 : d->display2)->show();
}

void MainWindow::continueFormLoad()
{
    // Colours set while starting are not recorded in the history.
    d->colors.setStartingUp(true);
    restoreSettings();
    // Both colours start black: Color #2 first, so Color #1 ends up current.
    d->colors.take(ColorSlot::Two, 0);
    d->colors.take(ColorSlot::One, 0);
    // The file named on the command line.
    if (!d->commandLine.isEmpty())
        d->colorFiles->openCommandLineFile(d->commandLine);
    d->colors.setStartingUp(false);
    // The magnifier view; from now on the wheel zooms a drag.
    d->sampler->setUpMagnifier();
    // The tip about the code rows, once per user, over the window once it is on the screen (its first paint),
    // so that it can stand centred on it.
    centralWidget()->installEventFilter(this);
}

void MainWindow::restoreSettings()
{
    const platform::SettingsStore& store = m_services.settings;
    d->sliders->restoreSettings(store);
    d->codeEntry->restoreSettings(store);
    d->sampler->restoreSettings(store);
    d->visibleRows->restoreSettings(store);
    d->web->restoreSettings(store);
    d->windowOptions->restoreSettings(store);
}

bool MainWindow::saveSettings()
{
    // Each area appends its keys of section "Main" to one batch, so the whole table is one write.
    QList<platform::SettingsChange> changes;
    d->sliders->saveSettings(changes);
    d->codeEntry->saveSettings(changes);
    d->sampler->saveSettings(changes);
    d->windowOptions->saveSettings(changes);
    d->web->saveSettings(changes);
    return d->writes.apply(keys::kMain, changes);
}

void MainWindow::shutdown()
{
    if (d->shutDown)
        return;
    // Set first: a message about a failed write runs events, and a second request must not save again.
    d->shutDown = true;
    // A failed write has been reported by SettingsWrites; the program ends either way.
    if (saveSettings())
        // A later start must not take this window's caption for a running copy.
        d->writes.write(keys::kMain, keys::kCap, QString());
    endProgram();
}

void MainWindow::endProgram()
{
    d->shutDown = true;
    d->tray->remove();
    // Ends the event loop without asking the windows to close: a window that asks first (the stylesheet editor)
    // must not hold up the end.
    QCoreApplication::exit(0);
}

void MainWindow::layOutCompact(bool compact)
{
    // Compact: about half as wide, the magnifier where the palette was; Color #2's frame only while the
    // slides are expanded. "Expand" is collapsed first and not offered.
    QCheckBox* expand = d->sliders->expandBox();
    if (compact && expand->isChecked())
        expand->setChecked(false);
    expand->setVisible(!compact);
    d->fraPal->setVisible(!compact);
    d->visibleRows->setSecondFrameAllowed(!compact || expand->isChecked());
    d->web->setAllowed(!compact);
    // The magnifier moves into the palette's place, below the code frames, and the target stands above the
    // swatches: the window is about half as wide.
    d->topRow->setDirection(compact ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    QBoxLayout* from = compact ? d->rightColumn : d->leftColumn;
    QBoxLayout* to = compact ? d->leftColumn : d->rightColumn;
    QWidget* zoom = d->sampler->zoomFrame();
    QWidget* mini = d->sampler->miniButton();
    if (from->indexOf(zoom) >= 0) {
        from->removeWidget(zoom);
        from->removeWidget(mini);
        const int place = compact ? to->indexOf(d->fraPal) + 1 : 0;
        to->insertWidget(place, zoom);
        to->insertWidget(place + 1, mini);
    }
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Minimised: to the tray, once the state change is through.
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized))
        QTimer::singleShot(0, this, [this] {
            if (windowState() & Qt::WindowMinimized)
                d->tray->windowMinimised();
        });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Paint) {
        MarkStartUp("first paint");
        centralWidget()->removeEventFilter(this);
        // The checks of the file associations and the tip speak over the window once it is on the screen.
        QTimer::singleShot(0, this, [this] {
            // So do the icons of the window and the tray: drawing them and handing them to the display and the
            // notification area would hold the first frame back by a few milliseconds.
            const QIcon icon = AppIcon();
            setWindowIcon(icon);
            d->tray->setUp(icon);
            d->associations->checkAtStartUp();
            showCodesTipOnce();
            MarkStartUp("start-up checks done");
            Q_EMIT startUpFinished();
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    shutdown();
    event->accept();
}

void MainWindow::setCommandLine(const QString& path)
{
    d->commandLine = path;
}

QString MainWindow::commandLine() const
{
    return d->commandLine;
}

void MainWindow::receiveHandOver(const QString& path)
{
    // The later start wrote "Cmd" already; writing it here keeps two starts at the same moment from reading
    // each other's.
    if (m_services.settings.read(keys::kMain, keys::kCmd) != path)
        d->writes.write(keys::kMain, keys::kCmd, path);
    d->commandLine = path;
    OpenHer();
}

void MainWindow::OpenHer()
{
    // A file that cannot be read leaves the window where it is.
    if (!d->colorFiles->openHandedOverFile(d->commandLine))
        return;
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

WorkingColors& MainWindow::colors()
{
    return d->colors;
}

QString MainWindow::currentFileName() const
{
    return d->currentFile->name();
}

void MainWindow::GetRGBValue()
{
    showColor(ColorSlot::One);
}

void MainWindow::GetRGBValue2()
{
    showColor(ColorSlot::Two);
}

void MainWindow::GetHEXValue()
{
    showColor(d->colors.current());
}

bool MainWindow::setColor(const QString& colorText, bool forColor2)
{
    return d->colors.setColor(
        colorText.toStdString(), forColor2, [this](int index) { return m_services.systemColors.systemColor(index); });
}

void MainWindow::History(int which)
{
    d->colors.record(SlotOfHistoryNumber(which));
}

void MainWindow::showCodesTipOnce()
{
    if (m_services.settings.readBool(keys::kMain, keys::kCodesTip, false))
        return;
    m_services.prompter.ask(this,
        { QStringLiteral("Shrink the window size of this program by hiding color codes you don't use. Click on "
                         "\"Visible Color Codes\" in the \"Options\" menu.\n\nThis tip will not appear again."),
            QStringLiteral("Tintwise Color Picker Tip"), core::MessageIcon::Information, platform::PromptButtons::Ok,
            platform::PromptAnswer::Ok });
    d->writes.writeBool(keys::kMain, keys::kCodesTip, true);
}

} // namespace tw
