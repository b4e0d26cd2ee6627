#include "html/HtmlWindow.h"

#include "platform/Clipboard.h"
#include "platform/ColorConversion.h"
#include "platform/ColorDialog.h"
#include "platform/SettingsKeys.h"
#include "platform/SystemColors.h"
#include "widgets/Buttons.h"
#include "widgets/Prompts.h"
#include "widgets/SettingsWrites.h"
#include "widgets/Swatch.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>

namespace tw {

namespace {

    using core::BodyAttribute;

    // The desktop's button text colour, which the preview's texts show while their attribute is unset.
    constexpr core::ColorValue kButtonText = static_cast<core::ColorValue>(0x80000012u);

    struct AttributeControls {
        BodyAttribute attribute;
        const char* box;
        const char* emptyLabel;
        const char* caption;
        const char* previewLabel;
        const char* previewText;
    };

    // In the order of BodyAttribute.
    constexpr std::array<AttributeControls, core::kBodyAttributeCount> kAttributes { {
        { BodyAttribute::Background, "picBG", "lblEmptyBG", "Background", nullptr, nullptr },
        { BodyAttribute::Text, "picText", "lblEmptyText", "Text", "lblPText", "This is some text." },
        { BodyAttribute::Link, "picLink", "lblEmptyLink", "Link", "lblPLink", "I am a link." },
        { BodyAttribute::VisitedLink, "picVLink", "lblEmptyVLink", "Visited Link", "lblPVlink",
            "I am a visited link." },
        { BodyAttribute::ActiveLink, "picALink", "lblEmptyALink", "Active Link", "lblPALink", "I am an active link." },
    } };

    // The settings hold check box values; anything but 0 or 1 reads as the default.
    bool ReadCheck(const platform::SettingsStore& store, const QString& key, bool defaultValue)
    {
        const int value = store.readInt(keys::kHtml, key, defaultValue ? 1 : 0);
        return value == 0 || value == 1 ? value == 1 : defaultValue;
    }

    QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text)
    {
        auto* label = new QLabel(parent);
        if (name)
            label->setObjectName(QString::fromLatin1(name));
        // Shown as it stands, never as markup.
        label->setTextFormat(Qt::PlainText);
        label->setText(text);
        return label;
    }

    void SetTextColor(QLabel* label, core::ColorValue color)
    {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, platform::ToQColor(color));
        label->setPalette(palette);
    }

    void SetBackground(QWidget* widget, core::ColorValue color)
    {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, platform::ToQColor(color));
        widget->setPalette(palette);
    }

    // A label that answers a click of the left button, as a link on a page does.
    class ClickLabel : public QLabel {
    public:
        ClickLabel(QWidget* parent, std::function<void()> onClick)
            : QLabel(parent)
            , m_onClick(std::move(onClick))
        {
            setCursor(Qt::PointingHandCursor);
        }

    protected:
        void mousePressEvent(QMouseEvent* event) override { event->accept(); }
        void mouseReleaseEvent(QMouseEvent* event) override
        {
            if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
                m_onClick();
        }

    private:
        std::function<void()> m_onClick;
    };

} // namespace

HtmlWindow::HtmlWindow(Services services, QWidget& mainWindow)
    : QDialog(&mainWindow)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmHTML"));
    setWindowTitle(tr("HTML Stylesheet Editor"));
    // Minimising keeps the colours, which closing loses: the window offers both.
    setWindowFlag(Qt::WindowMinimizeButtonHint);
    setWindowFlag(Qt::WindowCloseButtonHint);
    // The window has the size its contents give it.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    buildUi();

    const platform::SettingsStore& store = services.writes.store();
    chkQuotes->setChecked(ReadCheck(store, keys::kQuotes, false));
    chkNum->setChecked(ReadCheck(store, keys::kNum, true));
}

