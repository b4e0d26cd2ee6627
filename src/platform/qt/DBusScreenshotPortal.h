#pragma once
#include "platform/ScreenshotPortal.h"

#include <QObject>

#include <chrono>

namespace tw::platform {

// org.freedesktop.portal.Screenshot on the session bus. Each request listens for its own Response signal
// before the call goes out (so a fast answer is never missed) and gives up after `answerTime` without one.
class DBusScreenshotPortal : public QObject, public ScreenshotPortal {
    Q_OBJECT
public:
    explicit DBusScreenshotPortal(
        std::chrono::milliseconds answerTime = std::chrono::seconds(60), QObject* parent = nullptr);

    void takeScreenshot(Done done) override;
    void pickColor(Done done) override;

private:
    enum class Kind { Screenshot, Color };
    void request(Kind kind, Done done);

    std::chrono::milliseconds m_answerTime;
    int m_tokens = 0;
};

} // namespace tw::platform
