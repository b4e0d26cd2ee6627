#include "mainwindow/MainWindow.h"

#include "codes/CodeEntry.h"
#include "codes/ColorHistory.h"
#include "codes/CopyButtons.h"
#include "codes/HistoryWindow.h"
#include "codes/Sliders.h"
#include "core/CodeChecks.h"
#include "core/Notations.h"
#include "integration/ColorFiles.h"
#include "mainwindow/MainMenu.h"
#include "mainwindow/StartUp.h"
#include "mainwindow/Swatch.h"
#include "palette/PaletteFiles.h"
#include "palette/PaletteGrid.h"
#include "platform/ColorConversion.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "platform/SystemColors.h"
#include "sampling/ScreenSampler.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <limits>

namespace tw {

namespace {

    // Sets a flag for the life of a scope and puts back what it held, so a refresh nested in another does
    // not clear the guard of the refresh that called it.
    class FlagScope {
    public:
        explicit FlagScope(bool& flag)
            : m_flag(flag)
            , m_saved(flag)
        {
            m_flag = true;
        }
        ~FlagScope() { m_flag = m_saved; }
        FlagScope(const FlagScope&) = delete;
        FlagScope& operator=(const FlagScope&) = delete;

    private:
        bool& m_flag;
        bool m_saved;
    };

    void SetFieldText(QLineEdit* field, const QString& text)
    {
        // Writing an unchanged text would still reset the cursor and emit signals.
        if (field->text() != text)
            field->setText(text);
    }

    QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QString& tooltip)
    {
        auto* button = new QPushButton(caption, parent);
        button->setObjectName(QString::fromLatin1(name));
        button->setToolTip(tooltip);
        return button;
    }

    QScrollBar* MakeSlide(QWidget* parent, const char* name)
    {
        auto* slide = new QScrollBar(Qt::Horizontal, parent);
        slide->setObjectName(QString::fromLatin1(name));
        slide->setRange(0, 255);
        slide->setSingleStep(1);
        slide->setPageStep(16);
        slide->setMinimumWidth(255);
        return slide;
    }

    QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text)
    {
        auto* label = new QLabel(text, parent);
        label->setObjectName(QString::fromLatin1(name));
        return label;
    }

    QColor PureChannelColor(CodeField field, int channel)
    {
        switch (field) {
        case CodeField::Red:
            return QColor(channel, 0, 0);
        case CodeField::Green:
            return QColor(0, channel, 0);
        default:
            return QColor(0, 0, channel);
        }
    }

} // namespace

MainWindow::MainWindow(Services services, QWidget* parent)
    : QMainWindow(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmColour"));
    setWindowTitle(QString::fromLatin1(kPlainCaption));
    BuildMainMenu(*this);
    buildUi();

    // Code entry: typing, spin buttons and precision slides, copy buttons.
    codeEntry = std::make_unique<CodeEntry>(*this);
    sliders = std::make_unique<Sliders>(*this);
    copyButtons = std::make_unique<CopyButtons>(*this);

    // History and the settings of the window.
    m_colorHistory = std::make_unique<ColorHistory>(m_services.settings);
    enableCommand("mnuHistory", this, [this] { HistoryWindow::showFor(*this); });
    enableCommand("mnuExit", this, [this] { close(); });

    // Screen sampling: the target, the magnifier, the mini picker.
    sampler = new ScreenSampler(*this);

    // The palette grid, palette files and colour files.
    fraPal = new PaletteGrid(*this);
    m_paletteArea->addWidget(fraPal);
    paletteFiles = new PaletteFiles(*this, *fraPal);
    colorFiles = new ColorFiles(*this, *fraPal);
    fraPal->setNewPaletteCommand([this] { paletteFiles->newPalette(); });
}

MainWindow::~MainWindow() = default;

