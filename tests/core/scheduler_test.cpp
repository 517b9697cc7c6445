#include "core/scheduler.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
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

// A held to each whole second, as the display holds the engine: the polls B and D join its
// rounds after their first tick, one early and one late; C, which switches itself off, keeps its
// moment. From 2 s on, the machine wakes for the rounds and for C only.
TEST_F(SchedulerTest, PollsJoinTheHeldRoundsAndOneShotsKeepTheirMoment) {
    scheduler.setPacedGroup({&timer("A")});
    for (const auto& [name, at] : {std::pair{"A", 0}, {"B", 300}, {"D", 800}, {"C", 1700}}) {
        clock.now = at;
        timer(name).setInterval(at == 0 ? 15 : 1000);
        timer(name).setEnabled(true);
    }
    timer("C").onTimer = [this] {
        ticks.emplace_back("C");
        timer("C").setEnabled(false);
    };
    for (auto due = scheduler.nextDueMs(); due && *due <= 5'000; due = scheduler.nextDueMs()) {
        clock.now = *due;
        dispatcher.fireDueTimers();
        scheduler.pace((clock.now / 1000 + 1) * 1000);
        ticks.push_back(std::to_string(clock.now));
    }
    std::erase_if(ticks, [](const std::string& tick) { return tick.starts_with("A@"); });
    // Each wake-up's moment follows its ticks.
    EXPECT_EQ(ticks,
              (std::vector<std::string>{"15", "1000", "B@1300", "1300", "D@1800", "1800", "B@2000",
                                        "2000", "C", "2700", "B@3000", "D@3000", "3000", "B@4000",
                                        "D@4000", "4000", "B@5000", "D@5000", "5000"}));
}

}  // namespace
}  // namespace lwviz
