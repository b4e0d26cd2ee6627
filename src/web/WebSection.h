#pragma once
#include "platform/SettingsStore.h"
#include "web/CssRows.h"
#include "web/RowServices.h"

#include <QObject>

#include <array>

class QAction;
class QCheckBox;
class QWidget;

namespace tw {

class ContrastPanel;
class TemplateRows;
class WorkingColors;

// The section below the code frames with the contrast of the two colours, their CSS notations and the user's
// templates. "Contrast && CSS" shows or hides it as "Expand" does the slides: the window grows by it. Hidden
// at first; the choice is kept with the window's other settings. The section's widgets are made the first time it
// is shown. The CSS rows' items of the visible-rows menu are kept here, saved at once ("css-oklch", ...).
class WebSection : public QObject {
    Q_OBJECT
public:
    struct Menu {
        QAction* showAllRows;
        QAction* showNoRows;
        std::array<QAction*, kCssRowCount> cssRows;
        QAction* editTemplates;
    };
    using Services = RowServices;
    WebSection(WorkingColors& colors, Services services, Menu menu, QWidget& window);

    QCheckBox* toggle() const { return m_toggle; }
    QWidget* section() const { return m_section; }
    // Compact mode offers neither the check box nor the section; the choice stays for the full window.
    void setAllowed(bool allowed);

    void restoreSettings(const platform::SettingsStore& settings);
    // Appends this area's keys of section "Main" to the batch the window writes at shutdown.
    void saveSettings(QList<platform::SettingsChange>& changes) const;

private:
    enum class Rows { All, None, AsChecked };
    void build();
    void layOut();
    void chooseRows(Rows which);

    WorkingColors& m_colors;
    Services m_services;
    Menu m_menu;

    QCheckBox* m_toggle = nullptr;
    QWidget* m_section = nullptr;
    ContrastPanel* m_contrast = nullptr;
    CssRows* m_css = nullptr;
    TemplateRows* m_templates = nullptr;
    bool m_allowed = true;
};

} // namespace tw
