#pragma once
#include "core/Messages.h"
#include "platform/Prompter.h"

#include <QString>

class QWidget;

namespace tw {

inline constexpr const char* kAppTitle = "Tintwise Color Picker";

// One message box with the application's title and an OK button.
inline void Tell(platform::Prompter& prompter, QWidget* parent, const core::Message& message)
{
    // Nothing to decide: an OK box has one answer.
    static_cast<void>(prompter.ask(parent,
        { QString::fromStdString(message.text), QString::fromLatin1(kAppTitle), message.icon,
            platform::PromptButtons::Ok, platform::PromptAnswer::Ok }));
}

// A question with Yes and No, Yes as the default; true only for Yes.
inline bool AskYesNo(platform::Prompter& prompter, QWidget* parent, const QString& question)
{
    return prompter.ask(parent,
               { question, QString::fromLatin1(kAppTitle), core::MessageIcon::Question, platform::PromptButtons::YesNo,
                   platform::PromptAnswer::Yes })
        == platform::PromptAnswer::Yes;
}

} // namespace tw
