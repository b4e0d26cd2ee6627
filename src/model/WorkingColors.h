#pragma once
#include "core/ColorValue.h"
#include "core/Hsl.h"
#include "core/Notations.h"
#include "model/ColorSlot.h"

#include <QObject>

#include <array>
#include <optional>
#include <string_view>

namespace tw {

// Whether a colour taken into a working colour becomes the newest history entry.
enum class Record { Yes, No };
// Whether the colour taken becomes the current colour (the one the precision slides serve).
enum class MakeCurrent { Yes, No };

struct TakeOptions {
    Record record = Record::Yes;
    MakeCurrent makeCurrent = MakeCurrent::Yes;
    // The HSL triple the fields show instead of the one computed from the colour: a colour chosen by HSL
    // keeps the numbers the user gave, although the colour itself is rounded to RGB.
    std::optional<core::Hsl> shownHsl;
};

inline TakeOptions WithoutRecord()
{
    TakeOptions options;
    options.record = Record::No;
    return options;
}

inline TakeOptions ShowingHsl(core::Hsl hsl, Record record = Record::Yes)
{
    TakeOptions options;
    options.record = record;
    options.shownHsl = hsl;
    return options;
}

// The two working colours, Color #1 and Color #2, which of them is current, and whether each holds a
// colour yet. Every change of a working colour goes through take(); every view follows changed() and
// writes its widgets from notations(), which are computed once per change.
class WorkingColors : public QObject {
    Q_OBJECT
public:
    explicit WorkingColors(QObject* parent = nullptr);

    core::ColorValue color(ColorSlot slot) const { return at(slot).value; }
    // False until the colour was first taken: the swatch then shows "Empty".
    bool isSet(ColorSlot slot) const { return at(slot).set; }
    ColorSlot current() const { return m_current; }
    // The six notations of the colour, as the code fields show them.
    const core::Notations& notations(ColorSlot slot) const { return at(slot).notations; }
    // The HSL triple the fields show: the colour's own, or the one it was chosen by.
    core::Hsl hsl(ColorSlot slot) const { return at(slot).hsl; }

    // The one way a working colour changes: stores the value, makes it current unless told not to, lets
    // every view follow, then records it in the history unless told not to.
    void take(ColorSlot slot, core::ColorValue value, const TakeOptions& options = {});
    // Makes a colour current without changing it.
    void setCurrent(ColorSlot slot);
    // Asks for the colour as it is now to become the newest history entry. Nothing happens while starting.
    void record(ColorSlot slot);

    // setColor: a colour handed over from another window as a decimal colour value, or a system colour
    // constant, which is resolved to the colour it shows. A text that is neither changes nothing and
    // answers false.
    bool setColor(std::string_view colorText, bool forColor2, const core::SystemColorLookup& lookup);

    // While starting, colours are taken but nothing is recorded.
    void setStartingUp(bool startingUp) { m_startingUp = startingUp; }
    bool startingUp() const { return m_startingUp; }

Q_SIGNALS:
    // A colour was taken (also when it is the same value again, so every view writes its widgets afresh).
    void changed(tw::ColorSlot slot);
    void currentChanged(tw::ColorSlot slot);
    // The history is asked to record value, the colour of slot.
    void recorded(tw::ColorSlot slot, tw::core::ColorValue value);

private:
    struct Working {
        core::ColorValue value = 0;
        bool set = false;
        core::Hsl hsl;
        core::Notations notations;
    };
    const Working& at(ColorSlot slot) const { return m_colors[slot == ColorSlot::One ? 0 : 1]; }
    Working& at(ColorSlot slot) { return m_colors[slot == ColorSlot::One ? 0 : 1]; }

    std::array<Working, 2> m_colors;
    ColorSlot m_current = ColorSlot::One;
    bool m_startingUp = false;
};

} // namespace tw
