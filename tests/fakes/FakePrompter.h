#pragma once
#include "platform/Prompter.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace tw::test {

// Records every message box and answers from a script; with the script used up it presses the default
// button, as Enter would.
class FakePrompter : public platform::Prompter {
public:
    platform::PromptAnswer ask(QWidget*, const platform::Prompt& prompt) override
    {
        prompts.append(prompt);
        if (onAsk)
            onAsk(prompt);
        if (!answers.isEmpty())
            return answers.takeFirst();
        return prompt.defaultButton;
    }

    QStringList texts() const
    {
        QStringList all;
        for (const auto& prompt : prompts)
            all.append(prompt.text);
        return all;
    }
    void clear()
    {
        prompts.clear();
        answers.clear();
    }

    QList<platform::Prompt> prompts;
    QList<platform::PromptAnswer> answers;
    // Runs while a box is up, to look at the windows as the user sees them behind it.
    std::function<void(const platform::Prompt&)> onAsk;
};

} // namespace tw::test
