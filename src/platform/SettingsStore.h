#pragma once
#include <QList>
#include <QString>

#include <optional>

namespace tw::platform {

// One key of a batch: a value to write, or nothing to delete the key.
struct SettingsChange {
    QString key;
    std::optional<QString> value;
};

// Changes in the stored text forms: "True"/"False", decimal numbers.
inline SettingsChange BoolSetting(const QString& key, bool value)
{
    return { key, value ? QStringLiteral("True") : QStringLiteral("False") };
}
inline SettingsChange IntSetting(const QString& key, int value)
{
    return { key, QString::number(value) };
}

// The per-user settings, organised as section ("Main", "History", "HTML") and key. Values are texts:
// booleans "True"/"False", numbers in decimal. Key names compare without regard to letter case, so
// "cbocodes-3" and "cboCodes-3" name one value.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // A missing key, or a store that cannot be read, answers defaultValue.
    virtual QString read(const QString& section, const QString& key, const QString& defaultValue = {}) const = 0;
    // Applies every change of the batch as one write: all of them land, or none does. False when the
    // write failed; the store then holds what it held before.
    [[nodiscard]] virtual bool apply(const QString& section, const QList<SettingsChange>& changes) = 0;
    [[nodiscard]] virtual bool removeSection(const QString& section) = 0;
    [[nodiscard]] virtual bool removeAll() = 0;
    // Why the most recent failed write failed, naming the file and the reason ("/home/u/.config/...: Permission
    // denied"); empty after a write that succeeded.
    virtual QString lastError() const = 0;

    [[nodiscard]] bool write(const QString& section, const QString& key, const QString& value)
    {
        return apply(section, { SettingsChange { key, value } });
    }
    [[nodiscard]] bool removeKey(const QString& section, const QString& key)
    {
        return apply(section, { SettingsChange { key, std::nullopt } });
    }
    bool readBool(const QString& section, const QString& key, bool defaultValue) const
    {
        return read(section, key, defaultValue ? QStringLiteral("True") : QStringLiteral("False"))
                   .compare(QStringLiteral("True"), Qt::CaseInsensitive)
            == 0;
    }
    [[nodiscard]] bool writeBool(const QString& section, const QString& key, bool value)
    {
        return write(section, key, value ? QStringLiteral("True") : QStringLiteral("False"));
    }
    // A value that is not a whole number reads as defaultValue.
    int readInt(const QString& section, const QString& key, int defaultValue) const
    {
        bool ok = false;
        const int value = read(section, key).trimmed().toInt(&ok);
        return ok ? value : defaultValue;
    }
};

} // namespace tw::platform
