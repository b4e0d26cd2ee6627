#pragma once
#include "platform/ColorDialog.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <array>

namespace tw::test {

// Answers each dialog from a script and records what it was asked. Like the real dialog it keeps 16 custom
// colours for the run: an answer may define one, which later dialogs then offer, unless that answer cancels.
class FakeColorDialog : public platform::ColorDialog {
public:
    using CustomColors = std::array<core::ColorValue, 16>;

    struct Answer {
        platform::ColorDialogOutcome outcome = platform::ColorDialogOutcome::Cancelled;
        core::ColorValue color = 0;
        // A custom colour the user defines in this dialog (it goes into the first box).
        std::optional<core::ColorValue> defineCustom;
    };
    struct Request {
        QPointer<QWidget> parent;
        core::ColorValue initial = 0;
        CustomColors offered {};
    };

    static Answer Choose(core::ColorValue color) { return { platform::ColorDialogOutcome::Chosen, color, {} }; }
    static Answer Cancel() { return {}; }
    static Answer Fail() { return { platform::ColorDialogOutcome::Failed, 0, {} }; }

    FakeColorDialog() { customColors.fill(core::MakeColor(254, 254, 254)); }

    platform::ColorChoice ChooseColorDialog(QWidget* parent, core::ColorValue initial) override
    {
        requests.append({ parent, initial, customColors });
        const Answer answer = answers.isEmpty() ? Cancel() : answers.takeFirst();
        if (answer.outcome == platform::ColorDialogOutcome::Chosen) {
            if (answer.defineCustom)
                customColors[0] = *answer.defineCustom;
            return { answer.outcome, answer.color };
        }
        return { answer.outcome, 0 };
    }

    QList<Answer> answers;
    QList<Request> requests;
    CustomColors customColors {};
};

} // namespace tw::test
