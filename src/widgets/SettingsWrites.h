#pragma once
#include "platform/SettingsStore.h"

#include <QPointer>
#include <QWidget>

namespace tw::platform {
class Prompter;
}

namespace tw {

// Every write of the settings table goes through here, so that a write that fails is never lost without a
// word: the first failure of the run tells the user which file could not be written and why; later ones are
// only logged, so a full disk cannot bring up a message at every colour change. The program goes on working.
class SettingsWrites {
public:
    SettingsWrites(platform::SettingsStore& store, platform::Prompter& prompter);

    // The window the message is shown over.
    void setWindow(QWidget* window) { m_window = window; }

    const platform::SettingsStore& store() const { return m_store; }
    bool apply(const QString& section, const QList<platform::SettingsChange>& changes);
    bool write(const QString& section, const QString& key, const QString& value);
    bool writeBool(const QString& section, const QString& key, bool value);
    bool removeSection(const QString& section);
    // The result of a write made directly on the store.
    bool check(bool ok);

private:
    platform::SettingsStore& m_store;
    platform::Prompter& m_prompter;
    QPointer<QWidget> m_window;
    bool m_told = false;
};

} // namespace tw
