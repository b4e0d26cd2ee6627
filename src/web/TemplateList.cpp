#include "web/TemplateList.h"

#include "platform/SettingsKeys.h"

#include <algorithm>

namespace tw {

namespace {

    // A hand-edited table cannot make the program build thousands of rows.
    constexpr int kMostTemplates = 100;

    QString NameKey(int index)
    {
        return QStringLiteral("Name%1").arg(index + 1);
    }
    QString PatternKey(int index)
    {
        return QStringLiteral("Pattern%1").arg(index + 1);
    }

} // namespace

int StoredTemplateCount(const platform::SettingsStore& settings)
{
    return std::clamp(settings.readInt(keys::kTemplates, keys::kTemplateCount, 0), 0, kMostTemplates);
}

std::vector<core::ColorTemplate> ReadTemplates(const platform::SettingsStore& settings)
{
    // Until the user first keeps a list of their own, the predefined templates are the list.
    if (settings.read(keys::kTemplates, keys::kTemplateCount).trimmed().isEmpty())
        return core::PredefinedTemplates();
    std::vector<core::ColorTemplate> list;
    const QString missing = QStringLiteral("\x01");
    for (int i = 0; i < StoredTemplateCount(settings); ++i) {
        const QString name = settings.read(keys::kTemplates, NameKey(i), missing);
        const QString pattern = settings.read(keys::kTemplates, PatternKey(i), missing);
        if (name == missing || pattern == missing)
            break;
        list.push_back({ name.toStdString(), pattern.toStdString() });
    }
    return list;
}

QList<platform::SettingsChange> TemplateChanges(const std::vector<core::ColorTemplate>& list, int previousCount)
{
    QList<platform::SettingsChange> changes;
    const int count = std::min(static_cast<int>(list.size()), kMostTemplates);
    changes.append(platform::IntSetting(keys::kTemplateCount, count));
    for (int i = 0; i < count; ++i) {
        const auto& entry = list[static_cast<std::size_t>(i)];
        changes.append({ NameKey(i), QString::fromStdString(entry.name) });
        changes.append({ PatternKey(i), QString::fromStdString(entry.pattern) });
    }
    for (int i = count; i < previousCount; ++i) {
        changes.append({ NameKey(i), std::nullopt });
        changes.append({ PatternKey(i), std::nullopt });
    }
    return changes;
}

} // namespace tw
