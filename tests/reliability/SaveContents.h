#pragma once
// The two versions of each file that tw_save_loop saves in turn, and their exact bytes on disk.
#include "core/FileText.h"
#include "core/PaletteText.h"
#include "platform/qt/IniSettingsStore.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <string>

namespace tw::reliability {

// A fixed key makes every save of one text the same bytes, so that a file can be compared byte for byte.
inline core::UnitRandom FixedRandom()
{
    return [] { return 0.5; };
}

inline core::Palette SavedPalette(int version)
{
    core::Palette palette = core::DefaultPalette();
    if (version == 1)
        for (int i = 0; i < core::kPaletteSize; ++i)
            palette[static_cast<std::size_t>(i)] = 0x010203 * (i + 1);
    return palette;
}

inline core::ColorText SavedColor(int version)
{
    return version == 0 ? core::ColorText { 1, 0x123456 } : core::ColorText { 2, 0xABCDEF };
}

// The settings batch: values of different lengths, so a file cut short never passes for the other version.
inline QList<platform::SettingsChange> SavedSettings(int version)
{
    return { { QStringLiteral("Cap"), version == 0 ? QStringLiteral("first") : QStringLiteral("second") },
        { QStringLiteral("Blob"), QString(version == 0 ? 30000 : 70000, version == 0 ? u'a' : u'b') } };
}

inline QByteArray EncodedBytes(const std::string& plain)
{
    return QByteArray::fromStdString(core::EncodeFileText(plain, FixedRandom()) + "\r\n");
}

inline QByteArray PaletteBytes(int version)
{
    return EncodedBytes(core::BuildPaletteText(SavedPalette(version)));
}

inline QByteArray ColorBytes(int version)
{
    return EncodedBytes(core::BuildColorText(SavedColor(version)));
}

inline QByteArray SettingsBytes(int version)
{
    platform::IniSettingsStore::Section section { QStringLiteral("Main"), {} };
    for (const platform::SettingsChange& change : SavedSettings(version))
        section.entries.append({ change.key, *change.value });
    return platform::IniSettingsStore::serialize({ section });
}

} // namespace tw::reliability
