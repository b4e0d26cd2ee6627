#include "core/CodeChecks.h"

#include "core/Notations.h"

#include <gtest/gtest.h>

namespace tw::core {
namespace {

    // The field a text is typed into. The three RGB fields and the two colours share one check each.
    enum class Field { Rgb, Hue, Sat, Lum, Html, Vb, Delphi, Cpp };

    // What every check answers, in one shape: the accepted channel, HSL value or colour; the corrected text the
    // hex field shows (the RGB and HSL checks correct nothing); the message boxes in the order they appear.
    struct Outcome {
        std::optional<int> value;
        std::string fieldText;
        std::vector<Message> messages;
    };

    struct Case {
        Field field;
        std::string text;
        NotifyCorrections notify;
        Outcome expected;
        // What the colour being edited shows; only the Hue and Sat checks look at it.
        GreyLimit limit = GreyLimit::None;
    };

    constexpr auto kOn = NotifyCorrections::On;
    constexpr auto kOff = NotifyCorrections::Off;
    constexpr std::nullopt_t kRefused = std::nullopt;

    // System colour 15 of the desktop the tests pretend to run on.
    constexpr ColorValue kButtonFace = 0xC0D0E0;

    Message Info(std::string text)
    {
        return { std::move(text), MessageIcon::Information };
    }
    Message Warn(std::string text)
    {
        return { std::move(text), MessageIcon::Exclamation };
    }

    const Message kHashNote = Info("Rememeber, HTML hex code must start with \"#\" (number sign).\n\nNumber sign has "
                                   "been added by Tintwise Color Picker.");
    const Message kPadNote = Info("HTML hex code must be six characters long. Tintwise Color Picker will now adjust "
                                  "your HTML Hex length by adding the necessary number of leading zeros.");
    const Message kHtmlLength = Info("HTML hex code must be six characters long.");
    const Message kVbStartNote = Info("VB Hex color codes must start with \"&H\". \"&H\" has been added.");
    const Message kVbEndNote = Info("VB Hex color codes must end with \"&\". \"&\" has been added.");
    const Message kConstantNote = Info(
        "You entered a VB System Color Constant. As a result, Tintwise Color Picker will now change the VB Hex format "
        "to its equivalent fixed (non-system constant) VB Hex format to render it compatible on all systems.\n\nThis "
        "will only change the formatting of the VB Hex Color Code and will not modify the actual color or any of its "
        "properties.");
    const std::string kVbFailure
        = "Validation and conversion could not be completed. Please ensure you entered a proper VB Hex code.\n\n";
    const std::string kTooManyDigits = "The number has more than eight significant hex digits, more than 32 bits can "
                                       "hold.";
    const Message kDollarNote = Info("Rememeber, Delphi hex code must start with \"$\" (dollar sign).\n\nDollar sign "
                                     "has been added by Tintwise Color Picker.");
    const Message kCppNote = Info("Rememeber, C++ hex code must start with \"0x\".\n\n0x has been added by Tintwise "
                                  "Color Picker.");

    Outcome Check(const Case& c)
    {
        const SystemColorLookup lookup = [](int index) { return index == 15 ? kButtonFace : 0; };
        const auto numberOutcome = [](std::optional<int> value, std::vector<Message> messages) {
            return Outcome { value, {}, std::move(messages) };
        };
        const auto hexOutcome = [](HexCodeCheck check) {
            return Outcome { check.color, check.color ? check.fieldText : std::string(), std::move(check.messages) };
        };
        switch (c.field) {
        case Field::Rgb: {
            auto check = CheckRgbField(c.text);
            return numberOutcome(check.value, std::move(check.messages));
        }
        case Field::Hue:
        case Field::Sat:
        case Field::Lum: {
            const auto part = c.field == Field::Hue ? HslPart::Hue
                : c.field == Field::Sat             ? HslPart::Sat
                                                    : HslPart::Lum;
            auto check = CheckHslField(part, c.text, c.limit);
            return numberOutcome(check.value, std::move(check.messages));
        }
        case Field::Html:
            return hexOutcome(CheckHtmlHex(c.text, c.notify));
        case Field::Vb:
            return hexOutcome(CheckVbHex(c.text, c.notify, lookup));
        case Field::Delphi:
            return hexOutcome(CheckDelphiHex(c.text, c.notify));
        case Field::Cpp:
            return hexOutcome(CheckCppHex(c.text, c.notify));
        }
        return {};
    }

    // The messages as text and icon name, so that a difference prints readably.
    std::vector<std::pair<std::string, std::string>> Shown(const std::vector<Message>& messages)
    {
        std::vector<std::pair<std::string, std::string>> shown;
        for (const Message& message : messages)
            shown.emplace_back(message.text,
                message.icon == MessageIcon::Information       ? "information"
                    : message.icon == MessageIcon::Exclamation ? "exclamation"
                                                               : "other");
        return shown;
    }

