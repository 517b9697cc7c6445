#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "core/runtime_failure.h"
#include "core/scheduler.h"
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

// Minutes of virtual time across a day boundary. At every wake-up of the engine the line is
// the exact breakdown of that wake-up's tick count: the six timers ran in their switching
// order on one sample, so not even the first round after the boundary lags behind.
TEST(UptimeRun, EveryLineIsExactAndFromTheWakeUpsOwnSample) {
    Harness h;
    h.platform.clock.bootOffsetMs = kDay - 90 * kSecond;
    StartWithAutoStart(h);

    const std::int64_t end = 4 * 60'000LL;
    int engineWakeUps = 0;
    bool sawMidnight = false;
    while (!h.app().ended()) {
        const std::optional<std::int64_t> due = h.app().nextDueMs();
        if (!due || *due > end) {
            break;
        }
        h.runUntil(*due);  // exactly one wake-up
        if (*due % Scheduler::kMinimumIntervalMs != 0) {
            continue;  // not an engine beat
        }
        ++engineWakeUps;
        const std::uint64_t ticks = h.platform.clock.milliseconds();
        ASSERT_EQ(h.text("START_TB"), std::to_string(ticks)) << *due;
        ASSERT_EQ(h.text("LW_UPTIME_DISPLAY_TEXTBOX"), ExactLine(ticks)) << *due;
        sawMidnight = sawMidnight || ticks == kDay;
    }
    EXPECT_EQ(engineWakeUps, end / Scheduler::kMinimumIntervalMs);
    EXPECT_TRUE(sawMidnight);
    EXPECT_EQ(h.text("LW_UPTIME_DISPLAY_TEXTBOX"), "1d, 0h, 2m, 30s");
    EXPECT_TRUE(h.platform.failures.reported.empty());
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
