#pragma once
#include "platform/Prompter.h"

namespace tw::platform {

// Message boxes as QMessageBox, application-modal. The text is shown as it stands, never as markup.
class QtPrompter : public Prompter {
public:
    PromptAnswer ask(QWidget* parent, const Prompt& prompt) override;
};

} // namespace tw::platform
