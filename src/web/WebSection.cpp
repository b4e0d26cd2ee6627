#include "web/WebSection.h"

#include "platform/SettingsKeys.h"
#include "web/ContrastPanel.h"
#include "web/CssRows.h"
#include "web/TemplateRows.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace tw {

WebSection::WebSection(WorkingColors& colors, Services services, Menu menu, QWidget& window)
    : QObject(&window)
{
    setObjectName(QStringLiteral("webSection"));
    m_toggle = new QCheckBox(tr("Contrast && CSS"), &window);
    m_toggle->setObjectName(QStringLiteral("chkWeb"));
    m_toggle->setToolTip(tr("Show the contrast of the two colors, their CSS notations and your templates"));
    m_section = new QWidget(&window);
    m_section->setObjectName(QStringLiteral("fraWeb"));
    auto* column = new QVBoxLayout(m_section);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    m_contrast = new ContrastPanel(colors, m_section);
    m_css = new CssRows(colors, services, { menu.showAllRows, menu.showNoRows, menu.cssRows }, m_section);
    m_templates = new TemplateRows(colors, services, menu.editTemplates, m_section);
    column->addWidget(m_contrast);
    column->addWidget(m_css);
    column->addWidget(m_templates);
    m_section->hide();
    connect(m_toggle, &QCheckBox::toggled, this, &WebSection::layOut);
    // Editing the templates from the menu shows the rows they make.
    connect(menu.editTemplates, &QAction::triggered, this, [this] { m_toggle->setChecked(true); });
}

void WebSection::setAllowed(bool allowed)
{
    m_allowed = allowed;
    layOut();
}

void WebSection::layOut()
{
    m_toggle->setVisible(m_allowed);
    m_section->setVisible(m_allowed && m_toggle->isChecked());
}

void WebSection::restoreSettings(const platform::SettingsStore& settings)
{
    m_css->restoreSettings(settings);
    m_templates->restoreSettings(settings);
    m_toggle->setChecked(settings.readBool(keys::kMain, keys::kWebSection, false));
    layOut();
}

void WebSection::saveSettings(QList<platform::SettingsChange>& changes) const
{
    changes.append(platform::BoolSetting(keys::kWebSection, m_toggle->isChecked()));
}

} // namespace tw
