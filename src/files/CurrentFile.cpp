#include "files/CurrentFile.h"

#include "platform/SettingsKeys.h"
#include "widgets/SettingsWrites.h"

namespace tw {

CurrentFile::CurrentFile(SettingsWrites& writes, QObject* parent)
    : QObject(parent)
    , m_writes(writes)
{
}

QString CurrentFile::captionOf(const QString& name)
{
    return name.isEmpty() ? QStringLiteral("Tintwise Color Picker ")
                          : QStringLiteral("Tintwise Color Picker - ") + name;
}

void CurrentFile::setName(const QString& name)
{
    m_name = name;
    const QString caption = captionOf(name);
    Q_EMIT captionChanged(caption);
    m_writes.write(keys::kMain, keys::kCap, caption);
}

} // namespace tw
