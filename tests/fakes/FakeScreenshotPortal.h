#pragma once
#include "platform/ScreenshotPortal.h"

#include <vector>

namespace tw::test {

// A desktop portal the test answers: requests wait in `pending` until the test calls answer().
class FakeScreenshotPortal : public platform::ScreenshotPortal {
public:
    void takeScreenshot(Done done) override
    {
        ++screenshots;
        pending.push_back(std::move(done));
    }
    void pickColor(Done done) override
    {
        ++colorPicks;
        pending.push_back(std::move(done));
    }
    // Answers the oldest waiting request.
    void answer(const Result& result)
    {
        if (pending.empty())
            return;
        Done done = std::move(pending.front());
        pending.erase(pending.begin());
        done(result);
    }

    std::vector<Done> pending;
    int screenshots = 0;
    int colorPicks = 0;
};

} // namespace tw::test
