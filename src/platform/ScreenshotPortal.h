#pragma once
#include "core/ColorValue.h"

#include <QImage>
#include <QString>

#include <functional>
#include <optional>

namespace tw::platform {

// Where a desktop lets no program read the screen itself (a Wayland session), the desktop's screenshot
// service takes the picture for it. Each request is answered once, later, on the user-interface thread.
class ScreenshotPortal {
public:
    enum class Outcome {
        Taken, // `image` holds the whole desktop, or `color` the one colour the desktop let the user pick
        Refused, // the user or the desktop said no
        Failed, // the desktop tried and could not
        Missing, // no such service on this desktop
        NoAnswer, // the service never answered
    };
    struct Result {
        Outcome outcome = Outcome::Missing;
        QImage image;
        std::optional<core::ColorValue> color;
        // What went wrong, in the service's own words where it gave any; for the log and the message.
        QString detail;
    };
    using Done = std::function<void(const Result&)>;

    virtual ~ScreenshotPortal() = default;
    // A picture of the whole desktop, taken without asking the user to choose anything.
    virtual void takeScreenshot(Done done) = 0;
    // The desktop's own colour picker: one colour, for a desktop that offers no screenshot.
    virtual void pickColor(Done done) = 0;
};

} // namespace tw::platform
