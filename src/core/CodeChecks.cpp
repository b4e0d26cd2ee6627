#include "core/CodeChecks.h"

#include "core/ColorValue.h"
#include "core/Notations.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <string>
#include <system_error>
#include <utility>

namespace tw::core {

namespace {

    bool IsDigit(char c)
    {
        return c >= '0' && c <= '9';
    }

    // The power of ten of a number's first significant digit: 2 for 123.4, -3 for 0.001 and for 1e-3. The
    // exponent saturates, so that no text can overflow the sum. A number without a significant digit is zero,
    // which counts as below every power.
    long long DecimalOrder(std::string_view mantissa, std::string_view exponent)
    {
        const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
        const std::size_t first = mantissa.find_first_of("123456789");
        if (first == std::string_view::npos)
            return std::numeric_limits<long long>::min();
        constexpr long long kLimit = 1'000'000'000'000;
        long long power = 0;
        const bool negative = exponent.starts_with('-');
        for (const char c : exponent)
            if (IsDigit(c))
                power = std::min(power * 10 + (c - '0'), kLimit);
        if (negative)
            power = -power;
        const auto place = static_cast<long long>(point) - static_cast<long long>(first);
        return power + (first < point ? place - 1 : place);
    }

} // namespace

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

std::size_t CharacterCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1
            : (lead & 0xE0) == 0xC0            ? 2
            : (lead & 0xF0) == 0xE0            ? 3
            : (lead & 0xF8) == 0xF0            ? 4
                                               : 1;
        std::size_t next = i + 1;
        while (next < i + length && next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80)
            ++next;
        i = next == i + length ? next : i + 1;
    }
    return count;
}

std::optional<double> ParseFieldNumber(std::string_view text)
{
    text = TrimBlanks(text);
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::size_t mantissaStart = i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    const std::string_view mantissa = text.substr(mantissaStart, i - mantissaStart);
    std::string_view exponent;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t exponentStart = j;
        while (j < text.size() && IsDigit(text[j]))
            ++j;
        if (j == exponentStart)
            return std::nullopt;
        exponent = text.substr(i + 1, j - i - 1);
        i = j;
    }
    if (i != text.size())
        return std::nullopt;
    // from_chars ignores the locale (a German desktop must still read 12.6) but takes no plus sign.
    const bool negative = text.front() == '-';
    if (text.front() == '+' || negative)
        text.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size())
        return std::nullopt;
    // Beyond the range of a double the number is still a number: 1e400 is huge, and 1e-400 and a point
    // followed by hundreds of zeros and a 1 are tiny.
    if (error == std::errc::result_out_of_range)
        value = DecimalOrder(mantissa, exponent) < 0 ? 0.0 : std::numeric_limits<double>::max();
    return negative ? -value : value;
}

RgbFieldCheck CheckRgbField(std::string_view text)
{
    if (text.empty())
        return {};
    const auto number = ParseFieldNumber(text);
    if (!number)
        return { std::nullopt, { { std::string(text) + " is not a valid RGB value.", MessageIcon::Information } } };
    if (*number > 255.0)
        return { std::nullopt, { { "Each RGB value cannot exceed 255", MessageIcon::Information } } };
    if (*number < 0.0)
        return { std::nullopt, { { "Each RGB value cannot be less than 0", MessageIcon::Information } } };
    // Every value that passed the range tests rounds into 0..255 (255.5 was refused as above 255).
    return { RoundHalfEven(*number), {} };
}

namespace {

    constexpr int kMaxOf[] = { 239, 240, 240 }; // indexed by HslPart
    constexpr const char* kNameOf[] = { "Hue", "Sat", "Lum" };

    Message Note(std::string text)
    {
        return { std::move(text), MessageIcon::Information };
    }

    Message Failure(std::string text)
    {
        return { std::move(text), MessageIcon::Exclamation };
    }

    HexCodeCheck Refused(std::vector<Message> messages, Message refusal)
    {
        messages.push_back(std::move(refusal));
        return { std::nullopt, {}, std::move(messages) };
    }

    bool StartsWith(std::string_view text, std::string_view prefix)
    {
        return text.substr(0, prefix.size()) == prefix;
    }

    std::string_view WithoutLeadingZeros(std::string_view digits)
    {
        while (!digits.empty() && digits.front() == '0')
            digits.remove_prefix(1);
        return digits;
    }

