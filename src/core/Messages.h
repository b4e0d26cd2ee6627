#pragma once
#include <string>

namespace tw::core {

// The standard icons of the program's message boxes: exclamation for refusals, question for confirmations,
// information for notes, critical for failures.
enum class MessageIcon { None, Information, Question, Exclamation, Critical };

// One message box the program shows, in the order the logic raised it.
struct Message {
    std::string text;
    MessageIcon icon = MessageIcon::Information;
    friend bool operator==(const Message&, const Message&) = default;
};

} // namespace tw::core
