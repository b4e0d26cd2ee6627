#pragma once
#include <QIcon>

namespace tw {

// The program's icon: two overlapping colour boxes under a target, drawn at whatever size is asked for; it
// offers the sizes desktops ask for.
QIcon AppIcon();

} // namespace tw
