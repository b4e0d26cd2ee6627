#include "core/DesktopFiles.h"

#include <algorithm>
#include <cstddef>

namespace tw::core {

namespace {

    constexpr std::string_view kDefaultGroup = "[Default Applications]";

    // Well-formed UTF-8 without overlong forms, surrogates or code points past U+10FFFF.
    bool IsUtf8(std::string_view text)
    {
        std::size_t i = 0;
        while (i < text.size()) {
            const auto byte = static_cast<unsigned char>(text[i]);
            std::size_t length = 0;
            char32_t point = 0;
            if (byte < 0x80) {
                ++i;
                continue;
            }
            if (byte >= 0xC2 && byte <= 0xDF) {
                length = 2;
                point = byte & 0x1Fu;
            } else if (byte >= 0xE0 && byte <= 0xEF) {
                length = 3;
                point = byte & 0x0Fu;
            } else if (byte >= 0xF0 && byte <= 0xF4) {
                length = 4;
                point = byte & 0x07u;
            } else {
                return false;
            }
            if (i + length > text.size())
                return false;
            for (std::size_t k = 1; k < length; ++k) {
                const auto next = static_cast<unsigned char>(text[i + k]);
                if ((next & 0xC0u) != 0x80u)
                    return false;
                point = (point << 6) | (next & 0x3Fu);
            }
            const bool overlong = (length == 3 && point < 0x800) || (length == 4 && point < 0x10000);
            if (overlong || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
                return false;
            i += length;
        }
        return true;
    }

    bool IsReserved(char c)
    {
        return std::string_view(" \t\n\r\"'\\><~|&;$*?#()`").find(c) != std::string_view::npos;
    }

    // The Exec line is a string value of the desktop entry: its own escapes come last.
    std::string EscapeStringValue(std::string_view value)
    {
        std::string out;
        out.reserve(value.size());
        for (const char c : value) {
            switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
            }
        }
        return out;
    }

    struct Line {
        std::string_view text; // without its line end
        std::string_view end; // "\n" or nothing for a last line without one
    };

    std::vector<Line> SplitLines(std::string_view text)
    {
        std::vector<Line> lines;
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t newline = text.find('\n', start);
            if (newline == std::string_view::npos) {
                lines.push_back({ text.substr(start), {} });
                break;
            }
            lines.push_back({ text.substr(start, newline - start), text.substr(newline, 1) });
            start = newline + 1;
        }
        return lines;
    }

    std::string_view Trim(std::string_view text)
    {
        const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
        while (!text.empty() && blank(text.front()))
            text.remove_prefix(1);
        while (!text.empty() && blank(text.back()))
            text.remove_suffix(1);
        return text;
    }

    bool IsGroupHeader(std::string_view line)
    {
        return Trim(line).starts_with('[');
    }

    // The key of a "key=value" line, or nothing for blanks, comments and headers.
    std::optional<std::string_view> KeyOf(std::string_view line)
    {
        const std::string_view trimmed = Trim(line);
        if (trimmed.empty() || trimmed.starts_with('#') || trimmed.starts_with('['))
            return std::nullopt;
        const std::size_t equals = trimmed.find('=');
        if (equals == std::string_view::npos)
            return std::nullopt;
        return Trim(trimmed.substr(0, equals));
    }

    std::string_view ValueOf(std::string_view line)
    {
        return Trim(line.substr(line.find('=') + 1));
    }

    bool IsOurLine(std::string_view line)
    {
        const auto key = KeyOf(line);
        if (!key)
            return false;
        const bool ourType = std::any_of(std::begin(kDocuments), std::end(kDocuments),
            [&](const DocumentKind& kind) { return kind.mimeType == *key; });
        std::string_view value = ValueOf(line);
        if (value.ends_with(';'))
            value.remove_suffix(1);
        return ourType && value == kDesktopId;
    }

    // The lines of the "[Default Applications]" group: [first key line, end), and the header's index.
    struct Group {
        std::size_t header;
        std::size_t end;
    };
    std::optional<Group> FindDefaultGroup(const std::vector<Line>& lines)
    {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (Trim(lines[i].text) != kDefaultGroup)
                continue;
            std::size_t end = i + 1;
            while (end < lines.size() && !IsGroupHeader(lines[end].text))
                ++end;
            return Group { i, end };
        }
        return std::nullopt;
    }

    std::string Join(const std::vector<Line>& lines)
    {
        std::string out;
        for (const Line& line : lines) {
            out += line.text;
            out += line.end;
        }
        return out;
    }

} // namespace

