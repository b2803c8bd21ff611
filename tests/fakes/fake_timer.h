#pragma once

#include <functional>

#include "platform/timer.h"

namespace pixo {

// A timer that ticks only when the test says so (Fire).
class FakeTimer final : public ITimer {
  public:
    void Start(int milliseconds) override {
        running = true;
        interval = milliseconds;
        ++startCount;
    }
    void Stop() override {
        running = false;
        ++stopCount;
    }
    bool Running() override { return running; }

    // Delivers one tick to `onTick` if the timer is running; false otherwise.
    bool Fire() {
        if (!running)
            return false;
        if (onTick)
            onTick();
        return true;
    }

    bool running = false;
    int interval = 0;
    int startCount = 0;
    int stopCount = 0;
    std::function<void()> onTick;
};

}  // namespace pixo
