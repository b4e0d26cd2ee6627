#include "platform/qt/QtSystemColors.h"

#include <QApplication>
#include <QPalette>

#include <optional>
#include <utility>

namespace tw::platform {

namespace {

    // The 25 indexes of the desktop colour scheme, each on the palette role nearest to its meaning.
    std::optional<std::pair<QPalette::ColorGroup, QPalette::ColorRole>> RoleOf(int index)
    {
        using P = QPalette;
        switch (index) {
        case 0: // scroll bar
            return std::pair { P::Active, P::Button };
        case 1: // desktop
        case 2: // active caption
        case 27: // active caption gradient
            return std::pair { P::Active, P::Highlight };
        case 3: // inactive caption
        case 28:
            return std::pair { P::Inactive, P::Highlight };
        case 4: // menu
            return std::pair { P::Active, P::Window };
        case 5: // window background
            return std::pair { P::Active, P::Base };
        case 6: // window frame
            return std::pair { P::Active, P::Dark };
        case 7: // menu text
            return std::pair { P::Active, P::WindowText };
        case 8: // window text
            return std::pair { P::Active, P::Text };
        case 9: // active caption text
            return std::pair { P::Active, P::HighlightedText };
        case 10: // active border
        case 11: // inactive border
            return std::pair { P::Active, P::Mid };
        case 12: // application workspace
            return std::pair { P::Active, P::Dark };
        case 13: // highlight
            return std::pair { P::Active, P::Highlight };
        case 14: // highlighted text
            return std::pair { P::Active, P::HighlightedText };
        case 15: // button face
            return std::pair { P::Active, P::Button };
        case 16: // button shadow
            return std::pair { P::Active, P::Shadow };
        case 17: // grey text
            return std::pair { P::Disabled, P::Text };
        case 18: // button text
            return std::pair { P::Active, P::ButtonText };
        case 19: // inactive caption text
            return std::pair { P::Inactive, P::HighlightedText };
        case 20: // button highlight
            return std::pair { P::Active, P::Light };
        case 21: // 3-D dark shadow
            return std::pair { P::Active, P::Shadow };
        case 22: // 3-D light
            return std::pair { P::Active, P::Midlight };
        case 23: // tooltip text
            return std::pair { P::Active, P::ToolTipText };
        case 24: // tooltip background
            return std::pair { P::Active, P::ToolTipBase };
        default:
            return std::nullopt;
        }
    }

} // namespace

core::ColorValue QtSystemColors::systemColor(int index) const
{
    const auto role = RoleOf(index);
    if (!role)
        return 0;
    const QColor color = QApplication::palette().color(role->first, role->second);
    return core::MakeColor(color.red(), color.green(), color.blue());
}

} // namespace tw::platform