void HtmlWindow::buildUi()
{
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* top = new QHBoxLayout;
    layout->addLayout(top);
    auto* Frame1 = new QGroupBox(tr("Colors"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* boxes = new QGridLayout(Frame1);
    boxes->setVerticalSpacing(6);
    auto* Frame2 = new QGroupBox(tr("Preview Web Page"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* previewFrame = new QVBoxLayout(Frame2);
    picPreview = new QWidget(Frame2);
    picPreview->setObjectName(QStringLiteral("picPreview"));
    picPreview->setAutoFillBackground(true);
    picPreview->setMinimumWidth(180);
    auto* page = new QVBoxLayout(picPreview);
    page->setContentsMargins(10, 8, 10, 8);
    previewFrame->addWidget(picPreview);
    top->addWidget(Frame1);
    top->addWidget(Frame2, 1);

    for (const AttributeControls& controls : kAttributes) {
        const std::size_t index = Index(controls.attribute);
        auto* box = new Swatch(Frame1);
        box->setObjectName(QString::fromLatin1(controls.box));
        box->setFixedSize(48, 26);
        box->addEmptyLabel(QString::fromLatin1(controls.emptyLabel));
        box->setCursor(Qt::PointingHandCursor);
        // The press on the "Empty" label reaches the box under it.
        connect(box, &Swatch::pressed, this, [this, attribute = controls.attribute](Qt::MouseButton button) {
            if (button == Qt::LeftButton)
                pickColor(attribute);
        });
        m_boxes[index] = box;
        boxes->addWidget(box, static_cast<int>(index), 0);
        boxes->addWidget(MakeLabel(Frame1, nullptr, tr(controls.caption)), static_cast<int>(index), 1);
        if (controls.previewLabel) {
            QLabel* label = MakeLabel(picPreview, controls.previewLabel, tr(controls.previewText));
            m_previewLabels[index] = label;
            page->addWidget(label);
        }
    }
    // The link texts are underlined as a browser shows links.
    lblPClick = new ClickLabel(picPreview, [this] { clickHere(); });
    lblPClick->setObjectName(QStringLiteral("lblPClick"));
    lblPClick->setTextFormat(Qt::PlainText);
    lblPClick->setText(tr("Click here"));
    page->addWidget(lblPClick);
    page->addStretch();
    for (QLabel* label :
        { m_previewLabels[Index(BodyAttribute::Link)], m_previewLabels[Index(BodyAttribute::VisitedLink)],
            m_previewLabels[Index(BodyAttribute::ActiveLink)], lblPClick }) {
        QFont font = label->font();
        font.setUnderline(true);
        label->setFont(font);
    }

    chkNum = new QCheckBox(tr("Show # sign in HTML Code"), this);
    chkNum->setObjectName(QStringLiteral("chkNum"));
    chkQuotes = new QCheckBox(tr("Show Quotation Marks in HTML Code"), this);
    chkQuotes->setObjectName(QStringLiteral("chkQuotes"));
    layout->addWidget(chkNum);
    layout->addWidget(chkQuotes);
    // A change of form rewrites a tag that is shown; with none shown there is nothing to rewrite.
    for (QCheckBox* check : { chkNum, chkQuotes })
        connect(check, &QCheckBox::toggled, this, [this] {
            if (!Text1->toPlainText().isEmpty())
                generateCode();
        });

    auto* Label6 = MakeLabel(this, "Label6", tr("HTML Code:"));
    layout->addWidget(Label6);
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setToolTip(tr("Press ctrl-c to copy to the Clipboard"));
    // The tag is the program's: it can be selected and copied, never edited, pasted into or cut.
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setFocusPolicy(Qt::StrongFocus);
    Text1->setContextMenuPolicy(Qt::NoContextMenu);
    Text1->setTabChangesFocus(true);
    Text1->setFixedHeight(Text1->fontMetrics().lineSpacing() * 3 + 12);
    Text1->installEventFilter(this);
    Label6->setBuddy(Text1);
    layout->addWidget(Text1);

    auto* buttons = new QHBoxLayout;
    cmdCopy = MakeButton(this, "cmdCopy", tr("&Copy"));
    cmdReset = MakeButton(this, "cmdReset", tr("&Reset"));
    Command1 = MakeButton(this, "Command1", tr("&Make colors web-safe"));
    buttons->addWidget(cmdCopy);
    buttons->addWidget(cmdReset);
    buttons->addStretch();
    buttons->addWidget(Command1);
    layout->addLayout(buttons);
    connect(cmdCopy, &QPushButton::clicked, this, &HtmlWindow::copyCode);
    connect(cmdReset, &QPushButton::clicked, this, &HtmlWindow::reset);
    connect(Command1, &QPushButton::clicked, this, &HtmlWindow::makeWebSafe);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(3000);
    connect(Timer1, &QTimer::timeout, this, &HtmlWindow::Timer1_Timer);

    showAllUnset();
}

void HtmlWindow::showAllUnset()
{
    m_colors = {};
    for (Swatch* box : m_boxes) {
        box->setColor(core::kEmptyColor);
        box->emptyLabel()->show();
    }
    SetBackground(picPreview, core::kEmptyColor);
    for (QLabel* label : m_previewLabels)
        if (label)
            SetTextColor(label, buttonTextColor());
    SetTextColor(lblPClick, buttonTextColor());
    Text1->clear();
}

void HtmlWindow::ApplyBG(core::ColorValue color)
{
    apply(BodyAttribute::Background, color);
}

void HtmlWindow::ApplyText(core::ColorValue color)
{
    apply(BodyAttribute::Text, color);
}

void HtmlWindow::ApplyLink(core::ColorValue color)
{
    apply(BodyAttribute::Link, color);
}

void HtmlWindow::ApplyVLink(core::ColorValue color)
{
    apply(BodyAttribute::VisitedLink, color);
}

void HtmlWindow::ApplyALink(core::ColorValue color)
{
    apply(BodyAttribute::ActiveLink, color);
}

std::optional<core::ColorValue> HtmlWindow::attributeColor(core::BodyAttribute attribute) const
{
    return m_colors[Index(attribute)];
}

QString HtmlWindow::codeText() const
{
    return Text1->toPlainText();
}

void HtmlWindow::apply(core::BodyAttribute attribute, core::ColorValue color)
{
    const std::size_t index = Index(attribute);
    m_colors[index] = color;
    m_boxes[index]->setColor(color);
    m_boxes[index]->emptyLabel()->hide();
    if (attribute == BodyAttribute::Background) {
        SetBackground(picPreview, color);
    } else {
        SetTextColor(m_previewLabels[index], color);
        if (attribute == BodyAttribute::Link)
            SetTextColor(lblPClick, color);
    }
    generateCode();
}

core::BodyTagForm HtmlWindow::form() const
{
    return { chkQuotes->isChecked(), chkNum->isChecked() };
}

void HtmlWindow::generateCode()
{
    Text1->setPlainText(QString::fromStdString(core::BodyTag(m_colors, form())));
}

core::ColorValue HtmlWindow::buttonTextColor() const
{
    return core::ResolveSystemColor(
        kButtonText, [this](int index) { return m_services.systemColors.systemColor(index); });
}

core::ColorValue HtmlWindow::linkPreviewColor() const
{
    return m_colors[Index(BodyAttribute::Link)].value_or(buttonTextColor());
}

void HtmlWindow::pickColor(core::BodyAttribute attribute)
{
    const platform::ColorChoice choice = m_services.colorDialog.ChooseColorDialog(this, m_dialogColor);
    m_dialogColor = choice.color;
    if (choice.outcome != platform::ColorDialogOutcome::Chosen)
        return;
    apply(attribute, choice.color);
}

void HtmlWindow::copyCode()
{
    m_services.clipboard.setText(Text1->toPlainText());
}

void HtmlWindow::reset()
{
    if (!AskYesNo(m_services.prompter, this, tr("Are you sure you want to reset the HTML styleset?")))
        return;
    // The written form stays as it is.
    showAllUnset();
}

void HtmlWindow::makeWebSafe()
{
    if (!AskYesNo(m_services.prompter, this,
            tr("Are you sure you want to convert all colors to their web-safe equivalents?")))
        return;
    const auto lookup = [this](int index) { return m_services.systemColors.systemColor(index); };
    for (const AttributeControls& controls : kAttributes)
        if (const std::optional<core::ColorValue> color = m_colors[Index(controls.attribute)])
            apply(controls.attribute, core::MakeWebSafe(*color, lookup));
}

void HtmlWindow::clickHere()
{
    const std::optional<core::ColorValue> visited = m_colors[Index(BodyAttribute::VisitedLink)];
    const std::optional<core::ColorValue> active = m_colors[Index(BodyAttribute::ActiveLink)];
    if (!m_colors[Index(BodyAttribute::Link)] || !visited || !active) {
        Tell(m_services.prompter, this,
            { "Please select a color for the Links, Active Links and Visited Links", core::MessageIcon::Exclamation });
        return;
    }
    SetTextColor(lblPClick, *active);
    Tell(m_services.prompter, this,
        { "This is the color that will appear as the webpage is loading, hence it is being activated.\n\nThe text "
          "color that will appear after closing this message box will be the color of a visited link since the "
          "webpage in question being linked has now been visited.",
            core::MessageIcon::Information });
    SetTextColor(lblPClick, *visited);
    Timer1->start();
}

void HtmlWindow::Timer1_Timer()
{
    Timer1->stop();
    SetTextColor(lblPClick, linkPreviewColor());
}

void HtmlWindow::reject()
{
    close();
}

void HtmlWindow::closeEvent(QCloseEvent* event)
{
    const platform::PromptAnswer answer = m_services.prompter.ask(this,
        { tr("Closing the HTML Stylesheet Editor window will result in all current HTML Sytlesheet color settings "
             "being lost.\nIf you wish to keep your data, minimize the window instead.\n\nAre you sure you want to "
             "close the HTML Stylesheet Editor window?"),
            QString::fromLatin1(kAppTitle), core::MessageIcon::Exclamation, platform::PromptButtons::YesNo,
            platform::PromptAnswer::Yes });
    if (answer != platform::PromptAnswer::Yes) {
        event->ignore();
        return;
    }
    // A write that fails has been reported; the window closes either way.
    m_services.writes.apply(keys::kHtml,
        { platform::IntSetting(keys::kQuotes, chkQuotes->isChecked() ? 1 : 0),
            platform::IntSetting(keys::kNum, chkNum->isChecked() ? 1 : 0) });
    Timer1->stop();
    event->accept();
    Q_EMIT unloaded();
    deleteLater();
}

void HtmlWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        Q_EMIT minimized();
}

bool HtmlWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Text1 && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        // Ctrl+C copies the whole tag, whatever part of it is selected.
        if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                copyCode();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tw