    // Hex digits (already checked) as a 32-bit number, however many leading zeros they carry; nothing when
    // more than eight significant digits remain.
    std::optional<std::uint32_t> HexNumber(std::string_view digits)
    {
        const auto significant = WithoutLeadingZeros(digits);
        if (significant.empty())
            return 0u;
        const auto value = ParseHexDigits(significant);
        if (!value)
            return std::nullopt;
        return static_cast<std::uint32_t>(*value);
    }

    constexpr const char* kTooManyDigits = "The number has more than eight significant hex digits, more than 32 bits "
                                           "can hold.";

    // A Delphi or C++ code whose digits are a colour, or the reason they are not one.
    std::optional<ColorValue> ColorOfDigits(std::string_view digits)
    {
        const auto number = HexNumber(digits);
        if (!number || *number > static_cast<std::uint32_t>(kWhite))
            return std::nullopt;
        return static_cast<ColorValue>(*number);
    }

} // namespace

GreyLimit GreyLimitOf(int red, int green, int blue)
{
    if (red == 0 && green == 0 && blue == 0)
        return GreyLimit::Black;
    if (red == 255 && green == 255 && blue == 255)
        return GreyLimit::White;
    return GreyLimit::None;
}

std::string GreyRefusalText(HslPart part, GreyLimit limit)
{
    if (part == HslPart::Lum || limit == GreyLimit::None)
        return {};
    const std::string name = kNameOf[static_cast<int>(part)];
    if (limit == GreyLimit::Black)
        return name + " cannot be altered when color is true black (Red = 0, Green = 0, Blue = 0)";
    return name + " cannot be altered when color is true white (Red = 255, Green = 255, Blue = 255)";
}

HslFieldCheck CheckHslField(HslPart part, std::string_view text, GreyLimit limit)
{
    if (text.empty())
        return {};
    const auto number = ParseFieldNumber(text);
    if (!number)
        return { std::nullopt, { Note(std::string(text) + " is not a valid HSL value.") } };
    const int index = static_cast<int>(part);
    if (*number > kMaxOf[index])
        return { std::nullopt,
            { Note(std::string(kNameOf[index]) + " cannot exceed " + std::to_string(kMaxOf[index])) } };
    if (*number < 0.0)
        return { std::nullopt, { Note("Each HSL value cannot be less than 0") } };
    if (std::string refusal = GreyRefusalText(part, limit); !refusal.empty())
        return { std::nullopt, { Note(std::move(refusal)) } };
    return { RoundHalfEven(*number), {} };
}

HexCodeCheck CheckHtmlHex(std::string_view text, NotifyCorrections notify)
{
    if (text.empty())
        return {};
    const bool tell = notify == NotifyCorrections::On;
    std::vector<Message> messages;
    std::string digits(text);
    if (StartsWith(digits, "#"))
        digits.erase(0, 1);
    else if (tell)
        messages.push_back(Note("Rememeber, HTML hex code must start with \"#\" (number sign).\n\n"
                                "Number sign has been added by Tintwise Color Picker."));
    // Characters, not bytes: a code typed in full-width digits has the right length and is refused for its
    // digits below.
    const std::size_t length = CharacterCount(digits);
    if (length > 6)
        return Refused(std::move(messages), Note("HTML hex code must be six characters long."));
    if (length < 6) {
        if (tell)
            messages.push_back(Note("HTML hex code must be six characters long. Tintwise Color Picker will now "
                                    "adjust your HTML Hex length by adding the necessary number of leading zeros."));
        digits.insert(0, 6 - length, '0');
    }
    if (!IsHexCode(digits))
        return Refused(std::move(messages), Note(digits + " is not a valid HTML hex code."));
    std::string code = "#" + digits;
    const auto color = ParseHtmlHex(code);
    return { color, std::move(code), std::move(messages) };
}

