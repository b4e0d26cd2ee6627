#pragma once
#include <QIcon>

namespace tw {

// The program's icon: two overlapping colour boxes under a target, drawn at the sizes desktops ask for.
QIcon AppIcon();

} // namespace tw
