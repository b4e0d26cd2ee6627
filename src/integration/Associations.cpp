#include "integration/Associations.h"

#include "widgets/Prompts.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace tw {

namespace {

    using platform::DocumentType;
    using platform::PromptAnswer;
    using platform::PromptButtons;

    const QString kNotAllowed = QStringLiteral(
        "You must run Tintwise Color Picker as an administrator to successfully install its file associations "
        "(*.tcpc; *.tcpp). You are NOT running as an administrator.\n\nNext time you run Tintwise Color Picker as an "
        "administrator, the file associations will automatically be set.");
    const QString kNotAdministrator
        = QStringLiteral("Cannot continue because you are not running as a Windows administrator!");
    const QString kDebugWarning = QStringLiteral(
        "\n\nWarning: This is for debugging purposes only. If you are unsure what this will do, click \"Cancel\".");

    QString IconMissing(const char* pattern)
    {
        return QStringLiteral(
            "Icon source for %1 is missing! Please login to this computer as an administrator (if you "
            "currently are not), open Tintwise Color Picker, press Ctrl-R, and then press Ctrl-A. If "
            "the message comes back after that, please report it on the Tintwise Color Picker "
            "project's issue tracker.")
            .arg(QString::fromLatin1(pattern));
    }

} // namespace

Associations::Associations(Services services, QWidget& window)
    : QObject(&window)
    , m_services(services)
    , m_window(window)
{
    setObjectName(QStringLiteral("associations"));
    auto* remove = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), &window);
    remove->setObjectName(QStringLiteral("shortcutRemoveAssociations"));
    connect(remove, &QShortcut::activated, this, &Associations::removeByHand);
    auto* add = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_A), &window);
    add->setObjectName(QStringLiteral("shortcutAddAssociations"));
    connect(add, &QShortcut::activated, this, &Associations::addByHand);
}

bool Associations::registered() const
{
    return m_services.associations.registered(DocumentType::Color)
        && m_services.associations.registered(DocumentType::Palette);
}

void Associations::checkAtStartUp()
{
    if (!registered()) {
        if (m_services.associations.canRegister())
            report(m_services.associations.install());
        else
            // The program goes on: it works without the desktop knowing its files.
            Tell(m_services.prompter, &m_window, { kNotAllowed.toStdString(), core::MessageIcon::Exclamation });
    }
    // Reported at every start until the icons are back.
    const std::pair<DocumentType, const char*> icons[]
        = { { DocumentType::Color, "*.tcpc" }, { DocumentType::Palette, "*.tcpp" } };
    for (const auto& [type, pattern] : icons) {
        if (!m_services.associations.iconPresent(type))
            Tell(m_services.prompter, &m_window, { IconMissing(pattern).toStdString(), core::MessageIcon::Critical });
    }
}

bool Associations::allowed()
{
    if (m_services.associations.canRegister())
        return true;
    Tell(m_services.prompter, &m_window, { kNotAdministrator.toStdString(), core::MessageIcon::Exclamation });
    return false;
}

void Associations::removeByHand()
{
    if (!allowed())
        return;
    const platform::Prompt question {
        QStringLiteral("Click \"OK\" to remove all Tintwise Color Picker file associations.") + kDebugWarning,
        QStringLiteral("Debug"), core::MessageIcon::Exclamation, PromptButtons::OkCancel, PromptAnswer::Cancel
    };
    if (m_services.prompter.ask(&m_window, question) == PromptAnswer::Ok)
        report(m_services.associations.remove());
}

void Associations::addByHand()
{
    if (!allowed())
        return;
    const platform::Prompt question { QStringLiteral("Click \"OK\" to add all Tintwise Color Picker file associations.")
            + kDebugWarning,
        QStringLiteral("Debug"), core::MessageIcon::Exclamation, PromptButtons::OkCancel, PromptAnswer::Cancel };
    if (m_services.prompter.ask(&m_window, question) == PromptAnswer::Ok)
        report(m_services.associations.install());
}

void Associations::report(const platform::OutsideChange& change)
{
    if (change.ok())
        return;
    Tell(m_services.prompter, &m_window,
        { (QStringLiteral("The file associations could not be changed:\n") + change.failure).toStdString(),
            core::MessageIcon::Exclamation });
}

} // namespace tw
