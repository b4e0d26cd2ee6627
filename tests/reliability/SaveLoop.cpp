// Saves a palette file, a colour file and the settings with the program's own save code, in turn in two
// versions, for the crash tests that kill it:
//   tw_save_loop FOLDER loop   saves FOLDER/palette.tcpp, FOLDER/color.tcpc and FOLDER/config/settings.ini in
//                              version 0, then 1, then 0 ... until killed; prints "ready" once each file exists
//   tw_save_loop FOLDER once   saves each file once in version 0, as the next start after a crash would:
//                              exit 1 if a save failed
#include "files/EncodedFile.h"
#include "tests/reliability/SaveContents.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

bool SaveAll(const QString& folder, tw::platform::IniSettingsStore& settings, int version)
{
    using namespace tw::reliability;
    const bool palette = tw::WriteEncodedFile(
        folder + QStringLiteral("/palette.tcpp"), tw::core::BuildPaletteText(SavedPalette(version)), FixedRandom())
                             .ok();
    const bool color = tw::WriteEncodedFile(
        folder + QStringLiteral("/color.tcpc"), tw::core::BuildColorText(SavedColor(version)), FixedRandom())
                           .ok();
    const bool stored = settings.apply(QStringLiteral("Main"), SavedSettings(version));
    return palette && color && stored;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        return 64;
    const QString folder = arguments[1];
    tw::platform::IniSettingsStore settings(folder + QStringLiteral("/config/settings.ini"));
    if (arguments[2] == QLatin1String("once"))
        return SaveAll(folder, settings, 0) ? 0 : 1;
    if (arguments[2] != QLatin1String("loop"))
        return 64;
    for (int round = 0;; ++round) {
        // Only killed ends the loop; a round that fails is followed by the next.
        (void)SaveAll(folder, settings, round % 2);
        if (round == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
