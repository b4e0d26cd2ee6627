#pragma once
#include "platform/Prompter.h"

namespace tw::platform {

// Message boxes as QMessageBox, application-modal.
class QtPrompter : public Prompter {
public:
    PromptAnswer ask(QWidget* parent, const Prompt& prompt) override;
};

} // namespace tw::platform
