#include "widgets/SettingsWrites.h"

#include "widgets/Prompts.h"

#include <QLoggingCategory>

namespace tw {

namespace {
    Q_LOGGING_CATEGORY(lcWrites, "tw.settings.writes", QtWarningMsg)
} // namespace

SettingsWrites::SettingsWrites(platform::SettingsStore& store, platform::Prompter& prompter)
    : m_store(store)
    , m_prompter(prompter)
{
}

bool SettingsWrites::apply(const QString& section, const QList<platform::SettingsChange>& changes)
{
    return check(m_store.apply(section, changes));
}

bool SettingsWrites::write(const QString& section, const QString& key, const QString& value)
{
    return check(m_store.write(section, key, value));
}

bool SettingsWrites::writeBool(const QString& section, const QString& key, bool value)
{
    return check(m_store.writeBool(section, key, value));
}

bool SettingsWrites::removeSection(const QString& section)
{
    return check(m_store.removeSection(section));
}

bool SettingsWrites::check(bool ok)
{
    if (ok)
        return true;
    const QString reason = m_store.lastError();
    qCWarning(lcWrites, "settings not written: %s", qUtf8Printable(reason));
    if (m_told)
        return false;
    m_told = true;
    Tell(m_prompter, m_window,
        { "The settings could not be saved, so changes made now may be lost when the program ends.\n\n"
                + reason.toStdString(),
            core::MessageIcon::Exclamation });
    return false;
}

} // namespace tw
