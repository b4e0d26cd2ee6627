#pragma once

namespace tw::platform {
class Clipboard;
class Prompter;
} // namespace tw::platform

namespace tw {

class SettingsWrites;

// What the section's rows use: messages about refused entries, the clipboard for their copy buttons, and the
// checked settings writes for what they keep.
struct RowServices {
    platform::Prompter& prompter;
    platform::Clipboard& clipboard;
    SettingsWrites& writes;
};

} // namespace tw
