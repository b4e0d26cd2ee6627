#pragma once
#include "core/ColorValue.h"

class QWidget;

namespace tw {

// ApplyScheme: paints a window in one of the six colour schemes. The window's background, the text of its
// labels, frames and check boxes, and the text boxes take the scheme's colours; a control that chose its own
// colours keeps them (the six RGB fields, painted in their channels; the slides' captions). System colour
// constants in a scheme are resolved through lookup. An index outside 0..5 changes nothing.
void ApplyScheme(QWidget& form, int index, const core::SystemColorLookup& lookup);

} // namespace tw
