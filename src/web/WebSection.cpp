#include "web/WebSection.h"

#include "platform/SettingsKeys.h"
#include "web/ContrastPanel.h"
#include "web/CssRows.h"
#include "web/TemplateRows.h"
#include "widgets/Buttons.h"
#include "widgets/SettingsWrites.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace tw {

namespace {

    // "css-oklch" and so on, in section "Main".
    QString RowKey(std::size_t row)
    {
        return QString(keys::kCssRowPrefix) + QString::fromLatin1(core::CssNotationName(core::kCssNotations[row]));
    }

} // namespace

WebSection::WebSection(WorkingColors& colors, Services services, Menu menu, QWidget& window)
    : QObject(&window)
    , m_colors(colors)
    , m_services(services)
    , m_menu(menu)
{
    setObjectName(QStringLiteral("webSection"));
    m_toggle = new QCheckBox(tr("Contrast && CSS"), &window);
    m_toggle->setObjectName(QStringLiteral("chkWeb"));
    m_toggle->setToolTip(tr("Show the contrast of the two colors, their CSS notations and your templates"));
    m_section = new QWidget(&window);
    m_section->setObjectName(QStringLiteral("fraWeb"));
    m_section->hide();
    connect(m_toggle, &QCheckBox::toggled, this, &WebSection::layOut);

    // The CSS rows' items of the visible-rows menu; "Show All" and "Show None" take them too.
    EnableCommand(menu.showAllRows, this, [this] { chooseRows(Rows::All); });
    EnableCommand(menu.showNoRows, this, [this] { chooseRows(Rows::None); });
    for (QAction* item : menu.cssRows) {
        item->setChecked(true);
        // The check mark is toggled by the item itself before this runs.
        EnableCommand(item, this, [this] { chooseRows(Rows::AsChecked); });
    }
    // Editing the templates from the menu shows the rows they make.
    EnableCommand(menu.editTemplates, this, [this] {
        m_toggle->setChecked(true);
        build();
        m_templates->edit();
    });
}

void WebSection::build()
{
    if (m_contrast)
        return;
    auto* column = new QVBoxLayout(m_section);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    m_contrast = new ContrastPanel(m_colors, m_section);
    m_css = new CssRows(m_colors, m_services, m_menu.cssRows, m_section);
    m_templates = new TemplateRows(m_colors, m_services, m_section);
    column->addWidget(m_contrast);
    column->addWidget(m_css);
    column->addWidget(m_templates);
}

void WebSection::setAllowed(bool allowed)
{
    m_allowed = allowed;
    layOut();
}

void WebSection::layOut()
{
    m_toggle->setVisible(m_allowed);
    const bool shown = m_allowed && m_toggle->isChecked();
    // Built the first time it is shown: a window that never shows it pays nothing for it at start.
    if (shown)
        build();
    m_section->setVisible(shown);
}

void WebSection::chooseRows(Rows which)
{
    if (which != Rows::AsChecked)
        for (QAction* item : m_menu.cssRows)
            item->setChecked(which == Rows::All);
    QList<platform::SettingsChange> changes;
    for (std::size_t row = 0; row < m_menu.cssRows.size(); ++row)
        changes.append(platform::BoolSetting(RowKey(row), m_menu.cssRows[row]->isChecked()));
    m_services.writes.apply(keys::kMain, changes);
    if (m_css)
        m_css->layOut();
}

void WebSection::restoreSettings(const platform::SettingsStore& settings)
{
    for (std::size_t row = 0; row < m_menu.cssRows.size(); ++row)
        m_menu.cssRows[row]->setChecked(settings.readBool(keys::kMain, RowKey(row), true));
    if (m_css)
        m_css->layOut();
    m_toggle->setChecked(settings.readBool(keys::kMain, keys::kWebSection, false));
    layOut();
}

void WebSection::saveSettings(QList<platform::SettingsChange>& changes) const
{
    changes.append(platform::BoolSetting(keys::kWebSection, m_toggle->isChecked()));
}

} // namespace tw
