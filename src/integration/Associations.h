#pragma once
#include "platform/DesktopIntegration.h"

#include <QObject>

class QWidget;

namespace tw {

namespace platform {
    class Prompter;
}

// Colour and palette files opened by the desktop with this program, with their own icons: checked and repaired
// at every start, removed (Ctrl+R) and added again (Ctrl+A) by hand.
class Associations : public QObject {
    Q_OBJECT
public:
    struct Services {
        platform::FileAssociations& associations;
        platform::Prompter& prompter;
    };
    Associations(Services services, QWidget& window);

    // At start: a missing registration is installed silently where the data folder can be written; otherwise
    // the user is told that it cannot be. Then a missing document icon is reported.
    void checkAtStartUp();
    // Ctrl+R and Ctrl+A.
    void removeByHand();
    void addByHand();

private:
    bool registered() const;
    bool allowed();
    void report(const platform::OutsideChange& change);

    Services m_services;
    QWidget& m_window;
};

} // namespace tw
