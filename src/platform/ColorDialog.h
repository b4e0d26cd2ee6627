#pragma once
#include "core/ColorValue.h"

class QWidget;

namespace tw::platform {

// How a colour dialog ended.
enum class ColorDialogOutcome {
    Chosen,
    // Cancel, Escape or the close button.
    Cancelled,
    // The dialog could not be shown (one is open already).
    Failed,
};

struct ColorChoice {
    ColorDialogOutcome outcome = ColorDialogOutcome::Cancelled;
    // The chosen colour; 0 unless one was chosen.
    core::ColorValue color = 0;
};

// The modal colour chooser: basic colours, 16 custom colours and a hue-saturation field with a luminance bar,
// always fully expanded, with no alpha channel. One service serves every window of the program.
class ColorDialog {
public:
    virtual ~ColorDialog() = default;
    // Opens centred over parent and starting on initial (an ordinary colour). The custom colours are kept for
    // the run: those a dialog ended with OK holds are offered by every later dialog, whichever window asks; a
    // cancelled dialog leaves them as they were. They are all RGB(254, 254, 254) at first and are not kept
    // beyond the run.
    [[nodiscard]] virtual ColorChoice ChooseColorDialog(QWidget* parent, core::ColorValue initial) = 0;
};

} // namespace tw::platform
