#include "history/ColorHistory.h"

#include "platform/SettingsStore.h"

namespace tw {

namespace {

    const QString kSection = QStringLiteral("History");

    QString KeyOf(int number)
    {
        return QString::number(number);
    }

    std::optional<core::ColorValue> ParseEntry(const QString& text)
    {
        bool ok = false;
        const qint64 value = text.trimmed().toLongLong(&ok);
        if (!ok || value < 0 || value > core::kWhite)
            return std::nullopt;
        return static_cast<core::ColorValue>(value);
    }

} // namespace

ColorHistory::ColorHistory(platform::SettingsStore& settings)
    : m_settings(settings)
{
}

ColorHistory::Entries ColorHistory::entries() const
{
    Entries result;
    for (int number = 1; number <= kSize; ++number)
        result[static_cast<std::size_t>(number - 1)] = ParseEntry(m_settings.read(kSection, KeyOf(number)));
    return result;
}

bool ColorHistory::record(core::ColorValue color)
{
    // Index 0 unused, so that texts[n] is key n.
    std::array<QString, kSize + 1> texts;
    for (int number = 1; number <= kSize; ++number)
        texts[static_cast<std::size_t>(number)] = m_settings.read(kSection, KeyOf(number));
    if (ParseEntry(texts[1]) == color)
        return true;

    // Every entry that exists moves down one key, from the ninth up; a text that is no colour moves too, as
    // it stands. The tenth is overwritten by the ninth.
    std::array<QString, kSize + 1> next = texts;
    for (std::size_t number = kSize - 1; number >= 1; --number) {
        if (next[number].isEmpty())
            continue;
        next[number + 1] = next[number];
        next[number].clear();
    }
    next[1] = QString::number(color);

    QList<platform::SettingsChange> changes;
    for (std::size_t number = 1; number <= kSize; ++number) {
        if (next[number] == texts[number])
            continue;
        const QString key = KeyOf(static_cast<int>(number));
        if (next[number].isEmpty())
            changes.append({ key, std::nullopt });
        else
            changes.append({ key, next[number] });
    }
    return m_settings.apply(kSection, changes);
}

bool ColorHistory::clear()
{
    return m_settings.removeSection(kSection);
}

} // namespace tw
