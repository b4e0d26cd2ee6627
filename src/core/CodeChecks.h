#pragma once
#include "core/ColorValue.h"
#include "core/Messages.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw::core {

// The text without the blanks (spaces, tabs, line breaks) around it.
std::string_view TrimBlanks(std::string_view text);
// The number of characters in UTF-8 text: a full-width digit counts once, not three times. A byte that starts
// no well-formed sequence counts as one character of its own.
std::size_t CharacterCount(std::string_view text);

// Reads a number the way the code fields accept one: blanks around it, an optional sign, digits with at most
// one decimal point and an optional exponent. Anything else is not a number. A number too small for a double
// reads as 0 and one too large as the largest double.
std::optional<double> ParseFieldNumber(std::string_view text);

// The outcome of checking one typed RGB field.
struct RgbFieldCheck {
    // The accepted channel 0..255, a fraction rounded halves to even (12.6 becomes 13); empty when refused.
    std::optional<int> value;
    // What to show before the field is restored; an empty field is restored without a message.
    std::vector<Message> messages;
};
RgbFieldCheck CheckRgbField(std::string_view text);

enum class HslPart { Hue, Sat, Lum };

// What the colour being edited shows in its RGB fields: Hue and Sat of pure black and pure white cannot be
// changed (every hue of a grey is the same colour). Anything else (or no colour at all) lets them change.
enum class GreyLimit { None, Black, White };

// The outcome of checking one typed HSL field.
struct HslFieldCheck {
    // The accepted value (Hue 0..239, Sat and Lum 0..240), rounded halves to even; empty when refused.
    std::optional<int> value;
    std::vector<Message> messages;
};
// Hue stops at 239: 240 is the same hue as 0, although RgbToHsl can answer it.
HslFieldCheck CheckHslField(HslPart part, std::string_view text, GreyLimit limit);

// Which limit applies to a colour whose three RGB fields read red, green and blue.
GreyLimit GreyLimitOf(int red, int green, int blue);
// The refusal of changing Hue or Sat of black or white (empty for Lum and for GreyLimit::None); the spin
// buttons show it too.
std::string GreyRefusalText(HslPart part, GreyLimit limit);

// The outcome of checking a typed hex code (HTML, VB, Delphi or C++).
struct HexCodeCheck {
    // The accepted colour, always an ordinary value 0..0xFFFFFF (a system colour constant comes back
    // resolved); empty when the entry is refused and the field is to be restored.
    std::optional<ColorValue> color;
    // The corrected code ("#" added, "0X" lowered, ...), for the field while the colour is applied.
    std::string fieldText;
    // Every message the check raised, in order: auto-correction notes (only with notify on) come before a
    // refusal, which is shown whatever the option says.
    std::vector<Message> messages;
};

enum class NotifyCorrections { Off, On };

// "#" and six upper-case hex digits. A missing "#" is added, a short code is padded with leading zeros, a
// longer one and lower-case digits are refused. Lengths count characters of the UTF-8 text, not bytes.
HexCodeCheck CheckHtmlHex(std::string_view text, NotifyCorrections notify);
// "&H", hex digits, "&". Missing "&H" and "&" are added. A system colour constant (&H80000000& to
// &H80000018&) is resolved through lookup; without a lookup (no desktop) it is refused. Leading zeros are
// dropped, so zeros only are black (&H0&, as the program writes it). More than eight significant digits, or a
// value above &HFFFFFF& that is no system colour constant, are refused.
HexCodeCheck CheckVbHex(std::string_view text, NotifyCorrections notify, const SystemColorLookup& lookup);
// "$00" then hex digits in the order blue, green, red. A missing "$" is added; a value above $00FFFFFF is
// refused.
HexCodeCheck CheckDelphiHex(std::string_view text, NotifyCorrections notify);
// "0x" then hex digits in the order blue, green, red. A missing "0x" is added, a leading "0X" is lowered; a
// value above 0xFFFFFF is refused.
HexCodeCheck CheckCppHex(std::string_view text, NotifyCorrections notify);

} // namespace tw::core
