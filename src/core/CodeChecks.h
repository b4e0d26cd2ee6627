#pragma once
#include "core/Messages.h"

#include <optional>
#include <string_view>
#include <vector>

namespace tw::core {

// Reads a number the way the code fields accept one: blanks around it, an optional sign, digits with at most
// one decimal point and an optional exponent. Anything else is not a number.
std::optional<double> ParseFieldNumber(std::string_view text);

// The outcome of checking one typed RGB field.
struct RgbFieldCheck {
    // The accepted channel 0..255, a fraction rounded halves to even (12.6 becomes 13); empty when refused.
    std::optional<int> value;
    // What to show before the field is restored; an empty field is restored without a message.
    std::vector<Message> messages;
};
RgbFieldCheck CheckRgbField(std::string_view text);

} // namespace tw::core