void MainWindow::buildUi()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Picture6"));
    setCentralWidget(central);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(6, 6, 6, 6);
    columns->setSpacing(6);

    auto* left = new QVBoxLayout;
    columns->addLayout(left);

    // Top row: the target frame beside the two swatches with their buttons.
    auto* top = new QHBoxLayout;
    left->addLayout(top);
    auto* targetFrame = new QGroupBox(tr("Target:"), central);
    targetFrame->setObjectName(QStringLiteral("fraTarget"));
    targetFrame->setToolTip(tr("Left-click Target for Color #1 or right-click Target for Color #2."));
    m_targetArea = new QVBoxLayout(targetFrame);
    m_targetArea->setContentsMargins(6, 4, 6, 4);
    m_targetArea->addStretch();
    auto* hint = MakeLabel(targetFrame, "lblTargetHint", tr("(use to select colors)"));
    hint->setAlignment(Qt::AlignCenter);
    m_targetArea->addWidget(hint);
    top->addWidget(targetFrame);

    auto* swatches = new QWidget(central);
    swatches->setObjectName(QStringLiteral("Picture4"));
    auto* swatchGrid = new QGridLayout(swatches);
    swatchGrid->setContentsMargins(0, 0, 0, 0);
    swatchGrid->setHorizontalSpacing(0);
    swatchGrid->setVerticalSpacing(2);
    picHover = new Swatch(swatches);
    picHover->setObjectName(QStringLiteral("picHover"));
    picHover->setToolTip(tr("Double-click to copy color"));
    lblEmpty = picHover->addEmptyLabel(QStringLiteral("lblEmpty"));
    picSelected = new Swatch(swatches);
    picSelected->setObjectName(QStringLiteral("picSelected"));
    picSelected->setToolTip(tr("Double-click to copy color"));
    lblEmpty2 = picSelected->addEmptyLabel(QStringLiteral("lblEmpty2"));
    cmdCopy = MakeButton(swatches, "cmdCopy", tr("Copy"), tr("Copy Color #1 to the clipboard"));
    cmdCopy2 = MakeButton(swatches, "cmdCopy2", tr("Copy"), tr("Copy Color #2 to the clipboard"));
    cmdInvert = MakeButton(swatches, "cmdInvert", tr("Invert"), tr("Invert Color #1"));
    cmdInvert2 = MakeButton(swatches, "cmdInvert2", tr("Invert"), tr("Invert Color #2"));
    Command17 = MakeButton(swatches, "Command17", tr("Web-safe"), tr("Make Color #1 web-safe"));
    Command18 = MakeButton(swatches, "Command18", tr("Web-safe"), tr("Make Color #2 web-safe"));
    swatchGrid->addWidget(MakeLabel(swatches, "lblColor1", tr("Color #1")), 0, 0, 1, 2, Qt::AlignCenter);
    swatchGrid->addWidget(MakeLabel(swatches, "lblColor2", tr("Color #2")), 0, 2, 1, 2, Qt::AlignCenter);
    swatchGrid->addWidget(picHover, 1, 1, 3, 1, Qt::AlignRight | Qt::AlignTop);
    swatchGrid->addWidget(picSelected, 1, 2, 3, 1, Qt::AlignLeft | Qt::AlignTop);
    swatchGrid->addWidget(cmdCopy, 1, 0);
    swatchGrid->addWidget(cmdInvert, 2, 0);
    swatchGrid->addWidget(Command17, 3, 0);
    swatchGrid->addWidget(cmdCopy2, 1, 3);
    swatchGrid->addWidget(cmdInvert2, 2, 3);
    swatchGrid->addWidget(Command18, 3, 3);
    swatchGrid->setColumnMinimumWidth(0, 64);
    swatchGrid->setColumnMinimumWidth(3, 64);
    top->addWidget(swatches, 1);

    // The two code frames side by side.
    auto* frames = new QHBoxLayout;
    left->addLayout(frames);
    Frame1 = new CodeFrame(ColorSlot::One, central);
    Frame2 = new CodeFrame(ColorSlot::Two, central);
    frames->addWidget(Frame1);
    frames->addWidget(Frame2);

    // "Expand" and the precision slides below them.
    Check1 = new QCheckBox(tr("Expand"), central);
    Check1->setObjectName(QStringLiteral("Check1"));
    left->addWidget(Check1);
    Frame3 = new QGroupBox(tr("Precision RGB Color Slides for"), central);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    auto* slides = new QGridLayout(Frame3);
    Combo1 = new QComboBox(Frame3);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    slides->addWidget(Combo1, 0, 1, Qt::AlignRight);
    lblRed = MakeLabel(Frame3, "lblRed", tr("Red:"));
    lblGreen = MakeLabel(Frame3, "lblGreen", tr("Green:"));
    lblBlue = MakeLabel(Frame3, "lblBlue", tr("Blue:"));
    hsbRed = MakeSlide(Frame3, "hsbRed");
    hsbGreen = MakeSlide(Frame3, "hsbGreen");
    hsbBlue = MakeSlide(Frame3, "hsbBlue");
    slides->addWidget(lblRed, 1, 0);
    slides->addWidget(hsbRed, 1, 1);
    slides->addWidget(lblGreen, 2, 0);
    slides->addWidget(hsbGreen, 2, 1);
    slides->addWidget(lblBlue, 3, 0);
    slides->addWidget(hsbBlue, 3, 1);
    left->addWidget(Frame3);
    Frame3->hide();
    Combo1->hide();
    left->addStretch();

    // The right column: the magnifier above the palette.
    auto* right = new QVBoxLayout;
    columns->addLayout(right);
    m_zoomArea = new QVBoxLayout;
    m_paletteArea = new QVBoxLayout;
    right->addLayout(m_zoomArea);
    right->addLayout(m_paletteArea);
    right->addStretch();

    connect(Combo1, &QComboBox::currentIndexChanged, this, &MainWindow::onCombo1Selected);
    connect(Check1, &QCheckBox::toggled, this, &MainWindow::onExpandToggled);
    connect(cmdInvert, &QPushButton::clicked, this, [this] {
        invert(ColorSlot::One);
        focusTarget();
    });
    connect(cmdInvert2, &QPushButton::clicked, this, [this] {
        invert(ColorSlot::Two);
        focusTarget();
    });
    connect(Command17, &QPushButton::clicked, this, [this] { makeWebSafe(ColorSlot::One); });
    connect(Command18, &QPushButton::clicked, this, [this] { makeWebSafe(ColorSlot::Two); });
}

