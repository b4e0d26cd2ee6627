#pragma once
#include "core/ColorValue.h"

#include <array>
#include <optional>

namespace tw::platform {
class SettingsStore;
}

namespace tw {

// The ten most recent colours, kept in the settings section "History": key "1" is the newest, "10" the
// oldest, each a colour value in decimal. An absent or empty key is an empty slot. Nothing is kept in memory,
// so every window and every process sees the same list.
class ColorHistory {
public:
    static constexpr int kSize = 10;
    // Slot i shows key i + 1; a key whose text is no colour value (0..16777215) shows as an empty slot.
    using Entries = std::array<std::optional<core::ColorValue>, kSize>;

    explicit ColorHistory(platform::SettingsStore& settings);

    Entries entries() const;
    // Makes color the newest entry unless the newest already is that colour (an older equal entry does not
    // count). The entries move down one key, the tenth drops off, empty slots stay where they are; all of it
    // is one write. False when the write failed, which leaves the list as it was.
    [[nodiscard]] bool record(core::ColorValue color);
    // Empties the list (the whole section).
    [[nodiscard]] bool clear();

private:
    platform::SettingsStore& m_settings;
};

} // namespace tw
