#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw::core {

// The files that make the desktop open colour and palette files with this program: a shared-mime-info package
// naming the two types, a desktop entry that starts the program with the file, and the default-handler lines of
// mimeapps.list. Pure text; writing them where the desktop looks is the platform's part.

inline constexpr std::string_view kDesktopId = "tintwise-color-picker.desktop";
inline constexpr std::string_view kIconName = "tintwise-color-picker";

struct DocumentKind {
    std::string_view mimeType;
    std::string_view glob;
    std::string_view comment;
    std::string_view iconName; // the icon theme's name of the document icon
};
inline constexpr DocumentKind kColorDocument { "application/x-tintwise-color", "*.tcpc", "Tintwise Color Picker Color",
    "application-x-tintwise-color" };
inline constexpr DocumentKind kPaletteDocument { "application/x-tintwise-palette", "*.tcpp",
    "Tintwise Color Picker Palette", "application-x-tintwise-palette" };
inline constexpr DocumentKind kDocuments[] = { kColorDocument, kPaletteDocument };

// One argument of an Exec line as the Desktop Entry rules want it: quoted when it holds a reserved character,
// with '"', '`', '$' and '\' escaped inside the quotes, '%' doubled, and then escaped once more as a string value
// (backslash, newline, tab, carriage return). Nothing when the argument is not valid UTF-8 or holds a character
// no desktop entry can carry (NUL or another control character than tab, newline and carriage return).
std::optional<std::string> ExecArgument(std::string_view argument);

// The desktop entry for the program at programPath, opening one file (%f). Nothing when the path cannot be
// written into an Exec line (see ExecArgument).
std::optional<std::string> DesktopEntryText(std::string_view programPath);

// The shared-mime-info package of the two document types. The files' content is encoded differently on every
// save, so there is no magic to recognise them by: the globs name them.
std::string MimePackageText();

// mimeapps.list with this program as the default handler of every document type that has none yet; the rest of
// the text is kept byte for byte. Adding twice gives the text of adding once.
std::string AddDefaultHandlers(std::string_view mimeapps);
// mimeapps.list without the lines AddDefaultHandlers adds (and without the "[Default Applications]" header when
// nothing else is left under it). Lines that name another program, or this one among others, are kept.
std::string RemoveDefaultHandlers(std::string_view mimeapps);
// Whether this program is the default handler of the type.
bool IsDefaultHandler(std::string_view mimeapps, std::string_view mimeType);

} // namespace tw::core