void MainWindow::continueFormLoad()
{
    // The file associations and their icons, checked (and repaired) before anything else.

    // Colours set while starting are not recorded in the history.
    m_startupFlag = true;

    // The spin buttons and the palette boxes' tooltips.

    restoreSettings();

    if (Combo1->count() == 0) {
        Combo1->addItem(tr("Color #1"));
        Combo1->addItem(tr("Color #2"));
    }
    Combo1->setCurrentIndex(0);

    // The compact or the normal layout.

    // Both colours start black: Color #2 first, so Color #1 ends up current.
    picSelected->setColor(0);
    setCurrentColor(ColorSlot::Two);
    GetRGBValue2();
    applyRgbFields(ColorSlot::Two);
    lblEmpty->hide();
    picHover->setColor(0);
    setCurrentColor(ColorSlot::One);
    GetRGBValue();
    GetHEXValue();
    applyRgbFields(ColorSlot::One);

    // The layout of the visible code rows.

    // The notification-area icon.

    // Always on top.

    // The file named on the command line.
    if (!m_commandLine.isEmpty())
        colorFiles->openCommandLineFile(m_commandLine);

    blnStarted = true;
    m_startupFlag = false;

    // The magnifier view.
    sampler->setUpMagnifier();

    // The association icon files.

    // The tip about the code rows, once per user, over the window that is shown by then.
    QTimer::singleShot(0, this, [this] { ShowCodesTipOnce(*this); });
}

void MainWindow::restoreSettings()
{
    // Each area reads its keys of section "Main" with their defaults; nothing is written here.

    // Code entry: "check1", "notify", "high".
    sliders->restoreSettings();
    codeEntry->restoreSettings();

    // Screen sampling: "newzoom", "grid", "cross", "sel".
    sampler->restoreSettings();

    // Window options: "top", "mode", "hide", "stick", "scheme", "trans0" to "trans4".

    // Visible code rows: "cboCodes-" followed by the row number.
}

