#include "integration/AboutBox.h"

#include "platform/Clipboard.h"
#include "platform/DesktopIntegration.h"
#include "widgets/AppIcon.h"
#include "widgets/Prompts.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace tw {

namespace {

    // A label that opens an address when clicked, shown as a link but never read as markup.
    class LinkLabel : public QLabel {
    public:
        LinkLabel(const QString& text, std::function<void()> open, QWidget* parent)
            : QLabel(parent)
            , m_open(std::move(open))
        {
            setTextFormat(Qt::PlainText);
            setText(text);
            setCursor(Qt::PointingHandCursor);
            QFont underlined = font();
            underlined.setUnderline(true);
            setFont(underlined);
            QPalette colours = palette();
            colours.setColor(QPalette::WindowText, colours.color(QPalette::Link));
            setPalette(colours);
            setFocusPolicy(Qt::TabFocus);
        }

    protected:
        void mouseReleaseEvent(QMouseEvent* event) override
        {
            if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
                m_open();
        }
        void keyPressEvent(QKeyEvent* event) override
        {
            if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)
                m_open();
            else
                QLabel::keyPressEvent(event);
        }

    private:
        std::function<void()> m_open;
    };

    QLabel* Plain(QWidget* parent, const char* name, const QString& text)
    {
        auto* label = new QLabel(parent);
        label->setObjectName(QString::fromLatin1(name));
        label->setTextFormat(Qt::PlainText);
        label->setText(text);
        label->setWordWrap(true);
        return label;
    }

} // namespace

QString AboutBox::projectPage()
{
    return QStringLiteral("https://tintwise.org/");
}

QString AboutBox::issuePage()
{
    return QStringLiteral("https://tintwise.org/issues");
}

AboutBox::AboutBox(Services services, QWidget* parent)
    : QDialog(parent)
    , m_shell(services.shell)
    , m_prompter(services.prompter)
    , m_clipboard(services.clipboard)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Tintwise Color Picker"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const auto open = [this](const QString& address) {
        return [this, address] {
            if (!m_shell.openUrl(QUrl(address)))
                Tell(m_prompter, this,
                    { (QStringLiteral("The browser could not be started to open ") + address + QLatin1Char('.'))
                            .toStdString(),
                        core::MessageIcon::Exclamation });
        };
    };
    auto* grid = new QGridLayout(this);
    auto* picIcon = new LinkLabel(QString(), open(projectPage()), this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(AppIcon().pixmap(64, 64));
    picIcon->setAccessibleName(tr("Tintwise Color Picker's web site"));
    grid->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);

    auto* lblTitle = Plain(this, "lblTitle", QStringLiteral("Tintwise Color Picker"));
    QFont big = lblTitle->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    lblTitle->setFont(big);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(
        Plain(this, "lblVersion", QStringLiteral("Version %1").arg(QCoreApplication::applicationVersion())), 1, 1);
    grid->addWidget(Plain(this, "Label2",
                        QStringLiteral("A colour picker for web designers and programmers: pick any colour on the "
                                       "screen and copy it as RGB, HSL, HTML, VB, Delphi or C++ code.")),
        2, 1);

    auto* Label1 = new LinkLabel(projectPage(), open(projectPage()), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    grid->addWidget(Label1, 3, 1);
    auto* Label3 = new LinkLabel(tr("Report a problem or suggest an improvement"), open(issuePage()), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    grid->addWidget(Label3, 4, 1);
    auto* Label7 = new LinkLabel(tr("Read the manual"), services.openManual, this);
    Label7->setObjectName(QStringLiteral("Label7"));
    grid->addWidget(Label7, 5, 1);

    grid->addWidget(Plain(this, "Label4",
                        QStringLiteral("Built with Qt %1, running on Qt %2.")
                            .arg(QStringLiteral(QT_VERSION_STR), QString::fromLatin1(qVersion()))),
        6, 1);
    grid->addWidget(
        Plain(this, "Label5", QStringLiteral("Copyright © 2026 the Tintwise Color Picker developers.")), 7, 1);
    grid->addWidget(Plain(this, "Label6", QStringLiteral("Released under the MIT License.")), 8, 1);
    grid->addWidget(Plain(this, "Label8", QStringLiteral("Settings: %1").arg(m_shell.settingsFolder())), 9, 1);
    grid->addWidget(Plain(this, "lblDisclaimer",
                        QStringLiteral("This program is provided \"as is\", without warranty of any kind, express or "
                                       "implied. You use it at your own risk.")),
        10, 1);

    auto* buttons = new QDialogButtonBox(this);
    auto* cmdOK = buttons->addButton(QDialogButtonBox::Ok);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto* cmdSysInfo = buttons->addButton(tr("&System Info..."), QDialogButtonBox::ActionRole);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &AboutBox::StartSysInfo);
    grid->addWidget(buttons, 11, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutBox::StartSysInfo()
{
    QDialog info(this);
    info.setObjectName(QStringLiteral("frmSysInfo"));
    info.setWindowTitle(tr("System Information"));
    auto* layout = new QVBoxLayout(&info);
    layout->addWidget(Plain(&info, "lblSysInfo", tr("Please add this to a bug report:")));
    auto* text = new QPlainTextEdit(&info);
    text->setObjectName(QStringLiteral("txtSysInfo"));
    text->setReadOnly(true);
    text->setPlainText(m_shell.systemReport().join(QLatin1Char('\n')));
    text->setMinimumSize(520, 200);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &info);
    auto* copy = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("cmdCopyInfo"));
    auto* tool = buttons->addButton(tr("&Desktop Tool..."), QDialogButtonBox::ActionRole);
    tool->setObjectName(QStringLiteral("cmdDesktopTool"));
    connect(buttons, &QDialogButtonBox::rejected, &info, &QDialog::reject);
    connect(copy, &QPushButton::clicked, &info, [this, text] { m_clipboard.setText(text->toPlainText()); });
    connect(tool, &QPushButton::clicked, &info, [this, &info] {
        if (!m_shell.startSystemInformation())
            Tell(m_prompter, &info,
                { "No system information tool is installed on this desktop (such as kinfocenter or GNOME "
                  "Settings); the text above holds what a bug report needs.",
                    core::MessageIcon::Information });
    });
    layout->addWidget(buttons);
    info.exec();
}

} // namespace tw
