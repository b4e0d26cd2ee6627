#pragma once
#include "platform/SettingsStore.h"

#include <QObject>

#include <array>

class QAction;
class QWidget;

namespace tw::platform {
class SystemColors;
}

namespace tw {

class Swatch;

// The window options of the "&Options" menu: "&Stick Color Boxes Together", "Always on &Top", "&Compact Mode",
// the five transparency levels and the six colour schemes. Each takes effect at once; all are saved at shutdown
// and applied again at start-up.
class WindowOptions : public QObject {
    Q_OBJECT
public:
    struct Menu {
        QAction* mnuStick;
        QAction* mnuTop;
        QAction* mnuHide;
        std::array<QAction*, 5> mnuTP;
        std::array<QAction*, 6> mnuScheme;
    };
    // The swatches and the line between them, which "Stick" lays out.
    struct Swatches {
        Swatch* picHover;
        Swatch* picSelected;
        QWidget* Line1;
    };
    WindowOptions(Menu menu, Swatches swatches, platform::SystemColors& systemColors, QWidget& window);

    void restoreSettings(const platform::SettingsStore& settings);
    void saveSettings(QList<platform::SettingsChange>& changes) const;

    bool stuck() const;
    bool onTop() const;
    bool compact() const;
    // The checked transparency level, 0 (very high) .. 4 (none).
    int transparency() const;
    // intScheme: the index of the scheme in use.
    int scheme() const { return m_scheme; }

    // Toggles always-on-top and applies it.
    void Topper();
    void LayoutColorBoxes();
    void ApplyTransparency();
    void setScheme(int index);
    // Paints another window of the program in the scheme in use.
    void paintInScheme(QWidget& window) const;

Q_SIGNALS:
    void compactChanged(bool compact);
    void onTopChanged(bool onTop);
    void schemeChanged(int index);

private:
    void applyOnTop();

    Menu m_menu;
    Swatches m_swatches;
    platform::SystemColors& m_systemColors;
    QWidget& m_window;
    int m_scheme = 0;
};

} // namespace tw
