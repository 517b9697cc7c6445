#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/dispatcher.h"
#include "core/scheduler.h"
#include "core/window.h"
#include "support/fakes.h"

namespace lwviz::testing {

inline WindowDefinition timersWindow() {
    WindowDefinition w;
    w.name = "TIMERS";
    for (const char* name : {"A", "B", "C", "D"}) {
        ControlDefinition timer;
        timer.kind = ControlKind::Timer;
        timer.name = name;
        timer.enabled = false;
        w.controls.push_back(timer);
    }
    return w;
}

// Records "name@time" for every tick, fired the way the front-end fires them: at each due time.
class TimersFixture : public ::testing::Test {
protected:
    TimersFixture() : window(definition) {
        window.setTimerObserver(&scheduler);
        for (Control& timer : window.controls()) {
            timer.onTimer = [this, &timer] {
                ticks.push_back(std::string(timer.name()) + "@" + std::to_string(clock.now));
            };
        }
    }

    void runUntil(std::int64_t ms) {
        while (auto due = scheduler.nextDueMs()) {
            if (*due > ms) {
                break;
            }
            clock.now = *due;
            dispatcher.fireDueTimers();
        }
        clock.now = ms;
    }

    Control& timer(const char* name) { return window.control(name); }

    WindowDefinition definition = timersWindow();
    VirtualClock clock;
    Scheduler scheduler{clock};
    RecordingFailureReporter reporter;
    Dispatcher dispatcher{scheduler, reporter};
    Window window;
    std::vector<std::string> ticks;
};

}  // namespace lwviz::testing
