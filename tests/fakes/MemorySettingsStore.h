#pragma once
#include "platform/SettingsStore.h"

#include <QMap>

namespace tw::platform {

// A store that lives in memory only: for tests, and for runs that must not touch the user's files.
class MemorySettingsStore : public SettingsStore {
public:
    QString read(const QString& section, const QString& key, const QString& defaultValue = {}) const override
    {
        return m_values.value(section.toLower()).value(key.toLower(), defaultValue);
    }
    bool apply(const QString& section, const QList<SettingsChange>& changes) override
    {
        if (m_failWrites)
            return false;
        auto& keys = m_values[section.toLower()];
        for (const auto& change : changes) {
            if (change.value)
                keys.insert(change.key.toLower(), *change.value);
            else
                keys.remove(change.key.toLower());
        }
        ++m_writeCount;
        return true;
    }
    bool removeSection(const QString& section) override
    {
        if (m_failWrites)
            return false;
        m_values.remove(section.toLower());
        ++m_writeCount;
        return true;
    }
    bool removeAll() override
    {
        if (m_failWrites)
            return false;
        m_values.clear();
        ++m_writeCount;
        return true;
    }

    QString lastError() const override { return m_failWrites ? QStringLiteral("memory: writes refused") : QString(); }

    // For tests: how many writes reached the store, and a store whose disk is full.
    int writeCount() const { return m_writeCount; }
    void setFailWrites(bool fail) { m_failWrites = fail; }

private:
    QMap<QString, QMap<QString, QString>> m_values;
    int m_writeCount = 0;
    bool m_failWrites = false;
};

} // namespace tw::platform