void MainWindow::saveSettings()
{
    // Each area appends its keys of section "Main" to one batch, so the whole table is one write.
    QList<platform::SettingsChange> changes;

    // Code entry: "check1", "notify", "high".
    sliders->saveSettings(changes);
    codeEntry->saveSettings(changes);

    // Screen sampling: "newzoom", "grid", "cross", "sel".
    sampler->saveSettings(changes);

    // Window options: "top", "mode", "hide", "stick", "scheme", "trans0" to "trans4".

    if (!changes.isEmpty())
        m_services.settings.apply(QStringLiteral("Main"), changes);
}

void MainWindow::shutdown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    saveSettings();
    // A later start must not take this window's caption for a running copy.
    m_services.settings.write(QStringLiteral("Main"), QStringLiteral("Cap"), QString());

    // The notification-area icon.

    QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    shutdown();
    event->accept();
}

void MainWindow::OpenHer()
{
    // The file of the hand-over. A file that cannot be read leaves the window where it is.
    if (!colorFiles->openHandedOverFile())
        return;

    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void MainWindow::setCurrentFileName(const QString& name)
{
    m_currentFileName = name;
    const QString caption
        = name.isEmpty() ? QString::fromLatin1(kPlainCaption) : QStringLiteral("Tintwise Color Picker - ") + name;
    setWindowTitle(caption);
    m_services.settings.write(QStringLiteral("Main"), QStringLiteral("Cap"), caption);
}

void MainWindow::GetRGBValue()
{
    const FlagScope guard(m_refreshGuard);
    const ColorSlot target = currentColor();
    refreshColor1Fields(target);
    lblEmpty->hide();
    const core::Rgb rgb = core::SplitColor(picHover->color());
    hsbRed->setValue(rgb.red);
    hsbGreen->setValue(rgb.green);
    hsbBlue->setValue(rgb.blue);
    if (!m_hslHold)
        writeHslFields(codeFrame(target), color(target));
}

void MainWindow::refreshColor1Fields(ColorSlot target)
{
    // Color #1's channels go into the fields of the current colour; every path that changes Color #1 makes
    // it current first, so normally these are Color #1's own fields.
    const core::Rgb rgb = core::SplitColor(picHover->color());
    CodeFrame* frame = codeFrame(target);
    SetFieldText(frame->field(CodeField::Red), QString::number(rgb.red));
    SetFieldText(frame->field(CodeField::Green), QString::number(rgb.green));
    SetFieldText(frame->field(CodeField::Blue), QString::number(rgb.blue));
    setCurrentColorFlag(target);
    applyRgbFields(target);
}

void MainWindow::GetRGBValue2()
{
    const FlagScope guard(m_refreshGuard);
    lblEmpty2->hide();
    const core::Rgb rgb = core::SplitColor(picSelected->color());
    SetFieldText(Frame2->field(CodeField::Red), QString::number(rgb.red));
    SetFieldText(Frame2->field(CodeField::Green), QString::number(rgb.green));
    SetFieldText(Frame2->field(CodeField::Blue), QString::number(rgb.blue));
    setCurrentColorFlag(ColorSlot::Two);
    applyRgbFields(ColorSlot::Two);
    hsbRed->setValue(rgb.red);
    hsbGreen->setValue(rgb.green);
    hsbBlue->setValue(rgb.blue);
    if (!m_hslHold)
        writeHslFields(Frame2, picSelected->color());
    GetHEXValue();
}

void MainWindow::writeHslFields(CodeFrame* frame, core::ColorValue value)
{
    m_hsl = core::RgbToHsl(value);
    SetFieldText(frame->field(CodeField::Hue), QString::number(m_hsl.hue));
    SetFieldText(frame->field(CodeField::Sat), QString::number(m_hsl.sat));
    SetFieldText(frame->field(CodeField::Lum), QString::number(m_hsl.lum));
}

void MainWindow::GetHEXValue()
{
    const FlagScope guard(m_refreshGuard);
    const ColorSlot target = currentColor();
    CodeFrame* frame = codeFrame(target);
    // The HTML digits come from the RGB fields, the other three notations from the swatch; after a refresh
    // both hold the same colour.
    const auto channelOf = [frame](CodeField field) {
        const auto number = core::ParseFieldNumber(frame->field(field)->text().toStdString());
        return number ? core::RoundHalfEven(*number) & 0xFF : 0;
    };
    const std::string html
        = core::FormatHtmlHex({ channelOf(CodeField::Red), channelOf(CodeField::Green), channelOf(CodeField::Blue) });
    const std::string vb = core::FormatVbHex(color(target));
    SetFieldText(frame->field(CodeField::Html), QString::fromStdString(html));
    SetFieldText(frame->field(CodeField::Vb), QString::fromStdString(vb));
    SetFieldText(frame->field(CodeField::Delphi), QString::fromStdString(core::FormatDelphiHex(vb)));
    SetFieldText(frame->field(CodeField::Cpp), QString::fromStdString(core::FormatCppHex(vb)));
}

void MainWindow::refresh(ColorSlot slot)
{
    if (slot == ColorSlot::One) {
        GetRGBValue();
        GetHEXValue();
    } else {
        GetRGBValue2();
    }
}

bool MainWindow::setColor(const QString& colorText, bool forColor2)
{
    bool ok = false;
    const qint64 parsed = colorText.trimmed().toLongLong(&ok);
    // An ordinary colour, or a system colour constant (0x80000000..0x80000018), resolved to what it shows.
    const bool ordinary = parsed >= 0 && parsed <= core::kWhite;
    const bool system = parsed >= std::numeric_limits<core::ColorValue>::min() && parsed < 0
        && core::IsSystemColorConstant(static_cast<core::ColorValue>(parsed));
    if (!ok || !(ordinary || system))
        return false;
    auto value = static_cast<core::ColorValue>(parsed);
    value = core::ResolveSystemColor(value, [this](int index) { return m_services.systemColors.systemColor(index); });

    const ColorSlot slot = forColor2 ? ColorSlot::Two : ColorSlot::One;
    setCurrentColorFlag(slot);
    setSwatchColor(slot, value);
    setCurrentColor(slot);
    if (slot == ColorSlot::One)
        GetRGBValue();
    else
        GetRGBValue2();
    GetHEXValue();
    History(HistoryNumberOf(slot));
    lblEmpty->hide();
    return true;
}

void MainWindow::History(int which)
{
    if (m_startupFlag)
        return;
    Q_EMIT historyRecorded(which);
    // A failed write leaves the history as it was; there is nothing the user could do about it here.
    m_colorHistory->record(color(which == 1 ? ColorSlot::One : ColorSlot::Two));
}

void MainWindow::applyRgbFields(ColorSlot slot)
{
    if (currentColorFlag() != slot)
        return;
    for (const CodeField field : { CodeField::Red, CodeField::Green, CodeField::Blue })
        applyRgbField(slot, field);
}

bool MainWindow::applyRgbField(ColorSlot slot, CodeField field)
{
    CodeFrame* frame = codeFrame(slot);
    QLineEdit* edit = frame->field(field);
    const core::RgbFieldCheck check = core::CheckRgbField(edit->text().toStdString());
    if (!check.value) {
        for (const core::Message& message : check.messages)
            showMessage(message);
        edit->setText(m_focusText);
        return false;
    }
    // The field sets its own channel of the swatch; the other two keep the swatch's. After a refresh the
    // fields and the swatch agree, so this is the colour of the three fields; but a neighbour that holds an
    // entry not yet confirmed (or no number at all) must not slip into the colour through this field.
    core::Rgb rgb = core::SplitColor(color(slot));
    (field == CodeField::Red ? rgb.red : field == CodeField::Green ? rgb.green : rgb.blue) = *check.value;
    setSwatchColor(slot, core::MakeColor(rgb));
    paintChannelField(frame, field, *check.value);
    QLabel* label = field == CodeField::Red ? lblRed : field == CodeField::Green ? lblGreen : lblBlue;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, PureChannelColor(field, *check.value));
    label->setPalette(palette);
    setCurrentColor(slot);
    return true;
}