std::optional<std::string> ExecArgument(std::string_view argument)
{
    if (!IsUtf8(argument))
        return std::nullopt;
    const bool unsafeControl = std::any_of(argument.begin(), argument.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && c != '\t' && c != '\n' && c != '\r') || byte == 0x7F;
    });
    if (unsafeControl || argument.empty())
        return std::nullopt;

    std::string quoted;
    const bool needsQuotes = std::any_of(argument.begin(), argument.end(), IsReserved);
    if (needsQuotes)
        quoted += '"';
    for (const char c : argument) {
        if (needsQuotes && (c == '"' || c == '`' || c == '$' || c == '\\'))
            quoted += '\\';
        quoted += c;
        if (c == '%')
            quoted += '%';
    }
    if (needsQuotes)
        quoted += '"';
    return EscapeStringValue(quoted);
}

std::optional<std::string> DesktopEntryText(std::string_view programPath)
{
    const auto program = ExecArgument(programPath);
    if (!program)
        return std::nullopt;
    std::string mimeTypes;
    for (const DocumentKind& kind : kDocuments) {
        mimeTypes += kind.mimeType;
        mimeTypes += ';';
    }
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Tintwise Color Picker\n"
           "GenericName=Color Picker\n"
           "Comment=Pick colours from the screen and write them as RGB, HSL, HTML, VB, Delphi and C++ codes\n"
           "Exec="
        + *program
        + " %f\n"
          "Icon="
        + std::string(kIconName)
        + "\n"
          "Terminal=false\n"
          "Categories=Graphics;2DGraphics;\n"
          "Keywords=colour;color;picker;eyedropper;palette;hex;\n"
          "MimeType="
        + mimeTypes + "\n";
}

std::string MimePackageText()
{
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
    for (const DocumentKind& kind : kDocuments) {
        text += "  <mime-type type=\"" + std::string(kind.mimeType) + "\">\n";
        text += "    <comment>" + std::string(kind.comment) + "</comment>\n";
        text += "    <icon name=\"" + std::string(kind.iconName) + "\"/>\n";
        text += "    <glob pattern=\"" + std::string(kind.glob) + "\"/>\n";
        text += "  </mime-type>\n";
    }
    text += "</mime-info>\n";
    return text;
}

bool IsDefaultHandler(std::string_view mimeapps, std::string_view mimeType)
{
    const std::vector<Line> lines = SplitLines(mimeapps);
    const auto group = FindDefaultGroup(lines);
    if (!group)
        return false;
    for (std::size_t i = group->header + 1; i < group->end; ++i) {
        if (KeyOf(lines[i].text) == mimeType && IsOurLine(lines[i].text))
            return true;
    }
    return false;
}

std::string AddDefaultHandlers(std::string_view mimeapps)
{
    std::vector<Line> lines = SplitLines(mimeapps);
    if (!lines.empty() && lines.back().end.empty())
        lines.back().end = "\n";
    auto group = FindDefaultGroup(lines);
    if (!group) {
        lines.push_back({ kDefaultGroup, "\n" });
        group = Group { lines.size() - 1, lines.size() };
    }
    // New lines go after the group's last key line, before the blank lines that part it from the next group.
    std::size_t insertAt = group->header + 1;
    for (std::size_t i = group->header + 1; i < group->end; ++i) {
        if (!Trim(lines[i].text).empty())
            insertAt = i + 1;
    }
    std::vector<std::string> added;
    for (const DocumentKind& kind : kDocuments) {
        const bool taken = std::any_of(lines.begin() + static_cast<std::ptrdiff_t>(group->header) + 1,
            lines.begin() + static_cast<std::ptrdiff_t>(group->end),
            [&](const Line& line) { return KeyOf(line.text) == kind.mimeType; });
        if (!taken)
            added.push_back(std::string(kind.mimeType) + "=" + std::string(kDesktopId));
    }
    std::vector<Line> result(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(insertAt));
    for (const std::string& line : added)
        result.push_back({ line, "\n" });
    result.insert(result.end(), lines.begin() + static_cast<std::ptrdiff_t>(insertAt), lines.end());
    return Join(result);
}

std::string RemoveDefaultHandlers(std::string_view mimeapps)
{
    std::vector<Line> lines = SplitLines(mimeapps);
    const auto group = FindDefaultGroup(lines);
    if (!group)
        return std::string(mimeapps);
    std::vector<Line> kept;
    bool anythingLeft = false;
    for (std::size_t i = group->header + 1; i < group->end; ++i) {
        if (IsOurLine(lines[i].text))
            continue;
        anythingLeft = anythingLeft || !Trim(lines[i].text).empty();
        kept.push_back(lines[i]);
    }
    std::vector<Line> result(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(group->header));
    if (anythingLeft)
        result.push_back(lines[group->header]);
    result.insert(result.end(), kept.begin(), kept.end());
    result.insert(result.end(), lines.begin() + static_cast<std::ptrdiff_t>(group->end), lines.end());
    return Join(result);
}

} // namespace tw::core
