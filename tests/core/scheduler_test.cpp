#include "core/scheduler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/dispatcher.h"
#include "support/fakes.h"

namespace lwviz {
namespace {

using testing::RecordingFailureReporter;
using testing::VirtualClock;

WindowDefinition timersWindow() {
    WindowDefinition w;
    w.name = "TIMERS";
    for (const char* name : {"A", "B", "C"}) {
        ControlDefinition timer;
        timer.kind = ControlKind::Timer;
        timer.name = name;
        timer.enabled = false;
        w.controls.push_back(timer);
    }
    return w;
}

// Records "name@time" for every tick, fired the way the front-end fires them: at each due time.
class SchedulerTest : public ::testing::Test {
protected:
    SchedulerTest() : window(definition) {
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

TEST_F(SchedulerTest, FirstTickComesOneIntervalAfterEnablingAndRepeats) {
    clock.now = 100;
    timer("A").setInterval(1000);
    timer("A").setEnabled(true);
    runUntil(3100);
    EXPECT_EQ(ticks, (std::vector<std::string>{"A@1100", "A@2100", "A@3100"}));
}

TEST_F(SchedulerTest, NeedsBothAnIntervalAndTheEnabledFlag) {
    timer("A").setEnabled(true);  // interval still 0
    timer("B").setInterval(100);  // not enabled
    runUntil(1000);
    EXPECT_TRUE(ticks.empty());
    EXPECT_FALSE(scheduler.nextDueMs().has_value());
}

TEST_F(SchedulerTest, ShortIntervalsAreRaisedToThePlatformMinimum) {
    timer("A").setInterval(1);
    timer("A").setEnabled(true);
    runUntil(45);
    EXPECT_EQ(ticks, (std::vector<std::string>{"A@15", "A@30", "A@45"}));
}

TEST_F(SchedulerTest, LateWakeUpMergesMissedTicksIntoOne) {
    timer("A").setInterval(100);
    timer("A").setEnabled(true);
    clock.now = 450;  // the program was busy: four ticks fell due
    dispatcher.fireDueTimers();
    EXPECT_EQ(ticks, (std::vector<std::string>{"A@450"}));
    EXPECT_EQ(scheduler.nextDueMs(), 500);  // keeps its beat
}

TEST_F(SchedulerTest, TimersDueTogetherFireInTheOrderTheyWereEnabled) {
    for (const char* name : {"C", "A", "B"}) {
        timer(name).setInterval(15);
        timer(name).setEnabled(true);
    }
    runUntil(30);
    EXPECT_EQ(ticks, (std::vector<std::string>{"C@15", "A@15", "B@15", "C@30", "A@30", "B@30"}));
}

TEST_F(SchedulerTest, SwitchingOffAndOnOrChangingTheIntervalRestartsTheWait) {
    timer("A").setInterval(1000);
    timer("A").setEnabled(true);
    clock.now = 600;
    timer("A").setEnabled(false);
    timer("A").setEnabled(true);
    runUntil(1599);
    EXPECT_TRUE(ticks.empty());
    clock.now = 1599;
    timer("A").setInterval(500);
    runUntil(2100);
    EXPECT_EQ(ticks, (std::vector<std::string>{"A@2099"}));
    // Enabling a timer that already runs changes nothing.
    timer("A").setEnabled(true);
    EXPECT_EQ(scheduler.nextDueMs(), 2599);
}

TEST_F(SchedulerTest, HandlerSwitchingAnotherTimerTakesEffectWithinTheSameWakeUp) {
    for (const char* name : {"A", "B", "C"}) {
        timer(name).setInterval(100);
        timer(name).setEnabled(true);
    }
    // A switches B off before its turn and restarts C.
    timer("A").onTimer = [this] {
        ticks.emplace_back("A");
        timer("B").setEnabled(false);
        timer("C").setEnabled(false);
        timer("C").setEnabled(true);
    };
    runUntil(100);
    EXPECT_EQ(ticks, (std::vector<std::string>{"A"}));
    EXPECT_EQ(scheduler.nextDueMs(), 200);
}

TEST_F(SchedulerTest, FailureStopsEveryTimerReportsAndEndsNonZero) {
    timer("A").setInterval(100);
    timer("B").setInterval(100);
    timer("A").setEnabled(true);
    timer("B").setEnabled(true);
    timer("A").onTimer = [] { throw RuntimeFailure::divisionByZero(); };
    runUntil(1000);
    EXPECT_TRUE(ticks.empty());  // B was due in the same wake-up, after A
    ASSERT_EQ(reporter.reported.size(), 1U);
    EXPECT_EQ(reporter.reported[0].number(), 11);
    EXPECT_EQ(dispatcher.exitStatus(), Dispatcher::kFailureExitStatus);
    EXPECT_FALSE(scheduler.nextDueMs().has_value());
    // Nothing runs after the end.
    bool ran = false;
    dispatcher.dispatch([&] { ran = true; });
    EXPECT_FALSE(ran);
}

}  // namespace
}  // namespace lwviz
