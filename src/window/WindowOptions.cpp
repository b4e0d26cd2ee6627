#include "window/WindowOptions.h"

#include "core/Schemes.h"
#include "platform/SettingsKeys.h"
#include "platform/SystemColors.h"
#include "widgets/Buttons.h"
#include "widgets/Schemes.h"
#include "widgets/Swatch.h"

#include <QAction>
#include <QWidget>

namespace tw {

namespace {

    QString TransKey(int level)
    {
        return QStringLiteral("trans%1").arg(level);
    }

} // namespace

WindowOptions::WindowOptions(Menu menu, Swatches swatches, platform::SystemColors& systemColors, QWidget& window)
    : QObject(&window)
    , m_menu(menu)
    , m_swatches(swatches)
    , m_systemColors(systemColors)
    , m_window(window)
{
    setObjectName(QStringLiteral("windowOptions"));
    m_menu.mnuStick->setChecked(true);
    m_menu.mnuTP[4]->setChecked(true);
    m_menu.mnuScheme[0]->setChecked(true);
    // The check items toggle themselves before their command runs.
    EnableCommand(m_menu.mnuStick, this, [this] { LayoutColorBoxes(); });
    EnableCommand(m_menu.mnuTop, this, [this] { applyOnTop(); });
    EnableCommand(m_menu.mnuHide, this, [this] { Q_EMIT compactChanged(compact()); });
    for (QAction* level : m_menu.mnuTP)
        EnableCommand(level, this, [this] { ApplyTransparency(); });
    for (int index = 0; index < core::kSchemeCount; ++index)
        EnableCommand(m_menu.mnuScheme[static_cast<std::size_t>(index)], this, [this, index] { setScheme(index); });
}

void WindowOptions::restoreSettings(const platform::SettingsStore& settings)
{
    m_menu.mnuStick->setChecked(settings.readBool(keys::kMain, keys::kStick, true));
    m_menu.mnuTop->setChecked(settings.readBool(keys::kMain, keys::kTop, false));
    m_menu.mnuHide->setChecked(settings.readBool(keys::kMain, keys::kHide, false));
    // The first level stored as checked wins; none means no transparency.
    int level = 4;
    for (int i = 0; i < 4; ++i) {
        if (settings.readBool(keys::kMain, TransKey(i), false)) {
            level = i;
            break;
        }
    }
    m_menu.mnuTP[static_cast<std::size_t>(level)]->setChecked(true);
    const int scheme = settings.readInt(keys::kMain, keys::kScheme, 0);
    LayoutColorBoxes();
    applyOnTop();
    Q_EMIT compactChanged(compact());
    ApplyTransparency();
    setScheme(core::SchemeAt(scheme) ? scheme : 0);
}

void WindowOptions::saveSettings(QList<platform::SettingsChange>& changes) const
{
    changes.append(platform::BoolSetting(keys::kStick, stuck()));
    changes.append(platform::BoolSetting(keys::kTop, onTop()));
    changes.append(platform::BoolSetting(keys::kHide, compact()));
    for (int level = 0; level < 5; ++level)
        changes.append(platform::BoolSetting(TransKey(level), transparency() == level));
    changes.append(platform::IntSetting(keys::kScheme, m_scheme));
}

bool WindowOptions::stuck() const
{
    return m_menu.mnuStick->isChecked();
}

bool WindowOptions::onTop() const
{
    return m_menu.mnuTop->isChecked();
}

bool WindowOptions::compact() const
{
    return m_menu.mnuHide->isChecked();
}

int WindowOptions::transparency() const
{
    for (int level = 0; level < 5; ++level) {
        if (m_menu.mnuTP[static_cast<std::size_t>(level)]->isChecked())
            return level;
    }
    return 4;
}

void WindowOptions::Topper()
{
    m_menu.mnuTop->setChecked(!m_menu.mnuTop->isChecked());
    applyOnTop();
}

void WindowOptions::applyOnTop()
{
    const bool top = onTop();
    if (m_window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) != top) {
        // Changing the flag re-creates a shown window; it comes back where it was.
        const bool shown = m_window.isVisible();
        const QPoint position = m_window.pos();
        m_window.setWindowFlag(Qt::WindowStaysOnTopHint, top);
        if (shown) {
            m_window.move(position);
            m_window.show();
        }
    }
    Q_EMIT onTopChanged(top);
}

void WindowOptions::LayoutColorBoxes()
{
    // Stuck: two 48-pixel boxes that touch; apart: 49-pixel boxes with the line between them.
    const bool together = stuck();
    const int side = together ? 48 : 49;
    m_swatches.picHover->setFixedSize(side, side);
    m_swatches.picSelected->setFixedSize(side, side);
    m_swatches.Line1->setVisible(!together);
}

void WindowOptions::ApplyTransparency()
{
    // Needs a compositing window manager; without one it has no effect, silently.
    m_window.setWindowOpacity(core::TransparencyAlpha(transparency()) / 255.0);
}

void WindowOptions::setScheme(int index)
{
    for (int i = 0; i < core::kSchemeCount; ++i)
        m_menu.mnuScheme[static_cast<std::size_t>(i)]->setChecked(i == index);
    m_scheme = index;
    paintInScheme(m_window);
    Q_EMIT schemeChanged(index);
}

void WindowOptions::paintInScheme(QWidget& window) const
{
    ApplyScheme(window, m_scheme, [this](int index) { return m_systemColors.systemColor(index); });
}

} // namespace tw
