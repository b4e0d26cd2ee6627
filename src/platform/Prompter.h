#pragma once
#include "core/Messages.h"

#include <QString>

class QWidget;

namespace tw::platform {

enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Yes, No, Cancel };

// One modal message box: exact text, title, icon, buttons and the button Enter presses.
struct Prompt {
    QString text;
    QString title;
    core::MessageIcon icon = core::MessageIcon::Information;
    PromptButtons buttons = PromptButtons::Ok;
    PromptAnswer defaultButton = PromptAnswer::Ok;
};

// Every message box of the program goes through here, so tests answer them without a screen.
class Prompter {
public:
    virtual ~Prompter() = default;
    // Blocks until the user answers; closing the box counts as Cancel (or No, or Ok where those are the only
    // buttons).
    virtual PromptAnswer ask(QWidget* parent, const Prompt& prompt) = 0;
};

} // namespace tw::platform