    // Every check of every notation, as the field would run it: the outcome decides what the field shows, the
    // messages are the boxes the user sees, in order.
    TEST(CodeChecks, EveryNotationAcceptsCorrectsOrRefusesWithItsMessages)
    {
        const Case cases[] = {
            // RGB: 0..255, fractions rounded halves to even; an empty field is restored without a word.
            { Field::Rgb, "255", kOff, { 255, "", {} } },
            { Field::Rgb, "0", kOff, { 0, "", {} } },
            { Field::Rgb, " 7 ", kOff, { 7, "", {} } },
            { Field::Rgb, "12.6", kOff, { 13, "", {} } },
            { Field::Rgb, "12.5", kOff, { 12, "", {} } },
            { Field::Rgb, "254.6", kOff, { 255, "", {} } },
            { Field::Rgb, "+4", kOff, { 4, "", {} } },
            { Field::Rgb, "255.4", kOff, { kRefused, "", { Info("Each RGB value cannot exceed 255") } } },
            { Field::Rgb, "256", kOff, { kRefused, "", { Info("Each RGB value cannot exceed 255") } } },
            { Field::Rgb, "255.5", kOff, { kRefused, "", { Info("Each RGB value cannot exceed 255") } } },
            { Field::Rgb, "1e400", kOff, { kRefused, "", { Info("Each RGB value cannot exceed 255") } } },
            { Field::Rgb, "-1", kOff, { kRefused, "", { Info("Each RGB value cannot be less than 0") } } },
            { Field::Rgb, "abc", kOff, { kRefused, "", { Info("abc is not a valid RGB value.") } } },
            { Field::Rgb, "12abc", kOff, { kRefused, "", { Info("12abc is not a valid RGB value.") } } },
            { Field::Rgb, ".", kOff, { kRefused, "", { Info(". is not a valid RGB value.") } } },
            { Field::Rgb, "1e", kOff, { kRefused, "", { Info("1e is not a valid RGB value.") } } },
            { Field::Rgb, "１２", kOff, { kRefused, "", { Info("１２ is not a valid RGB value.") } } },
            { Field::Rgb, "", kOn, { kRefused, "", {} } },
            // Numbers beyond a double: a tiny one is 0 however it is written, a huge one stays huge.
            { Field::Rgb, "1e-400", kOff, { 0, "", {} } },
            { Field::Rgb, "0." + std::string(400, '0') + "1", kOff, { 0, "", {} } },
            { Field::Rgb, "0." + std::string(400, '0') + "1e399", kOff, { 0, "", {} } },
            { Field::Rgb, "1" + std::string(400, '0'), kOff,
                { kRefused, "", { Info("Each RGB value cannot exceed 255") } } },
            { Field::Rgb, "0.001e400", kOff, { kRefused, "", { Info("Each RGB value cannot exceed 255") } } },
            { Field::Rgb, "1e-99999999999999999999", kOff, { 0, "", {} } },
            { Field::Rgb, "-1e400", kOff, { kRefused, "", { Info("Each RGB value cannot be less than 0") } } },

            // HSL: Hue stops at 239, Sat and Lum at 240; Hue and Sat of black and white cannot change.
            { Field::Hue, "239", kOff, { 239, "", {} } },
            { Field::Hue, "240", kOff, { kRefused, "", { Info("Hue cannot exceed 239") } } },
            { Field::Sat, "240", kOff, { 240, "", {} } },
            { Field::Sat, "240.5", kOff, { kRefused, "", { Info("Sat cannot exceed 240") } } },
            { Field::Lum, "241", kOff, { kRefused, "", { Info("Lum cannot exceed 240") } } },
            { Field::Lum, "120.5", kOff, { 120, "", {} } },
            { Field::Lum, "-1", kOff, { kRefused, "", { Info("Each HSL value cannot be less than 0") } } },
            { Field::Sat, "x", kOff, { kRefused, "", { Info("x is not a valid HSL value.") } } },
            { Field::Hue, "", kOff, { kRefused, "", {} } },
            { Field::Hue, "100", kOff,
                { kRefused, "",
                    { Info("Hue cannot be altered when color is true black (Red = 0, Green = 0, Blue = 0)") } },
                GreyLimit::Black },
            { Field::Sat, "100", kOff,
                { kRefused, "",
                    { Info("Sat cannot be altered when color is true white (Red = 255, Green = 255, Blue = 255)") } },
                GreyLimit::White },
            { Field::Lum, "100", kOff, { 100, "", {} }, GreyLimit::Black },
            // The range is checked before the grey: a Hue of 300 on black is refused for its size.
            { Field::Hue, "300", kOff, { kRefused, "", { Info("Hue cannot exceed 239") } }, GreyLimit::Black },

            // HTML hex: "#" added, a short code padded, lower case and a long code refused.
            { Field::Html, "#FF8000", kOn, { 0x0080FF, "#FF8000", {} } },
            { Field::Html, "FF8000", kOn, { 0x0080FF, "#FF8000", { kHashNote } } },
            { Field::Html, "FF8000", kOff, { 0x0080FF, "#FF8000", {} } },
            { Field::Html, "#F80", kOn, { 0x800F00, "#000F80", { kPadNote } } },
            { Field::Html, "F80", kOn, { 0x800F00, "#000F80", { kHashNote, kPadNote } } },
            { Field::Html, "#0A0B0C", kOff, { 0x0C0B0A, "#0A0B0C", {} } },
            { Field::Html, "#FF80001", kOn, { kRefused, "", { kHtmlLength } } },
            { Field::Html, "FF80001", kOn, { kRefused, "", { kHashNote, kHtmlLength } } },
            { Field::Html, "ff8000", kOff, { kRefused, "", { Info("ff8000 is not a valid HTML hex code.") } } },
            { Field::Html, "#", kOn, { 0, "#000000", { kPadNote } } },
            // Full-width digits are six characters, not eighteen bytes: refused for what they are.
            { Field::Html, "#ＦＦ８０００", kOn,
                { kRefused, "", { Info("ＦＦ８０００ is not a valid HTML hex code.") } } },
            { Field::Html, "#Ｆ８", kOn,
                { kRefused, "", { kPadNote, Info("0000Ｆ８ is not a valid HTML hex code.") } } },
            { Field::Html, "", kOn, { kRefused, "", {} } },

            // VB hex: "&H" and "&" added, a system colour constant resolved, leading zeros dropped.
            { Field::Vb, "&H80FF&", kOn, { 0x0080FF, "&H80FF&", {} } },
            { Field::Vb, "&h80FF&", kOn, { 0x0080FF, "&H80FF&", {} } },
            { Field::Vb, "80FF", kOn, { 0x0080FF, "&H80FF&", { kVbStartNote, kVbEndNote } } },
            { Field::Vb, "80FF", kOff, { 0x0080FF, "&H80FF&", {} } },
            { Field::Vb, "&H00FF&", kOff, { 0xFF, "&HFF&", {} } },
            { Field::Vb, "&HFFFFFF&", kOff, { 0xFFFFFF, "&HFFFFFF&", {} } },
            // Black as the program writes it, and any other run of zeros, is black.
            { Field::Vb, "&H0&", kOn, { 0, "&H0&", {} } },
            { Field::Vb, "&H00&", kOn, { 0, "&H0&", {} } },
            { Field::Vb, "&H000000&", kOff, { 0, "&H0&", {} } },
            { Field::Vb, "&H0000000000&", kOn, { 0, "&H0&", {} } },
            { Field::Vb, "0", kOn, { 0, "&H0&", { kVbStartNote, kVbEndNote } } },
            { Field::Vb, "&h8000000F", kOn, { kButtonFace, "&H8000000F&", { kVbEndNote, kConstantNote } } },
            { Field::Vb, "&H8000000F&", kOff, { kButtonFace, "&H8000000F&", {} } },
            { Field::Vb, "&H80ff&", kOn, { kRefused, "", { Info("&H80ff& is not a valid VB hex code.") } } },
            // Only the "h" of the prefix changes case: a lower-case digit is not made upper-case.
            { Field::Vb, "1a", kOff, { kRefused, "", { Info("&H1a& is not a valid VB hex code.") } } },
            { Field::Vb, "&H&", kOn, { kRefused, "", { Info("&H& is not a valid VB hex code.") } } },
            { Field::Vb, "&", kOn, { kRefused, "", { kVbStartNote, Info("&H& is not a valid VB hex code.") } } },
            // Seven significant digits are no colour, however many zeros follow the first digit.
            { Field::Vb, "&H1000000&", kOn,
                { kRefused, "",
                    { Warn(kVbFailure
                        + "&H1000000& is neither a color (&H0& to &HFFFFFF&) nor a VB System Color Constant "
                          "(&H80000000& to &H80000018&).") } } },
            { Field::Vb, "&H80000019&", kOff,
                { kRefused, "",
                    { Warn(kVbFailure
                        + "&H80000019& is neither a color (&H0& to &HFFFFFF&) nor a VB System Color Constant "
                          "(&H80000000& to &H80000018&).") } } },
            { Field::Vb, "&H100000000&", kOn,
                { kRefused, "",
                    { Warn("An error occured while determining whether Tintwise Color Picker's VB System Color "
                           "Constant warning message box should appear for: 100000000\n\n"
                          + kTooManyDigits),
                        Warn(kVbFailure + kTooManyDigits) } } },
            { Field::Vb, "&H100000000&", kOff, { kRefused, "", { Warn(kVbFailure + kTooManyDigits) } } },
            { Field::Vb, "", kOn, { kRefused, "", {} } },

            // Delphi hex: "$" added; the text must begin with "$00".
            { Field::Delphi, "$00FF0000", kOn, { 0xFF0000, "$00FF0000", {} } },
            { Field::Delphi, "00FF0000", kOn, { 0xFF0000, "$00FF0000", { kDollarNote } } },
            { Field::Delphi, "00FF0000", kOff, { 0xFF0000, "$00FF0000", {} } },
            { Field::Delphi, "$000", kOff, { 0, "$000", {} } },
            { Field::Delphi, "$000000FF", kOff, { 0xFF, "$000000FF", {} } },
            { Field::Delphi, "FF0000", kOn,
                { kRefused, "", { kDollarNote, Info("$FF0000 is not a valid Delphi hex code.") } } },
            { Field::Delphi, "$00ff", kOff, { kRefused, "", { Info("$00ff is not a valid Delphi hex code.") } } },
            { Field::Delphi, "$00", kOff, { kRefused, "", { Info("$00 is not a valid Delphi hex code.") } } },
            { Field::Delphi, "$001000000", kOff,
                { kRefused, "",
                    { Info("$001000000 is not a valid Delphi hex code.\n\nA color has at most six significant hex "
                           "digits after \"$00\": $00FFFFFF is white.") } } },
            { Field::Delphi, "", kOn, { kRefused, "", {} } },

            // C++ hex: "0x" added, the "X" of a leading "0X" lowered, upper-case digits kept as typed.
            { Field::Cpp, "0x80FF", kOn, { 0x0080FF, "0x80FF", {} } },
            { Field::Cpp, "0X00FF00", kOn, { 0x00FF00, "0x00FF00", {} } },
            { Field::Cpp, "80FF", kOn, { 0x0080FF, "0x80FF", { kCppNote } } },
            { Field::Cpp, "80FF", kOff, { 0x0080FF, "0x80FF", {} } },
            { Field::Cpp, "FF", kOff, { 0xFF, "0xFF", {} } },
            { Field::Cpp, "AB12", kOff, { 0xAB12, "0xAB12", {} } },
            { Field::Cpp, "12AB", kOff, { 0x12AB, "0x12AB", {} } },
            { Field::Cpp, "FFFFFF", kOn, { 0xFFFFFF, "0xFFFFFF", { kCppNote } } },
            { Field::Cpp, "0x0", kOn, { 0, "0x0", {} } },
            { Field::Cpp, "ab12", kOff, { kRefused, "", { Info("0xab12 is not a valid C++ hex code.") } } },
            { Field::Cpp, "0xff", kOff, { kRefused, "", { Info("0xff is not a valid C++ hex code.") } } },
            { Field::Cpp, "0x", kOn, { kRefused, "", { Info("0x is not a valid C++ hex code.") } } },
            { Field::Cpp, "0x1000000", kOn,
                { kRefused, "",
                    { Warn("Incorrect input:\n\n0x1000000 is not a color: a color has at most six significant hex "
                           "digits, and 0xFFFFFF is white.") } } },
            { Field::Cpp, "", kOn, { kRefused, "", {} } },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE("\"" + c.text + "\" notify " + (c.notify == kOn ? "on" : "off"));
            const Outcome got = Check(c);
            EXPECT_EQ(got.value, c.expected.value);
            EXPECT_EQ(got.fieldText, c.expected.fieldText);
            EXPECT_EQ(Shown(got.messages), Shown(c.expected.messages));
        }
    }

    // Every code the program writes for a colour is taken back when typed into its own field.
    TEST(CodeChecks, TheProgramsOwnCodesAreAccepted)
    {
        for (ColorValue value = 0; value <= kWhite; value += 0x010101 * 3 + 0x0F) {
            for (const ColorValue color : { value, value & 0xFF, value & 0xFF00, value & 0xFF0000 }) {
                const Notations n = DescribeColor(color);
                SCOPED_TRACE(n.html);
                EXPECT_EQ(CheckHtmlHex(n.html, kOn).color, color);
                EXPECT_EQ(CheckVbHex(n.vb, kOn, {}).color, color);
                EXPECT_EQ(CheckDelphiHex(n.delphi, kOn).color, color);
                EXPECT_EQ(CheckCppHex(n.cpp, kOn).color, color);
                EXPECT_EQ(Shown(CheckVbHex(n.vb, kOn, {}).messages), Shown({}));
            }
        }
    }

} // namespace
} // namespace tw::core
