#pragma once
#include "platform/DesktopIntegration.h"

#include <QStringList>

namespace tw::platform {

// The freedesktop way of associating the two document types with this program, for the current user: a
// shared-mime-info package, a desktop entry, the icons in the hicolor theme and the default-handler lines of
// mimeapps.list, under $XDG_DATA_HOME and $XDG_CONFIG_HOME. A registration installed with the system (under
// $XDG_DATA_DIRS) counts as well, so an installed program adds nothing of its own.
class XdgFileAssociations : public FileAssociations {
public:
    // programPath is what the desktop entry starts.
    explicit XdgFileAssociations(QString programPath);

    bool canRegister() const override;
    bool registered(DocumentType type) const override;
    bool iconPresent(DocumentType type) const override;
    [[nodiscard]] OutsideChange install() override;
    [[nodiscard]] OutsideChange remove() override;

    // Every file install() writes, for the uninstaller's list and the tests (mimeapps.list is edited, not
    // written whole, and is not among them).
    QStringList ownFiles() const;

private:
    QString dataHome() const;
    QString mimeappsPath() const;
    void refreshDesktopCaches() const;

    QString m_programPath;
};

} // namespace tw::platform