HexCodeCheck CheckVbHex(std::string_view text, NotifyCorrections notify, const SystemColorLookup& lookup)
{
    if (text.empty())
        return {};
    const bool tell = notify == NotifyCorrections::On;
    std::vector<Message> messages;
    std::string code(text);
    // Only the prefix changes case: a lower-case digit elsewhere stays and is refused like any other.
    if (StartsWith(code, "&h"))
        code[1] = 'H';
    if (!StartsWith(code, "&H")) {
        if (tell)
            messages.push_back(Note("VB Hex color codes must start with \"&H\". \"&H\" has been added."));
        code.insert(0, "&H");
    }
    if (code.back() != '&') {
        if (tell)
            messages.push_back(Note("VB Hex color codes must end with \"&\". \"&\" has been added."));
        code += '&';
    }
    // "&H&" has no digits: the slice is empty and fails the digit test.
    std::string digits = code.size() > 3 ? code.substr(2, code.size() - 3) : std::string();
    if (!IsHexCode(digits))
        return Refused(std::move(messages), Note(code + " is not a valid VB hex code."));

    const auto cannotConvert = [&messages](const std::string& reason) {
        return Refused(std::move(messages),
            Failure("Validation and conversion could not be completed. Please ensure you entered a proper VB Hex "
                    "code.\n\n"
                + reason));
    };
    const auto number = HexNumber(digits);
    // The constant test only decides whether the note below appears, so it runs only when notes are wanted.
    if (tell) {
        if (!number)
            messages.push_back(Failure("An error occured while determining whether Tintwise Color Picker's VB "
                                       "System Color Constant warning message box should appear for: "
                + digits + "\n\n" + kTooManyDigits));
        else if (IsSystemColorConstant(static_cast<ColorValue>(*number)))
            messages.push_back(Note("You entered a VB System Color Constant. As a result, Tintwise Color Picker will "
                                    "now change the VB Hex format to its equivalent fixed (non-system constant) VB "
                                    "Hex format to render it compatible on all systems.\n\nThis will only change "
                                    "the formatting of the VB Hex Color Code and will not modify the actual color "
                                    "or any of its properties."));
    }
    if (!number)
        return cannotConvert(kTooManyDigits);
    if (StartsWith(digits, "0"))
        digits = std::string(WithoutLeadingZeros(digits));
    // Zeros only are black, which the program itself writes as &H0&: that code is taken back when typed.
    if (digits.empty())
        digits = "0";
    code = "&H" + digits + "&";
    if (IsSystemColorConstant(static_cast<ColorValue>(*number))) {
        if (!lookup)
            return cannotConvert(code
                + " is a VB System Color Constant: its color comes from the desktop's color scheme, which is not "
                  "available here.");
        const ColorValue resolved = ResolveSystemColor(static_cast<ColorValue>(*number), lookup);
        return { resolved, std::move(code), std::move(messages) };
    }
    if (*number > static_cast<std::uint32_t>(kWhite))
        return cannotConvert(code
            + " is neither a color (&H0& to &HFFFFFF&) nor a VB System Color Constant (&H80000000& to "
              "&H80000018&).");
    return { static_cast<ColorValue>(*number), std::move(code), std::move(messages) };
}

HexCodeCheck CheckDelphiHex(std::string_view text, NotifyCorrections notify)
{
    if (text.empty())
        return {};
    std::vector<Message> messages;
    std::string code(text);
    if (!StartsWith(code, "$")) {
        if (notify == NotifyCorrections::On)
            messages.push_back(Note("Rememeber, Delphi hex code must start with \"$\" (dollar sign).\n\n"
                                    "Dollar sign has been added by Tintwise Color Picker."));
        code.insert(0, "$");
    }
    const std::string digits = code.size() > 3 ? code.substr(3) : std::string();
    if (!IsHexCode(digits) || !StartsWith(code, "$00"))
        return Refused(std::move(messages), Note(code + " is not a valid Delphi hex code."));
    const auto color = ColorOfDigits(digits);
    if (!color)
        return Refused(std::move(messages),
            Note(code
                + " is not a valid Delphi hex code.\n\nA color has at most six significant hex digits after "
                  "\"$00\": $00FFFFFF is white."));
    return { color, std::move(code), std::move(messages) };
}

HexCodeCheck CheckCppHex(std::string_view text, NotifyCorrections notify)
{
    if (text.empty())
        return {};
    std::vector<Message> messages;
    std::string code(text);
    // Only the "X" of the prefix is lowered: "AB12" keeps its upper-case digits and is accepted as 0xAB12.
    if (StartsWith(code, "0X"))
        code[1] = 'x';
    if (!StartsWith(code, "0x")) {
        if (notify == NotifyCorrections::On)
            messages.push_back(Note("Rememeber, C++ hex code must start with \"0x\".\n\n"
                                    "0x has been added by Tintwise Color Picker."));
        code.insert(0, "0x");
    }
    const std::string digits = code.substr(2);
    if (!IsHexCode(digits))
        return Refused(std::move(messages), Note(code + " is not a valid C++ hex code."));
    const auto color = ColorOfDigits(digits);
    if (!color)
        return Refused(std::move(messages),
            Failure("Incorrect input:\n\n" + code
                + " is not a color: a color has at most six significant hex digits, and 0xFFFFFF is white."));
    return { color, std::move(code), std::move(messages) };
}

} // namespace tw::core
