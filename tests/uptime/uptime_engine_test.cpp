#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "core/runtime_failure.h"
#include "engine_fixture.h"
#include "uptime/whole_count.h"

namespace lwviz::testing {
namespace {

TEST(UptimeEngineTest, UnitTotalsAndBreakdownOfOneDayOneHourOneMinuteOneAndAHalfSeconds) {
    EngineRig e;
    e.round(90'061'500);
    const std::map<std::string_view, std::string_view> expected = {
        {"START_TB", "90061500"},
        {"YEARS_TB", "0.00285583143074581"},
        {"MONTHS_TB", "0.0372278025793651"},
        {"WEEKS_TB", "0.14891121031746"},
        {"DAYS_TB", "1.04237847222222"},
        {"DAYS_MIRROR_TB", "1.04237847222222"},
        {"HOURS_TB", "25.0170833333333"},
        {"MINS_TB", "1501.025"},
        {"SECS_TB", "90061.5"},
        {"DAYS_ROUNDED_TB", "1"},
        {"HOURS_FULL", "24"},
        {"HOURS_ROUNDED_TB", "1"},
        {"MINUTES_ROUNDED_X_60_TB", "60"},
        {"MINUTES_DIFFERENCE_ROUNDED_TB", "1"},
        {"SECONDS_ROUNDED_TB", "60"},
        {"SECONDS_DIFFERENCE_ROUNDED_TB", "1"},
        {"LW_UPTIME_DISPLAY_TEXTBOX", "1d, 1h, 1m, 1s"},
    };
    for (const auto& [name, value] : expected) {
        EXPECT_EQ(e.text(name), value) << name;
    }
    EXPECT_EQ(e.form.DaysCount, 1);
    EXPECT_EQ(e.form.HoursCount, 1);
    EXPECT_EQ(e.form.MinutesCount, 1);
    EXPECT_EQ(e.form.SecondsCount, 1);
}

TEST(UptimeEngineTest, ZeroUptimeGivesZeroEverywhere) {
    EngineRig e;
    e.round(0);
    for (std::string_view name : {"START_TB", "YEARS_TB", "MONTHS_TB", "WEEKS_TB", "DAYS_TB",
                                  "HOURS_TB", "MINS_TB", "SECS_TB", "HOURS_FULL", "HOURS_LEFT_TB",
                                  "MINUTES_DIFFERENCE_LEFT_TB", "SECONDS_DIFFERENCE_TB"}) {
        EXPECT_EQ(e.text(name), "0") << name;
    }
    EXPECT_EQ(e.line(), "0d, 0h, 0m, 0s");
}

// Whole units and counts past 32 bits: the exact breakdown, never "60s", "24h" or one less.
TEST(UptimeEngineTest, WholeUnitsAndLongUptimesGiveTheExactBreakdown) {
    EngineRig e;
    const std::map<std::uint64_t, std::string_view> cases = {
        {37'000, "0d, 0h, 0m, 37s"},
        {38'000, "0d, 0h, 0m, 38s"},
        {60'000, "0d, 0h, 1m, 0s"},
        {3'600'000, "0d, 1h, 0m, 0s"},
        {86'399'999, "0d, 23h, 59m, 59s"},
        {86'400'000, "1d, 0h, 0m, 0s"},
        {86'400'004, "1d, 0h, 0m, 0s"},
        {93'784'000, "1d, 2h, 3m, 4s"},
        {172'800'000, "2d, 0h, 0m, 0s"},
        {604'800'000, "7d, 0h, 0m, 0s"},
        {2'147'483'647, "24d, 20h, 31m, 23s"},
        {2'147'483'648, "24d, 20h, 31m, 23s"},
        {4'294'967'296, "49d, 17h, 2m, 47s"},
        {5'184'000'000, "60d, 0h, 0m, 0s"},
    };
    for (const auto& [ms, expected] : cases) {
        e.round(ms);
        EXPECT_EQ(e.line(), expected) << ms;
    }
    // The count is kept whole, not cut to a signed 32-bit number.
    e.round(4'294'967'296);
    EXPECT_EQ(e.text("START_TB"), "4294967296");
    EXPECT_EQ(e.text("DAYS_TB"), "49.7102696296296");
    e.round(2'147'483'648);
    EXPECT_EQ(e.text("START_TB"), "2147483648");
    EXPECT_EQ(e.text("DAYS_TB"), "24.8551348148148");
    EXPECT_EQ(e.form.DaysCount, 24);
}

TEST(UptimeEngineTest, DivisorAndFactorCellsAreReadAfreshOnEveryRun) {
    EngineRig e;
    e.round(90'061'500);
    e.cell("TOTAL_MIL_HOUR").setText("60000");
    EXPECT_EQ(e.text("HOURS_TB"), "25.0170833333333");  // no run yet
    e.round(90'061'500);
    EXPECT_EQ(e.text("HOURS_TB"), e.text("MINS_TB"));
    EXPECT_EQ(e.text("HOURS_TB"), "1501.025");

    e.cell("TOTAL_MIL_HOUR").setText("3600000");
    e.cell("HOURS_24_TB").setText("12");
    e.round(3 * kDay + 5 * kHour);
    EXPECT_EQ(e.text("HOURS_FULL"), "36");
    EXPECT_EQ(e.text("HOURS_LEFT_TB"), "41");
    EXPECT_EQ(e.text("HOURS_ROUNDED_TB"), "41");
    e.round(4 * kDay + 5 * kHour);
    EXPECT_EQ(e.text("HOURS_FULL"), "48");
    EXPECT_EQ(e.text("HOURS_LEFT_TB"), "53");
    EXPECT_EQ(e.line(), "4d, 53h, 0m, 0s");
}

// A divisor that reads as 0 stops the run at its unit: the units before it hold their new
// texts, the rest, the mirror and DaysCount their old ones; nothing later in the round runs.
TEST(UptimeEngineTest, DivisorReadingAsZeroIsDivisionByZero) {
    for (std::string_view divisor : {"0", "", "abc", "-0"}) {
        SCOPED_TRACE(divisor);
        EngineRig e;
        e.round(2 * kDay);
        const std::string oldHours = e.text("HOURS_TB");
        e.cell("TOTAL_MIL_HOUR").setText(divisor);

        e.round(90'061'500);
        ASSERT_EQ(e.failures.reported.size(), 1U);
        EXPECT_EQ(e.failures.reported[0].number(), RuntimeFailure::kDivisionByZero);
        EXPECT_EQ(e.dispatcher.exitStatus(), Dispatcher::kFailureExitStatus);
        EXPECT_EQ(e.text("START_TB"), "90061500");
        EXPECT_EQ(e.text("YEARS_TB"), "0.00285583143074581");
        EXPECT_EQ(e.text("DAYS_TB"), "1.04237847222222");
        EXPECT_EQ(e.text("HOURS_TB"), oldHours);
        EXPECT_EQ(e.text("MINS_TB"), "2880");
        EXPECT_EQ(e.text("SECS_TB"), "172800");
        EXPECT_EQ(e.text("DAYS_MIRROR_TB"), "2");
        EXPECT_EQ(e.form.DaysCount, 2);
        EXPECT_EQ(e.line(), "2d, 0h, 0m, 0s");
    }
}

TEST(UptimeEngineTest, ZeroDividedByZeroIsOverflow) {
    EngineRig e;
    e.cell("TOTAL_MIL_YEAR").setText("0");
    e.round(0);
    ASSERT_EQ(e.failures.reported.size(), 1U);
    EXPECT_EQ(e.failures.reported[0].number(), RuntimeFailure::kOverflow);
    EXPECT_EQ(e.text("START_TB"), "0");
    EXPECT_EQ(e.text("YEARS_TB"), "YEARS_TB");
    EXPECT_EQ(e.text("SECS_TB"), "SECS_TB");
}

// Extreme factors: a product beyond the double range, or a count beyond 32 bits, is overflow
// and stops the stage before it writes the failing value.
TEST(UptimeEngineTest, ExtremeFactorsOverflow) {
    EngineRig e;
    e.cell("HOURS_24_TB").setText("1E308");
    e.round(2 * kDay);
    ASSERT_EQ(e.failures.reported.size(), 1U);
    EXPECT_EQ(e.failures.reported[0].number(), RuntimeFailure::kOverflow);
    EXPECT_EQ(e.text("DAYS_ROUNDED_TB"), "2");
    EXPECT_EQ(e.text("HOURS_FULL"), "HOURS_FULL");
    EXPECT_EQ(e.text("MINUTES_LEFT_X_60_TB"), "MINUTES_LEFT_X_60_TB");

    EngineRig second;  // a fresh program
    second.cell("HOURS_24_TB").setText("-1E12");
    second.round(2 * kDay);
    ASSERT_EQ(second.failures.reported.size(), 1U);
    EXPECT_EQ(second.failures.reported[0].number(), RuntimeFailure::kOverflow);
    EXPECT_EQ(second.text("HOURS_LEFT_TB"), "2000000000048");
    EXPECT_EQ(second.text("HOURS_ROUNDED_TB"), "HOURS_ROUNDED_TB");

    EngineRig third;
    third.cell("MINS_60_TB").setText("1E308");
    third.round(kDay + 2 * kHour);
    ASSERT_EQ(third.failures.reported.size(), 1U);
    EXPECT_EQ(third.failures.reported[0].number(), RuntimeFailure::kOverflow);
    EXPECT_EQ(third.text("HOURS_ROUNDED_TB"), "2");
    EXPECT_EQ(third.text("MINUTES_LEFT_X_60_TB"), "MINUTES_LEFT_X_60_TB");
}

TEST(WholeCountTest, FloorsAfterRoundingToTheUnitsMillisecond) {
    EXPECT_EQ(WholeCount("0.999999999999999", kMillisecondsPerDay), 1);
    EXPECT_EQ(WholeCount("0.99999998", kMillisecondsPerDay), 0);  // 1.7 ms short of a day
    EXPECT_EQ(WholeCount("59.9999999999999", kMillisecondsPerSecond), 60);
    EXPECT_EQ(WholeCount("59.9995", kMillisecondsPerSecond), 60);  // a tie goes to the whole ms
    EXPECT_EQ(WholeCount("59.9994", kMillisecondsPerSecond), 59);
    EXPECT_EQ(WholeCount("-24.855", kMillisecondsPerDay), -25);
    EXPECT_EQ(WholeCount("-0.0000000001", kMillisecondsPerHour), 0);
    EXPECT_THROW((void)WholeCount("1E300", kMillisecondsPerDay), RuntimeFailure);
    EXPECT_THROW((void)WholeCount("2147483648", kMillisecondsPerSecond), RuntimeFailure);
    EXPECT_EQ(WholeCount("2147483647.4", kMillisecondsPerSecond), 2147483647);
    EXPECT_THROW((void)WholeCount("1,5", kMillisecondsPerSecond), RuntimeFailure);
}

}  // namespace
}  // namespace lwviz::testing
