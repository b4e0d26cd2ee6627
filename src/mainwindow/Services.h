#pragma once

namespace tw::platform {
class Clipboard;
class ColorDialog;
class FileAssociations;
class FileDialogs;
class Prompter;
class Screen;
class ScreenshotPortal;
class SettingsStore;
class Shell;
class SystemColors;
class Tray;
} // namespace tw::platform

namespace tw {

// The operating-system services the windows use, built once by main() (or by a test with fakes) and
// handed to the main window, which passes them on to the windows it opens.
struct Services {
    platform::Prompter& prompter;
    platform::SystemColors& systemColors;
    platform::SettingsStore& settings;
    platform::Clipboard& clipboard;
    platform::Screen& screen;
    platform::FileDialogs& fileDialogs;
    platform::Tray& tray;
    platform::ColorDialog& colorDialog;
    platform::FileAssociations& associations;
    platform::Shell& shell;
    platform::ScreenshotPortal& portal;
};

} // namespace tw