void MainWindow::paintChannelField(CodeFrame* frame, CodeField field, int channel)
{
    QLineEdit* edit = frame->field(field);
    const QColor background = PureChannelColor(field, channel);
    QPalette palette = edit->palette();
    if (palette.color(QPalette::Base) == background)
        return;
    palette.setColor(QPalette::Base, background);
    // The number must stay readable on a dark channel colour.
    palette.setColor(QPalette::Text, channel < 128 ? Qt::white : Qt::black);
    edit->setPalette(palette);
}

void MainWindow::colorSlideLabels(ColorSlot slot)
{
    CodeFrame* frame = codeFrame(slot);
    const std::pair<QLabel*, CodeField> pairs[]
        = { { lblRed, CodeField::Red }, { lblGreen, CodeField::Green }, { lblBlue, CodeField::Blue } };
    for (const auto& [label, field] : pairs) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, frame->field(field)->palette().color(QPalette::Base));
        label->setPalette(palette);
    }
}

void MainWindow::invert(ColorSlot slot)
{
    Swatch* box = swatch(slot);
    box->setFocus();
    setCurrentColor(slot);
    if (box->isEmptyShown()) {
        showMessage({ "Please select a color to invert", core::MessageIcon::Exclamation });
        return;
    }
    box->setColor(core::InvertColor(box->color()));
    History(HistoryNumberOf(slot));
    refresh(slot);
    GetHEXValue();
    setCurrentColorFlag(slot);
    applyRgbFields(slot);
}

