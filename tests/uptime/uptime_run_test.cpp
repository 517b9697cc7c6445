#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/runtime_failure.h"
#include "core/scheduler.h"
#include "core/twips.h"
#include "engine_fixture.h"
#include "support/harness.h"

namespace lwviz::testing {
namespace {

// The program opening with Auto Start ticked, so the engine timers run from the load on.
void StartWithAutoStart(Harness& h) {
    h.platform.settings.put(h.platform.program.name, "AUTOSTART_TICKBOX", "1");
    h.start();
    ASSERT_TRUE(h.control("UPTIME_TIMER").enabled());
}

// Fits the main window's layout to a client area as a front-end does.
void Fit(Harness& h, int width, int height) {
    static_cast<void>(h.app().mainWindow().layout().fit(width, height, kStandardDpi));
}

// A minute across a day boundary with only the uptime line drawn. The engine runs at each
// displayed second and before every other event, nothing in between: at each whole second the
// line is that second's, and a click or a log entry at any other moment reads cells sampled at
// that very moment.
TEST(UptimeRun, HeldToTheDisplayedSecondsAndToEveryOtherEvent) {
    Harness h;
    h.platform.clock.bootOffsetMs = kDay - 30 * kSecond + 437;
    StartWithAutoStart(h);
    Fit(h, 290, 134);

    const std::int64_t end = 60'000;
    int rounds = 0;
    int others = 0;
    bool clicked = false;
    bool sawMidnight = false;
    std::size_t writes = 0;
    while (!h.app().ended()) {
        const std::optional<std::int64_t> due = h.app().nextDueMs();
        if (!due || *due > end) {
            break;
        }
        if (!clicked && *due > 12'345) {
            h.runUntil(12'345);
            h.click("LW_UPTIME_DISPLAY_TEXTBOX");
            clicked = true;
            ++others;
            ASSERT_EQ(h.text("START_TB"), std::to_string(h.platform.clock.milliseconds()));
            continue;
        }
        const std::string sample = h.text("START_TB");
        h.runUntil(*due);  // exactly one wake-up
        const std::uint64_t ticks = h.platform.clock.milliseconds();
        if (h.text("START_TB") == sample) {
            continue;
        }
        ++rounds;
        ASSERT_EQ(h.text("START_TB"), std::to_string(ticks)) << *due;
        ASSERT_EQ(h.text("LW_UPTIME_DISPLAY_TEXTBOX"), ExactLine(ticks)) << *due;
        if (ticks % kSecond != 0) {
            ++others;  // another timer's tick
        }
        if (h.platform.logFile.writes.size() != writes) {
            writes = h.platform.logFile.writes.size();
            EXPECT_NE(h.platform.logFile.files.begin()->second.find(
                          "Current UpTime = " + ExactLine(ticks) + "\r\n"),
                      std::string::npos);
        }
        sawMidnight = sawMidnight || ticks == kDay;
    }
    EXPECT_GE(writes, 1U);
    EXPECT_LE(rounds, 2 * 60 + others);
    EXPECT_GE(rounds, 60);
    EXPECT_TRUE(sawMidnight);
    EXPECT_EQ(h.text("LW_UPTIME_DISPLAY_TEXTBOX"), "1d, 0h, 0m, 30s");
    EXPECT_TRUE(h.platform.failures.reported.empty());
}

// A handler that takes a while (here the log's write, 12 ms) does not make the next second
// late: the line changes exactly at it.
TEST(UptimeRun, ASlowHandlerDoesNotMakeTheNextSecondLate) {
    Harness h;
    h.platform.clock.bootOffsetMs = 437;
    h.platform.wallClock.onDateRead = [&h, slow = true]() mutable {
        h.platform.clock.now += slow ? 12 : 0;
        slow = false;
    };
    StartWithAutoStart(h);
    Fit(h, 290, 134);
    while (h.platform.logFile.writes.empty() && !h.app().ended()) {
        h.runUntil(h.app().nextDueMs().value_or(h.platform.clock.now + 1));
    }
    const std::string line = h.text("LW_UPTIME_DISPLAY_TEXTBOX");
    while (h.text("LW_UPTIME_DISPLAY_TEXTBOX") == line && !h.app().ended()) {
        h.runUntil(h.app().nextDueMs().value_or(h.platform.clock.now + 1));
    }
    EXPECT_EQ(h.platform.clock.milliseconds() % kSecond, 0U);
}

// With the working area drawn every round can be seen: one each 15 ms, as it always was.
TEST(UptimeRun, EveryBeatWhileTheWorkingAreaIsDrawn) {
    Harness h;
    StartWithAutoStart(h);
    Fit(h, 2000, 2000);
    h.runUntil(15);
    int rounds = 0;
    for (std::int64_t beat = 30; beat <= 3'000; beat += Scheduler::kMinimumIntervalMs) {
        const std::string sample = h.text("START_TB");
        h.runUntil(beat);
        rounds += h.text("START_TB") != sample ? 1 : 0;
    }
    EXPECT_EQ(rounds, 3'000 / Scheduler::kMinimumIntervalMs - 1);
}

// An edited divisor that reads as 0 ends the program through the failure path: reported,
// every timer stopped, a non-zero exit status.
TEST(UptimeRun, DivisionByZeroEndsTheProgram) {
    Harness h;
    h.platform.clock.bootOffsetMs = 90'061'500;
    StartWithAutoStart(h);
    h.control("TOTAL_MIL_DAY").setText("0");
    h.runFor(1'000);

    ASSERT_EQ(h.platform.failures.reported.size(), 1U);
    EXPECT_EQ(h.platform.failures.reported[0].number(), RuntimeFailure::kDivisionByZero);
    EXPECT_EQ(h.app().exitStatus(), 1);
    EXPECT_FALSE(h.app().nextDueMs().has_value());
    EXPECT_EQ(h.text("WEEKS_TB"), "0.148911235119048");  // the sample at 15 ms
    EXPECT_EQ(h.text("DAYS_TB"), "DAYS_TB");
    EXPECT_EQ(h.text("HOURS_TB"), "HOURS_TB");
    EXPECT_EQ(h.text("DAYS_ROUNDED_TB"), "DAYS_ROUNDED_TB");
    EXPECT_EQ(h.text("LW_UPTIME_DISPLAY_TEXTBOX"), "");
}

}  // namespace
}  // namespace lwviz::testing
