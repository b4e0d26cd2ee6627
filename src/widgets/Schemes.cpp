#include "widgets/Schemes.h"

#include "core/Schemes.h"
#include "platform/ColorConversion.h"

#include <QPalette>
#include <QWidget>

namespace tw {

void ApplyScheme(QWidget& form, int index, const core::SystemColorLookup& lookup)
{
    const std::optional<core::Scheme> scheme = core::SchemeAt(index);
    if (!scheme)
        return;
    const auto shown
        = [&lookup](core::ColorValue value) { return platform::ToQColor(core::ResolveSystemColor(value, lookup)); };
    // Set on the window, the colours reach every control that did not choose its own for that role.
    QPalette palette = form.palette();
    for (const QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive }) {
        palette.setColor(group, QPalette::Window, shown(scheme->background));
        palette.setColor(group, QPalette::WindowText, shown(scheme->labelText));
        palette.setColor(group, QPalette::Base, shown(scheme->boxBackground));
        palette.setColor(group, QPalette::Text, shown(scheme->boxText));
    }
    form.setPalette(palette);
}

} // namespace tw
