#include "platform/qt/QtPrompter.h"

#include <QMessageBox>
#include <QScreen>

#include <algorithm>

namespace tw::platform {

namespace {

    QMessageBox::Icon ToQtIcon(core::MessageIcon icon)
    {
        switch (icon) {
        case core::MessageIcon::None:
            return QMessageBox::NoIcon;
        case core::MessageIcon::Information:
            return QMessageBox::Information;
        case core::MessageIcon::Question:
            return QMessageBox::Question;
        case core::MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case core::MessageIcon::Critical:
            return QMessageBox::Critical;
        }
        return QMessageBox::NoIcon;
    }

    QMessageBox::StandardButton ToQtButton(PromptAnswer answer)
    {
        switch (answer) {
        case PromptAnswer::Ok:
            return QMessageBox::Ok;
        case PromptAnswer::Yes:
            return QMessageBox::Yes;
        case PromptAnswer::No:
            return QMessageBox::No;
        case PromptAnswer::Cancel:
            return QMessageBox::Cancel;
        }
        return QMessageBox::Ok;
    }

    // Every box stands centred on the window it belongs to, kept on that window's screen. Placed by hand once
    // the box has its final size (it sizes itself as it is shown), before it is mapped, so the window manager's
    // own placement (which may not know the window's position yet) does not win.
    class CentredBox : public QMessageBox {
    public:
        using QMessageBox::QMessageBox;

    protected:
        void showEvent(QShowEvent* event) override
        {
            QMessageBox::showEvent(event);
            CentreOver(*this, parentWidget());
        }

    private:
        static void CentreOver(QMessageBox& box, QWidget* parent);
    };

    void CentredBox::CentreOver(QMessageBox& box, QWidget* parent)
    {
        QWidget* window = parent ? parent->window() : nullptr;
        if (!window || !window->isVisible())
            return;
        QRect placed(QPoint(), box.frameGeometry().size());
        placed.moveCenter(window->frameGeometry().center());
        if (const QScreen* screen = window->screen()) {
            const QRect available = screen->availableGeometry();
            placed.moveLeft(std::clamp(
                placed.left(), available.left(), std::max(available.left(), available.right() - placed.width())));
            placed.moveTop(std::clamp(
                placed.top(), available.top(), std::max(available.top(), available.bottom() - placed.height())));
        }
        box.move(placed.topLeft());
    }

} // namespace

PromptAnswer QtPrompter::ask(QWidget* parent, const Prompt& prompt)
{
    CentredBox box(ToQtIcon(prompt.icon), prompt.title, QString(), QMessageBox::NoButton, parent);
    // The text often carries what the user typed or a file held; left to guess, the box would render
    // "<h1>x</h1>" as a heading. Set before the text, so no guess is ever made.
    box.setTextFormat(Qt::PlainText);
    box.setText(prompt.text);
    box.setWindowModality(Qt::ApplicationModal);
    switch (prompt.buttons) {
    case PromptButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case PromptButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case PromptButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case PromptButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    box.setDefaultButton(ToQtButton(prompt.defaultButton));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Ok:
        return PromptAnswer::Ok;
    default:
        // Escape or the close button: the safe answer of the box.
        if (prompt.buttons == PromptButtons::YesNo)
            return PromptAnswer::No;
        return prompt.buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
    }
}

} // namespace tw::platform
