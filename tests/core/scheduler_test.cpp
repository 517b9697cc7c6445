#include "core/scheduler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/timers_fixture.h"

namespace lwviz {
namespace {

using SchedulerTest = testing::TimersFixture;

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

}  // namespace
}  // namespace lwviz