void MainWindow::makeWebSafe(ColorSlot slot)
{
    const QString question = slot == ColorSlot::One ? tr("Are you sure you want to make Color #1 web-safe?")
                                                    : tr("Are you sure you want to make Color #2 web-safe?");
    const platform::PromptAnswer answer = m_services.prompter.ask(this,
        { question, QString::fromLatin1(kAppTitle), core::MessageIcon::Question, platform::PromptButtons::YesNo,
            platform::PromptAnswer::Yes });
    if (answer == platform::PromptAnswer::No)
        return;
    Swatch* box = swatch(slot);
    box->setColor(
        core::MakeWebSafe(box->color(), [this](int index) { return m_services.systemColors.systemColor(index); }));
    History(HistoryNumberOf(slot));
    setCurrentColor(slot);
    refresh(slot);
    GetHEXValue();
    focusTarget();
    setCurrentColorFlag(slot);
    applyRgbFields(slot);
}

core::ColorValue MainWindow::color(ColorSlot slot) const
{
    return swatch(slot)->color();
}

void MainWindow::setSwatchColor(ColorSlot slot, core::ColorValue value)
{
    swatch(slot)->setColor(value);
}

ColorSlot MainWindow::currentColor() const
{
    return SlotOfListIndex(Combo1->currentIndex());
}

void MainWindow::setCurrentColor(ColorSlot slot)
{
    Combo1->setCurrentIndex(ListIndexOf(slot));
}

Swatch* MainWindow::swatch(ColorSlot slot) const
{
    return slot == ColorSlot::One ? picHover : picSelected;
}

CodeFrame* MainWindow::codeFrame(ColorSlot slot) const
{
    return slot == ColorSlot::One ? Frame1 : Frame2;
}

QAction* MainWindow::action(const char* name) const
{
    return findChild<QAction*>(QString::fromLatin1(name));
}

QAction* MainWindow::enableCommand(const char* name, QObject* context, std::function<void()> command) const
{
    QAction* item = action(name);
    item->setEnabled(true);
    connect(item, &QAction::triggered, context, std::move(command));
    return item;
}

void MainWindow::showMessage(const core::Message& message)
{
    m_services.prompter.ask(this,
        { QString::fromStdString(message.text), QString::fromLatin1(kAppTitle), message.icon,
            platform::PromptButtons::Ok, platform::PromptAnswer::Ok });
}

void MainWindow::focusTarget()
{
    if (m_focusTarget && m_focusTarget->isVisible())
        m_focusTarget->setFocus();
    else
        picHover->setFocus();
}

void MainWindow::onCombo1Selected(int index)
{
    // The selection only refreshes a window the user can see; during start-up the loader refreshes itself.
    if (!isVisible() || index < 0)
        return;
    const ColorSlot slot = SlotOfListIndex(index);
    if (!swatch(slot)->isEmptyShown()) {
        if (slot == ColorSlot::Two)
            GetRGBValue2();
        else
            GetRGBValue();
    }
    colorSlideLabels(slot);
}

void MainWindow::onExpandToggled()
{
    const bool expanded = Check1->isChecked();
    Frame3->setVisible(expanded);
    Combo1->setVisible(expanded);
    focusTarget();
}

} // namespace tw
