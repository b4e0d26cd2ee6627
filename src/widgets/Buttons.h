#pragma once
#include <QAction>
#include <QPushButton>

#include <functional>

namespace tw {

// A push button with its control name and tooltip. Buttons never become the default button of a dialog.
inline QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QString& tooltip = {})
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tooltip);
    button->setAutoDefault(false);
    return button;
}

// Enables a menu item and runs command whenever it is chosen, for as long as context lives.
inline void EnableCommand(QAction* item, QObject* context, std::function<void()> command)
{
    Q_ASSERT(item);
    item->setEnabled(true);
    QObject::connect(item, &QAction::triggered, context, std::move(command));
}

} // namespace tw
